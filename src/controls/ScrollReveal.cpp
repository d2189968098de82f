#include <algorithm>

#include "controls/Frame.h"

namespace Vesk {
namespace Forms {
namespace detail {

// Up the parent links, each step into the holder's cells through its
// placement, read after the holder scrolled: an outer box then sees where
// the inner one put the cells. Bounded: a chain longer than any tree can
// hold is a loop.
bool Tree::reveal(Control& control, long long row, long long column, long long height,
                  long long width) {
    bool moved = false;
    Control* child = &control;
    int depth = 0;
    for (Region* up = control.parent(); up != nullptr && up->controlMark && depth < 4096;
         up = up->parent(), ++depth) {
        Control& holder = *static_cast<Control*>(up);
        if (holder.holding != nullptr && holder.holding->reveal != nullptr &&
            holder.holding->reveal(holder, *child, row, column, height, width)) {
            moved = true;
        }
        const Control::Placement placement = Tree::placement(holder, *child, 0, 0);
        row = bounded(row + bounded(placement.row));
        column = bounded(column + bounded(placement.column));
        child = &holder;
    }
    return moved;
}

bool Tree::revealWhole(Control& control) {
    const Rect cells = footprint(control);
    return reveal(control, cells.top - control.place.row, cells.left - control.place.column,
                  cells.bottom - cells.top, cells.right - cells.left);
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
