// How a choice shows: its row, and the open list it places on a higher
// layer and paints; the mouse events that reach it.
#include <algorithm>
#include <string>

#include "controls/Frame.h"
#include "forms/Choice.h"
#include "geometry/Clip.h"
#include "geometry/ScrollBar.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

namespace {

Choice* self(void* control) {
    return static_cast<Choice*>(static_cast<Control*>(control));
}

// One row of text from cell 0 at `column`, cut to `room` cells and to the
// cells `shown`, blanks after it.
void putLine(const std::string& text, long long row, long long column, long long room,
             detail::Span shown) {
    const long long last = std::min(shown.last, room);
    long long taken = 0;
    if (shown.first < last) {
        detail::TextWalk walk(text, detail::Screen::unicode());
        taken = detail::putRow(walk, row, column, room, {shown.first, last});
    }
    detail::putBlanks(row, column, {std::max(taken, shown.first), last});
}

}  // namespace

int Choice::heldCount(Control&) {
    return 1;
}

Control* Choice::heldAt(Control& holder, int index) {
    return index == 0 ? &self(&holder)->list : nullptr;
}

// The list is a member: it goes only with the choice.
void Choice::forgetList(Control&, Control*) {}

// Below the row when the rows fit there or there is no more room above,
// else above it; shifted left to stay on the screen; as many rows as the
// screen has room for on that side, at most `rows()`.
void Choice::placeList(Control& holder, Control&, Placement& placement) {
    Choice* choice = self(&holder);
    const long long wanted = std::min<long long>(choice->mostRows, choice->count());
    const long long below = std::max(0LL, placement.screenHeight - placement.holderRow - 1);
    const long long above = std::max(0LL, placement.holderRow);
    const bool down = wanted <= below || below >= above;
    const long long rows = std::min(wanted, down ? below : above);
    const long long width =
        std::max(0LL, std::min<long long>(choice->width(), placement.screenWidth));
    long long column = std::min(0LL, placement.screenWidth - width - placement.holderColumn);
    column = std::max(column, -placement.holderColumn);
    choice->listRows = static_cast<int>(rows);
    choice->listRow = down ? 1 : -rows;
    choice->listColumn = column;
    choice->list.width(static_cast<int>(width));
    choice->list.height(static_cast<int>(rows));
    placement.row = choice->listRow;
    placement.column = column;
    placement.layer = 1;
    placement.clip = false;
    placement.clipAll = false;
    placement.shown = rows > 0 && choice->opened();
}

// The selected item cut to the width less one cell, and the mark in the
// last cell, lit when keys reach the choice. A list left open while keys
// went elsewhere (the focus moved, a dialog opened over it) closes.
int Choice::painter(int, void* control) {
    Choice* choice = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*choice);
    if (choice->open && !frame.keys) {
        choice->opened(false);
    }
    const long long width = std::max(0, choice->width());
    detail::Tree::claim(*choice, frame, 1, width);
    const detail::Area area = frame.area(0, 0, 1, width);
    const detail::Span cells = detail::firstRow(area);
    if (!cells.empty()) {
        detail::ColorScope colors(choice->color(), choice->background(), frame.keys);
        putLine(choice->item(choice->current), area.row, area.column, width - 1, cells);
        if (cells.last == width) {
            const char* mark = detail::Screen::unicode() ? "\u25BC" : "v";
            detail::putText(area.row, area.column + width - 1, mark,
                            std::char_traits<char>::length(mark), {0, 1});
        }
    }
    detail::Tree::cursor(frame, 0, 0);
    return 1;
}

// The rows from the first shown, the lit one reversed, in the choice's
// colours turned round so that the list stands out from the page. While
// open, the choice takes every click on the screen on the list's layer:
// one outside the list closes it.
int Choice::paintList(int, void* control) {
    Control* list = static_cast<Control*>(control);
    Choice* choice = static_cast<Choice*>(list->parent());
    const detail::Frame frame = detail::Tree::frameOf(*list);
    detail::Frame origin = frame;
    origin.row = frame.row - choice->listRow;
    origin.column = frame.column - choice->listColumn;
    detail::Tree::claimCells(*choice, origin, detail::screenRect(), true);

    choice->light(choice->lit);
    const long long width = list->width();
    const long long rows = list->height();
    const long long total = choice->count();
    const bool indicator = total > rows && width > 1;
    const long long textWidth = indicator ? width - 1 : width;
    const detail::Area area = frame.area(0, 0, rows, width);
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        const long long index = choice->shownFrom + i;
        const bool lit = index == choice->lit;
        detail::ColorScope colors(choice->background(), choice->color(), lit);
        const std::string empty;
        const std::string& text =
            index < total ? choice->items[static_cast<std::size_t>(index)] : empty;
        putLine(text, area.row + i, area.column, textWidth,
                {area.columns.first, std::min(area.columns.last, textWidth)});
        if (indicator && area.columns.last == width) {
            const long long thumb = (rows - 1) * choice->shownFrom / std::max(1LL, total - rows);
            detail::Screen::repeat(area.row + i, area.column + width - 1, 1,
                                   i == thumb ? detail::Cell::Block : detail::Cell::Vertical);
        }
    }
    // The cursor on the lit row when keys reach the choice.
    detail::Frame own = frame;
    own.keys =
        frame.top != nullptr && detail::Tree::keysTarget(*frame.top) == choice && choice->focus();
    detail::Tree::cursor(own, choice->lit - choice->shownFrom, 0);
    return 1;
}

// Open: a left press on an item picks it, one on the row closes the list,
// one anywhere else closes it too; the wheel scrolls three rows. Closed: a
// left press on the row opens it.
int Choice::pointer(int event, void* control) {
    Choice* choice = self(control);
    const Vesk::MouseButton button = Vesk::MouseButtonOf(event);
    long long row = 0;
    long long column = 0;
    detail::Tree::pointerCell(*choice, event, row, column);
    const bool press = button == Vesk::MouseButton::Left && Vesk::MousePressed(event);
    if (!choice->opened()) {
        return press && row == 0 && choice->opened(true) ? 1 : 0;
    }
    const long long item = row - choice->listRow;
    const bool onList = item >= 0 && item < choice->listRows && column >= choice->listColumn &&
                        column < choice->listColumn + choice->list.width();
    if (button == Vesk::MouseButton::WheelUp || button == Vesk::MouseButton::WheelDown) {
        if (!onList) {
            return 0;
        }
        const long long rows = std::max(1, choice->listRows);
        const long long last = std::max(0LL, choice->count() - rows);
        const long long step =
            button == Vesk::MouseButton::WheelUp ? -detail::WheelRows : detail::WheelRows;
        choice->shownFrom =
            static_cast<int>(std::clamp<long long>(choice->shownFrom + step, 0, last));
        choice->lit = static_cast<int>(
            std::clamp<long long>(choice->lit, choice->shownFrom, choice->shownFrom + rows - 1));
        return 1;
    }
    if (!press) {
        return 0;
    }
    if (onList && choice->shownFrom + item < choice->count()) {
        choice->lit = static_cast<int>(choice->shownFrom + item);
        return choice->pick(event);
    }
    choice->opened(false);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
