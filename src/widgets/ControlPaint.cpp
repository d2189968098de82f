#include "widgets/ControlPaint.h"

#include "geometry/TextOutput.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

void putBlanks(long long row, long long column, Span cells) {
    if (!cells.empty()) {
        Screen::repeat(row, column + cells.first, cells.last - cells.first, Cell::Blank);
    }
}

void drawBox(const Frame& frame, long long row, long long column, long long height,
             long long width, BorderStyle style, Color foreground, Color background, bool lit) {
    const Area box = frame.area(row, column, height, width);
    if (box.empty()) {
        return;
    }
    ColorScope colors(foreground, background, lit);
    putBox(box, height, width, style);
}

// The interior is the control's own size: a negative one has no shape.
void drawFrame(Control& control, const Frame& frame) {
    if (control.width() < 0 || control.height() < 0) {
        return;
    }
    drawBox(frame, -1, -1, control.height() + 2LL, control.width() + 2LL, control.border(),
            control.borderColor(), control.background(), frame.keys);
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
