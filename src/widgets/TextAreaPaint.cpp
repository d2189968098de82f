#include "forms/TextArea.h"

#include <algorithm>
#include <optional>
#include <string>

#include "controls/Frame.h"
#include "geometry/Clip.h"
#include "geometry/ScrollBar.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/TextAreaState.h"
#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {

namespace {

TextArea* self(void* control) {
    return static_cast<TextArea*>(static_cast<Control*>(control));
}

// Writes row `sub` of `line`, its cell `left` on the field's first column,
// on screen row `row`; only `shown` of its `room` cells. Returns the cells
// it took.
long long putLineRow(const detail::TextLines& lines, std::size_t line, long long sub,
                     long long left, long long row, long long column, long long room,
                     detail::Span shown) {
    const std::string& text = lines.text(line);
    const std::size_t end = lines.rowEnd(line, sub);
    std::size_t at = lines.rowStart(line, sub);
    // Scrolled sideways: the characters left of the view go, and a wide one
    // cut by its edge leaves blanks.
    long long passed = 0;
    while (passed < left && at < end) {
        const std::size_t next = detail::nextCharacter(text, at, lines.unicode());
        passed += lines.cellsAt(line, at, next);
        at = next;
    }
    const long long pad = std::max(0LL, passed - left);
    if (pad > 0) {
        detail::putBlanks(row, column, {shown.first, std::min(shown.last, pad)});
    }
    detail::TextWalk walk(text.data() + at, end - at, lines.unicode());
    const detail::Span rest{std::max(0LL, shown.first - pad), shown.last - pad};
    return pad + detail::putRow(walk, row, column + pad, room - pad, rest);
}

}  // namespace

// Only the rows on the screen are visited, so the cost does not grow with
// the text; unchanged cells cost nothing, as the screen skips them.
int TextArea::painter(int, void* control) {
    TextArea* area = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*area);
    // Keys went elsewhere in the middle of a paste: what came is kept.
    if (!frame.keys) {
        area->settlePaste();
    }
    const long long width = std::max(0, area->width());
    const long long height = std::max(0, area->height());
    if (area->border() != NoBorder) {
        detail::drawFrame(*area, frame);
    }
    detail::Tree::claim(*area, frame, height, width);

    detail::TextAreaState& s = area->laidOut();
    s.follow(height, width);
    const detail::TextLines& lines = s.lines;
    const long long room = s.bar ? width - 1 : width;
    const detail::Area box = frame.area(0, 0, height, width);
    const detail::Span shown{box.columns.first, std::min(box.columns.last, room)};
    const bool hint = lines.count() == 1 && lines.text(0).empty() && !s.hint.empty();
    if (!box.empty()) {
        const Color foreground = hint ? BrightBlack : area->color();
        std::optional<detail::ColorScope> colors;
        if (!detail::Screen::normal(foreground, area->background(), false)) {
            colors.emplace(foreground, area->background(), false);
        }
        std::size_t line = 0;
        long long sub = 0;
        long long next = s.top + box.rows.first;
        lines.lineAtRow(next, line, sub);
        for (long long i = box.rows.first; i < box.rows.last; ++i, ++next) {
            const long long row = box.row + i;
            long long taken = 0;
            if (hint && i == 0) {
                detail::TextWalk walk(s.hint, lines.unicode());
                taken = detail::putRow(walk, row, box.column, room, shown);
            } else if (!hint && next < lines.rows()) {
                taken = putLineRow(lines, line, sub, s.left, row, box.column, room, shown);
                if (++sub == lines.rowsOf(line)) {
                    ++line;
                    sub = 0;
                }
            }
            detail::putBlanks(row, box.column, {std::max(shown.first, taken), shown.last});
        }
    }
    if (s.bar) {
        detail::putScrollBar(box, width - 1, height, lines.rows(), s.top, area->color(),
                             area->background());
    }

    const long long caretRow = s.caretRow() - s.top;
    if (caretRow >= 0 && caretRow < std::max(1LL, height)) {
        const long long cell = s.caretCell() - s.left;
        detail::Tree::cursor(frame, caretRow, std::clamp(cell, 0LL, std::max(0LL, room - 1)));
    }
    return 1;
}

// A left press puts the caret before the character under the pointer (the
// last of a row that goes on below when past its end); the wheel scrolls
// three rows and takes the caret along to the edge row it would leave.
int TextArea::pointer(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    const long long height = std::max(1, area->height());
    const Vesk::MouseButton button = Vesk::MouseButtonOf(event);
    if (button == Vesk::MouseButton::WheelUp || button == Vesk::MouseButton::WheelDown) {
        const long long last = std::max(0LL, s.lines.rows() - height);
        const long long step =
            button == Vesk::MouseButton::WheelUp ? -detail::WheelRows : detail::WheelRows;
        const long long top = std::clamp(s.top + step, 0LL, last);
        if (top == s.top) {
            return 0;
        }
        s.top = top;
        const long long row = s.caretRow();
        if (row < top || row >= top + height) {
            if (s.goal < 0) {
                s.goal = s.caretCell();
            }
            s.caretTo(std::clamp(row, top, top + height - 1), s.goal);
            s.history.breakRun();
        }
        return 1;
    }
    if (button != Vesk::MouseButton::Left || !Vesk::MousePressed(event)) {
        return 0;
    }
    long long row = 0;
    long long column = 0;
    detail::Tree::pointerCell(*area, event, row, column);
    if (s.bar && column >= area->width() - 1) {
        return 1;
    }
    s.caretTo(s.top + std::max(0LL, row), s.left + std::max(0LL, column));
    s.goal = -1;
    s.history.breakRun();
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
