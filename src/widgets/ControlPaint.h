#pragma once

#include "forms/Control.h"
#include "forms/Point.h"
#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The painting steps the controls share. `position` is a control's place in
// its parent, `location` its screen cell, both as the painter read them.

// The cells of the control's own rectangle (`height` x `width` from its
// position) that show: inside a clipping parent and on the screen.
Area clipOwn(Control& control, const Point& position, const Point& location, long long height,
             long long width);

// Writes the control into the screen map over `height` x `width` cells from
// its location.
void mapOwn(Control& control, const Point& location, long long height, long long width);

// Whether the control is painted as focused: it has the focus, and keys reach
// its page, that is every tab set on the way up shows that page and is the
// active control of the page around it. Each page keeps its own focused
// control, so one inside a tab set that has lost the focus keeps its flag
// while another control shows the focus.
bool showsFocus(Control& control);

// Puts the page's cursor on the screen cell (`row`, `column`) when the
// control shows the focus and the top of its tree is a page.
void placeCursor(Control& control, long long row, long long column);

// Blanks the cells `cells` of a row whose cell 0 is at screen column `column`.
void putBlanks(long long row, long long column, Span cells);

// The box one cell around a framed control (a button, a bordered text box)
// in its border style and colours, lit when it shows the focus. Without a
// parent it is drawn as a Visible parent would draw it: at the same screen
// cells, unclipped.
void drawFrame(Control& control, const Point& position, const Point& location);

// Stores a host's handler in `slot`; a null one is refused.
inline bool storeHandler(Handler& slot, Handler handler) {
    if (handler == nullptr) {
        return false;
    }
    slot = handler;
    return true;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
