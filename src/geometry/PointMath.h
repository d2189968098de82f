#pragma once

#include <cstdint>

#include "forms/Point.h"

namespace Vesk {
namespace Forms {
namespace detail {

    // Adds as two's complement, so coordinates far off the screen wrap instead of
    // overflowing.
    inline std::int32_t addCoordinates(std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) +
                                         static_cast<std::uint32_t>(b));
    }

}  // namespace detail

// A fresh point (own tag and size) at the sum of both rows and both columns.
// Internal to the library: not exported.
inline Point operator+(const Point& a, const Point& b) {
    return Point(detail::addCoordinates(a.row, b.row), detail::addCoordinates(a.column, b.column));
}

}  // namespace Forms
}  // namespace Vesk
