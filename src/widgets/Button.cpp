#include "forms/Button.h"

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

Button::Button() {
    stamp(detail::Tag::Button, sizeof(Button));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    caption.clear();
    clickHandler = nullptr;
    attachHandler(Vesk::KeyEnter, trigger);
    attachHandler(Vesk::AnyMouse, pointer);
    background(Black);
    color(White);
    borderColor(BrightBlack);
    width(10);
    height(1);
    border(SingleLine);
    attachHandler(Vesk::UpdateView, painter);
}

Button::~Button() = default;

int Button::click() {
    if (clickHandler == nullptr) {
        return 0;
    }
    return clickHandler(Vesk::KeyLineFeed, static_cast<void*>(this));
}

bool Button::click(Handler handler) {
    return detail::storeHandler(clickHandler, handler);
}

// The caller may change the caption through the reference: laid out again.
std::string& Button::text() {
    contentChanged();
    return caption;
}

std::string& Button::text(std::string value) {
    caption = std::move(value);
    contentChanged();
    return caption;
}

int Button::trigger(int, void* control) {
    Button* button = static_cast<Button*>(static_cast<Control*>(control));
    Session::log("\tClick, text: \"" + button->caption + "\"", Session::Verbose);
    return button->click();
}

// The page lets a left release through only after a left press on the same
// button: together they click it, as Enter does.
int Button::pointer(int event, void* control) {
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || Vesk::MousePressed(event)) {
        return 0;
    }
    return trigger(event, control);
}

// Box, screen map, the caption centred on the first row (cut to what the
// frame shows), and the page's cursor on the caption when keys reach it.
int Button::painter(int, void* control) {
    Button* button = static_cast<Button*>(static_cast<Control*>(control));
    const detail::Frame frame = detail::Tree::frameOf(*button);
    const long long width = button->width();
    const long long height = button->height();
    const long long length = detail::textCells(button->caption, detail::Screen::unicode());

    detail::drawFrame(*button, frame);

    detail::Tree::claim(*button, frame, height, width);

    {
        detail::ColorScope colors(button->color(), button->background(), frame.keys);
        // The line "%*s%*s" (width / 2 + length / 2, caption, width / 2 -
        // length / 2, "") in cells: blanks, the caption right-aligned in the
        // first field, and blanks (as many as the magnitude of a negative
        // second field), cut to the button's width.
        const long long leading = width / 2 + length / 2;
        const long long trailing = width / 2 - length / 2;
        const long long before = std::max(0LL, leading - length);
        const long long line = before + length + (trailing < 0 ? -trailing : trailing);
        const detail::Area area = frame.area(0, 0, 1, std::min(width, line));
        const detail::Span cells = detail::firstRow(area);
        detail::putBlanks(area.row, area.column, {cells.first, std::min(cells.last, before)});
        detail::putText(area.row, area.column + before, button->caption.data(),
                        button->caption.size(), {cells.first - before, cells.last - before});
        detail::putBlanks(area.row, area.column,
                          {std::max(cells.first, before + length), cells.last});
    }

    detail::Tree::cursor(frame, 0, width / 2 - length / 2);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
