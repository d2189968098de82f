#include "widgets/Frame.h"

#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {
namespace detail {

void drawFrame(Control& control, const Point& position, const Point& location) {
    Region* parent = control.parent();
    Region screen;
    screen.overflow(Visible);
    const Point& place = parent != nullptr ? position : location;
    Point corner(clampCoordinate(place.row - 1LL), clampCoordinate(place.column - 1LL));
    (parent != nullptr ? parent : &screen)
        ->drawRectangle(&corner, control.width(), control.height(), control.borderColor(),
                        control.background(), control.border(), control.focus());
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
