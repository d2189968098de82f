#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "forms/Page.h"

namespace Vesk {
namespace Forms {

// Only reports whether the file opens for reading; no byte is read and the
// page is left as it was. A directory is not a file. O_NONBLOCK: opening a
// named pipe or some devices could block the host until another process shows
// up; the type is checked on what was opened, so nothing swapped in after a
// check gets through.
bool Page::import(std::string path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool file = fstat(fd, &info) == 0 &&
                      (S_ISREG(info.st_mode) || S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode));
    ::close(fd);
    return file;
}

}  // namespace Forms
}  // namespace Vesk
