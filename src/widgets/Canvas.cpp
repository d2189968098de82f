#include "forms/Canvas.h"

#include <algorithm>

#include "controls/Frame.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

Canvas::Canvas(Control& control) : control(control) {
    const detail::Frame frame = detail::Tree::frameOf(control);
    originRow = frame.row;
    originColumn = frame.column;
    clipTop = frame.clip.top;
    clipLeft = frame.clip.left;
    clipBottom = frame.clip.bottom;
    clipRight = frame.clip.right;
    layer = frame.layer;
    keys = frame.keys;
    top = frame.top;
    enabled = frame.enabled;
    walk = frame.walk;
}

detail::Frame Canvas::frame() const {
    detail::Frame frame;
    frame.row = originRow;
    frame.column = originColumn;
    frame.clip = frame.inherited = detail::Rect{clipTop, clipLeft, clipBottom, clipRight};
    frame.layer = layer;
    frame.keys = keys;
    frame.top = top;
    frame.enabled = enabled;
    frame.walk = static_cast<detail::PaintWalk*>(walk);
    return frame;
}

int Canvas::width() {
    return control.width();
}

int Canvas::height() {
    return control.height();
}

bool Canvas::keysReach() {
    return keys;
}

int Canvas::text(int row, int column, const std::string& text, Color foreground,
                 Color background, bool highlight) {
    const detail::Frame frame = this->frame();
    const long long room = std::max(0LL, control.width() - static_cast<long long>(column));
    const detail::Area area = frame.area(row, column, 1, room);
    detail::ColorScope colors(foreground, background, highlight);
    detail::TextWalk walk(text, detail::Screen::unicode());
    const long long taken =
        detail::putRow(walk, area.row, area.column, room, detail::firstRow(area));
    return static_cast<int>(std::min<long long>(taken, room));
}

void Canvas::blank(int row, int column, int cells, Color foreground, Color background,
                   bool highlight) {
    const detail::Frame frame = this->frame();
    const long long room =
        std::min<long long>(cells, control.width() - static_cast<long long>(column));
    const detail::Area area = frame.area(row, column, 1, std::max(0LL, room));
    detail::ColorScope colors(foreground, background, highlight);
    detail::putBlanks(area.row, area.column, detail::firstRow(area));
}

void Canvas::box(int row, int column, int height, int width, BorderStyle style, Color foreground,
                 Color background, bool highlight) {
    const detail::Frame frame = this->frame();
    detail::drawBox(frame, row, column, height, width, style, foreground, background, highlight);
}

void Canvas::claim() {
    const detail::Frame frame = this->frame();
    detail::Tree::claim(control, frame, control.height(), control.width());
}

void Canvas::cursor(int row, int column) {
    const detail::Frame frame = this->frame();
    detail::Tree::cursor(frame, row, column);
}

}  // namespace Forms
}  // namespace Vesk
