#pragma once

#include "forms/Control.h"
#include "forms/Point.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The box one cell around a framed control (a button, a bordered text box)
// in its border style and colours, lit when it has the focus. `position` is
// the control's place in its parent, `location` its screen cell. Without a
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
