#include "session/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ext/stdio_filebuf.h>

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// O_NONBLOCK: opening a pipe without a reader, or some devices, would wait.
// O_NOFOLLOW: a symbolic link there, dangling or not, could make the log
// create or empty a file elsewhere. The type is checked on what was opened,
// so nothing can be swapped in.
int openRegularFile(const char* name) {
    const int fd =
        ::open(name, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ftruncate(fd, 0) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

LogFile::LogFile() {
    const int fd = openRegularFile("VeskForms.log");
    if (fd >= 0) {
        // Owns the descriptor from here on and closes it.
        buffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(fd, std::ios::out);
        out.rdbuf(buffer.get());
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
