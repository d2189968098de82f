#pragma once

/// @file
/// printf-style formatting into a new string.

#include <string>
#include <type_traits>

#include "vesk/Export.h"

namespace Vesk {
/// Text formatting.
namespace String {

/// What the templates of this namespace call; not for direct use.
namespace detail {
/// Formats the C varargs by `format` as vsnprintf does, into a new string
/// that the caller deletes.
VESK_API std::string* formatC(const char* format, ...);
}

/// printf-style formatting into a new string that the caller deletes. Only
/// values that C varargs can carry are accepted (numbers, enums, pointers,
/// C strings): anything else fails to compile. The result has no length limit.
template <typename... Args>
[[nodiscard]] std::string* Format(const std::string& format, Args... args) {
    static_assert(((std::is_arithmetic_v<Args> || std::is_enum_v<Args> || std::is_pointer_v<Args> ||
                    std::is_null_pointer_v<Args>)&&...),
                  "Vesk::String::Format takes only numbers, enums and pointers");
    return detail::formatC(format.c_str(), args...);
}

}  // namespace String
}  // namespace Vesk
