#include "widgets/ControlPaint.h"

#include "forms/Page.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
#include "geometry/Tags.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

Area clipOwn(Control& control, const Point& position, const Point& location, long long height,
             long long width) {
    return clip(control.parent(), location.row - static_cast<long long>(position.row),
                location.column - static_cast<long long>(position.column), position.row,
                position.column, height, width);
}

void mapOwn(Control& control, const Point& location, long long height, long long width) {
    Point from(location);
    Point to(clampCoordinate(location.row + height - 1),
             clampCoordinate(location.column + width - 1));
    Session::fillMap(&from, &to, &control);
}

bool showsFocus(Control& control) {
    if (!control.focus()) {
        return false;
    }
    for (Control* page = control.page(); page != nullptr;) {
        Region* up = page->parent();
        if (up == nullptr || !tagged(*up, Tag::Tabs)) {
            return true;
        }
        Tabs* set = static_cast<Tabs*>(static_cast<Control*>(up));
        Control* outer = set->page();
        if (set->activeTab() != page || outer == nullptr ||
            static_cast<Page*>(outer)->activeControl() != set) {
            return false;
        }
        page = outer;
    }
    return true;
}

void placeCursor(Control& control, long long row, long long column) {
    if (!showsFocus(control)) {
        return;
    }
    Control* root = control.root();
    if (root != nullptr && root->page() == root) {
        Point cell(clampCoordinate(row), clampCoordinate(column));
        delete static_cast<Page*>(root)->cursor(cell);
    }
}

void putBlanks(long long row, long long column, Span cells) {
    if (!cells.empty()) {
        Screen::repeat(row, column + cells.first, cells.last - cells.first, Cell::Blank);
    }
}

void drawFrame(Control& control, const Point& position, const Point& location) {
    Region* parent = control.parent();
    Region screen;
    screen.overflow(Visible);
    const Point& place = parent != nullptr ? position : location;
    Point corner(clampCoordinate(place.row - 1LL), clampCoordinate(place.column - 1LL));
    (parent != nullptr ? parent : &screen)
        ->drawRectangle(&corner, control.width(), control.height(), control.borderColor(),
                        control.background(), control.border(), showsFocus(control));
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
