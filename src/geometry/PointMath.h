#pragma once

#include "forms/Point.h"
#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {

// A fresh point (own tag and size) at the sum of both rows and both columns,
// by the one overflow rule (64 bits, clamped). Internal to the library: not
// exported.
__attribute__((visibility("hidden"))) inline Point operator+(const Point& a, const Point& b) {
    return Point(detail::clampCoordinate(static_cast<long long>(a.row) + b.row),
                 detail::clampCoordinate(static_cast<long long>(a.column) + b.column));
}

}  // namespace Forms
}  // namespace Vesk
