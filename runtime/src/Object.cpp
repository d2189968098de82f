#include "vesk/Object.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

namespace Vesk {

// Code that inspects objects through their header relies on this layout.
static_assert(std::is_standard_layout_v<Object>);
static_assert(offsetof(Object, tag) == 0 && offsetof(Object, size) == sizeof(Object::tag));

Object::Object() {
    stamp("Object", sizeof(Object));
}

void Object::stamp(const char* name, std::int32_t bytes) {
    std::memset(tag, 0, sizeof(tag));
    if (name != nullptr) {
        std::memcpy(tag, name, ::strnlen(name, sizeof(tag) - 1));
    }
    size = bytes;
}

}  // namespace Vesk
