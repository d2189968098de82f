#include "geometry/Clip.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "forms/Region.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

std::int32_t clampCoordinate(long long value) {
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

Rect screenRect() {
    return {0, 0, Screen::lines(), Screen::columns()};
}

Area clip(Region* region, long long originRow, long long originColumn, long long row,
          long long column, long long height, long long width) {
    Area area{originRow + row, originColumn + column, {0, height}, {0, width}};
    if (region != nullptr && region->overflow() == Hidden) {
        area.rows = {std::max(0LL, -row), std::min(height, region->height() - row)};
        area.columns = {std::max(0LL, -column), std::min(width, region->width() - column)};
    }
    area.rows.first = std::max(area.rows.first, -area.row);
    area.rows.last = std::min(area.rows.last, Screen::lines() - area.row);
    area.columns.first = std::max(area.columns.first, -area.column);
    area.columns.last = std::min(area.columns.last, Screen::columns() - area.column);
    return area;
}

Area clip(Region& region, long long row, long long column, long long height, long long width) {
    std::unique_ptr<Point> origin(region.location());
    return clip(&region, origin->row, origin->column, row, column, height, width);
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
