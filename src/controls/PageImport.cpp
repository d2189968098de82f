#include <fstream>

#include "forms/Page.h"

namespace Vesk {
namespace Forms {

// Only reports whether the file opens for reading; no byte is read and the
// page is left as it was.
bool Page::import(std::string path) {
    std::ifstream stream(path, std::ios_base::in | std::ios_base::binary);
    return stream.good();
}

}  // namespace Forms
}  // namespace Vesk
