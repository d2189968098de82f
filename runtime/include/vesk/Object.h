#pragma once

#include <cstdint>

#include "vesk/Export.h"

namespace Vesk {

// Header shared by every object of the library: a NUL-terminated type tag
// naming the most-derived class and that class's size in bytes. Each
// constructor overwrites both after its base constructor has run, so a
// finished object carries those of its most-derived class.
class VESK_API Object {
public:
    Object();

    char tag[12];
    std::int32_t size;

protected:
    // Copies `name` into `tag`, cut to 11 characters and NUL-terminated; a
    // null name leaves the tag empty.
    void stamp(const char* name, std::int32_t bytes);
};

}  // namespace Vesk
