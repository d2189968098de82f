#include <sys/stat.h>

#include <fstream>

#include "forms/Page.h"

namespace Vesk {
namespace Forms {

// Only reports whether the file opens for reading; no byte is read and the
// page is left as it was. A directory is not a file, and opening a named
// pipe or socket could block the host until another process shows up.
bool Page::import(std::string path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 ||
        !(S_ISREG(info.st_mode) || S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))) {
        return false;
    }
    std::ifstream stream(path, std::ios_base::in | std::ios_base::binary);
    return stream.good();
}

}  // namespace Forms
}  // namespace Vesk
