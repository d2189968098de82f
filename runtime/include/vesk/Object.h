#pragma once

/// @file
/// The header every object of the library starts with.

#include <cstdint>

#include "vesk/Export.h"

/// The runtime library (libvesk): objects, events, keyboard input, timers,
/// text formatting and the console title. The forms library builds on it.
namespace Vesk {

/// Header shared by every object of the library: a NUL-terminated type tag
/// naming the most-derived class and that class's size in bytes. Each
/// constructor overwrites both after its base constructor has run, so a
/// finished object carries those of its most-derived class.
class VESK_API Object {
public:
    /// Stamps the tag "Object" and the size of an Object.
    Object();

    /// The most-derived class's name, NUL-terminated (at most 11 characters).
    char tag[12];
    /// The most-derived class's size in bytes.
    std::int32_t size;

protected:
    /// Copies `name` into `tag`, cut to 11 characters and NUL-terminated, and
    /// stores `bytes` in `size`; a null name leaves the tag empty. A
    /// constructor calls it with its own class's name and size.
    void stamp(const char* name, std::int32_t bytes);
};

}  // namespace Vesk
