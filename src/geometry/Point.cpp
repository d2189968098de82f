#include "forms/Point.h"

#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {

Point::Point() : Point(0, 0) {}

Point::Point(std::int32_t row, std::int32_t column) : row(row), column(column) {
    stamp(detail::Tag::Point, sizeof(Point));
}

}  // namespace Forms
}  // namespace Vesk
