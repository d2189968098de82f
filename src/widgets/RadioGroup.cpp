#include "forms/RadioGroup.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "controls/Frame.h"
#include "forms/Session.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/ItemList.h"

namespace Vesk {
namespace Forms {

namespace {

constexpr int KeySpace = 0x20;
// "(•) " takes four cells; the text starts in the next one.
constexpr long long MarkCells = 4;

RadioGroup* self(void* control) {
    return static_cast<RadioGroup*>(static_cast<Control*>(control));
}

}  // namespace

RadioGroup::RadioGroup() {
    stamp(detail::Tag::RadioGroup, sizeof(RadioGroup));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    navigateUp = handler(Vesk::KeyUp);
    navigateDown = handler(Vesk::KeyDown);
    attachHandler(Vesk::KeyUp, lineUp);
    attachHandler(Vesk::KeyDown, lineDown);
    attachHandler(KeySpace, pick);
    attachHandler(Vesk::KeyEnter, pick);
    attachHandler(Vesk::AnyMouse, pointer);
    attachHandler(Vesk::UpdateView, painter);
    background(Black);
    color(White);
    width(20);
    height(0);
}

RadioGroup::~RadioGroup() = default;

bool RadioGroup::add(std::string text) {
    if (!detail::appendItem(options, std::move(text))) {
        return false;
    }
    height(count());
    contentChanged();
    return true;
}

int RadioGroup::count() {
    return static_cast<int>(options.size());
}

std::string RadioGroup::item(int index) {
    return detail::itemAt(options, index);
}

int RadioGroup::selected() {
    return current;
}

int RadioGroup::selected(int index) {
    current = index < 0 || options.empty() ? -1 : std::min(index, count() - 1);
    if (current >= 0) {
        lit = current;
    }
    return current;
}

bool RadioGroup::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

int RadioGroup::choose(int index, int event) {
    if (index < 0 || index >= count()) {
        return 0;
    }
    lit = index;
    if (index == current) {
        return 1;
    }
    current = index;
    Session::log("\tRadio, option " + std::to_string(current), Session::Verbose);
    if (changeHandler != nullptr) {
        changeHandler(event, static_cast<Control*>(this));
    }
    return 1;
}

int RadioGroup::lineUp(int event, void* control) {
    RadioGroup* group = self(control);
    if (group->lit <= 0) {
        return group->navigateUp != nullptr ? group->navigateUp(event, control) : 0;
    }
    --group->lit;
    return 1;
}

int RadioGroup::lineDown(int event, void* control) {
    RadioGroup* group = self(control);
    if (group->lit >= group->count() - 1) {
        return group->navigateDown != nullptr ? group->navigateDown(event, control) : 0;
    }
    ++group->lit;
    return 1;
}

int RadioGroup::pick(int event, void* control) {
    RadioGroup* group = self(control);
    return group->choose(group->lit, event);
}

// Picks on the left release, which the page lets through only after a left
// press on the same group, as a check box toggles.
int RadioGroup::pointer(int event, void* control) {
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || Vesk::MousePressed(event)) {
        return 0;
    }
    RadioGroup* group = self(control);
    long long row = 0;
    long long column = 0;
    detail::Tree::pointerCell(*group, event, row, column);
    return row >= 0 && row < group->count() ? group->choose(static_cast<int>(row), event) : 0;
}

// One row an option, as far as the height goes: the mark, the text cut
// to the width in cells, blanks to the end; the lit row reversed when keys
// reach the group.
int RadioGroup::painter(int, void* control) {
    RadioGroup* group = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*group);
    const long long width = std::max(0, group->width());
    const long long height = std::max(0, group->height());
    detail::Tree::claim(*group, frame, height, width);
    const detail::Area area = frame.area(0, 0, height, width);
    const bool unicode = detail::Screen::unicode();
    const std::string on = unicode ? "(\u2022) " : "(*) ";
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        const long long row = area.row + i;
        const bool lit = frame.keys && i == group->lit;
        detail::ColorScope colors(group->color(), group->background(), lit);
        const detail::Span cells = {area.columns.first, std::min(area.columns.last, width)};
        long long shown = 0;
        if (i < group->count()) {
            const std::string& mark = i == group->current ? on : std::string("( ) ");
            detail::putText(row, area.column, mark.data(), mark.size(), cells);
            const std::string& text = group->options[static_cast<std::size_t>(i)];
            detail::putText(row, area.column + MarkCells, text.data(), text.size(),
                            {cells.first - MarkCells, cells.last - MarkCells});
            shown = MarkCells + detail::textCells(text, unicode, width);
        }
        detail::putBlanks(row, area.column, {std::max(cells.first, shown), cells.last});
    }
    detail::Tree::cursor(frame, std::max(0, group->lit), 1);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
