#pragma once

#include "controls/Frame.h"
#include "forms/Control.h"
#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The painting steps the controls share; each reads the control's frame.

// The cells of the area's first row that show: its columns, or none when
// the row itself is cut away.
inline Span firstRow(const Area& area) {
    return area.rows.first == 0 && area.rows.last > 0 ? area.columns : Span{0, 0};
}

// Blanks the cells `cells` of a row whose cell 0 is at screen column `column`.
void putBlanks(long long row, long long column, Span cells);

// The box one cell around a framed control (a button, a bordered text box)
// in its border style and colours, lit when keys reach the control, cut to
// what its frame shows.
void drawFrame(Control& control, const Frame& frame);

// A box of `height` x `width` cells (its border included) at (`row`,
// `column`) of the frame: a single line or blanks, cut to what shows.
void drawBox(const Frame& frame, long long row, long long column, long long height,
             long long width, BorderStyle style, Color foreground, Color background, bool lit);

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
