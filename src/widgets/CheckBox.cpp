#include "forms/CheckBox.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "forms/Session.h"
#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

namespace {

constexpr int KeySpace = 0x20;
// "[x] " and "[ ] " take four cells; the caption starts in the next one.
constexpr long long MarkCells = 4;

}  // namespace

CheckBox::CheckBox() {
    stamp(detail::Tag::CheckBox, sizeof(CheckBox));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    background(Black);
    color(White);
    width(20);
    height(1);
    attachHandler(KeySpace, flip);
    attachHandler(Vesk::KeyEnter, flip);
    attachHandler(Vesk::AnyMouse, pointer);
    attachHandler(Vesk::UpdateView, painter);
}

CheckBox::~CheckBox() = default;

bool CheckBox::checked() {
    return mark;
}

bool CheckBox::checked(bool value) {
    mark = value;
    return mark;
}

std::string CheckBox::text() {
    return caption;
}

std::string CheckBox::text(std::string value) {
    caption = std::move(value);
    contentChanged();
    return caption;
}

bool CheckBox::toggle(Handler handler) {
    return detail::storeHandler(toggleHandler, handler);
}

// The key is handled whatever the host's handler answers: the box has
// already changed.
int CheckBox::flip(int event, void* control) {
    CheckBox* box = static_cast<CheckBox*>(static_cast<Control*>(control));
    box->mark = !box->mark;
    Session::log(std::string("\tToggle, checked: ") + (box->mark ? "yes" : "no") + ", text: \"" +
                     box->caption + "\"",
                 Session::Verbose);
    if (box->toggleHandler != nullptr) {
        box->toggleHandler(event, control);
    }
    return 1;
}

// A click toggles on the left release, which the page lets through only
// after a left press on the same box, as a button clicks.
int CheckBox::pointer(int event, void* control) {
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || Vesk::MousePressed(event)) {
        return 0;
    }
    return flip(event, control);
}

// Screen map, then the first row: the mark, the caption cut to the width
// in cells and blanks to the end of the width, all highlighted when keys
// reach it, cut to what the frame shows. Then the page's cursor on the mark.
int CheckBox::painter(int, void* control) {
    CheckBox* box = static_cast<CheckBox*>(static_cast<Control*>(control));
    const detail::Frame frame = detail::Tree::frameOf(*box);
    const long long width = box->width();

    detail::Tree::claim(*box, frame, box->height(), width);

    {
        detail::ColorScope colors(box->color(), box->background(), frame.keys);
        const detail::Area area = frame.area(0, 0, 1, width);
        const detail::Span cells = detail::firstRow(area);
        const char* const mark = box->mark ? "[x] " : "[ ] ";
        detail::putText(area.row, area.column, mark, MarkCells, cells);
        const std::string& caption = box->caption;
        detail::putText(area.row, area.column + MarkCells, caption.data(), caption.size(),
                        {cells.first - MarkCells, cells.last - MarkCells});
        const long long shown =
            MarkCells + detail::textCells(caption, detail::Screen::unicode(), width);
        detail::putBlanks(area.row, area.column, {std::max(cells.first, shown), cells.last});
    }

    detail::Tree::cursor(frame, 0, 1);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
