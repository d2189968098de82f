#include "forms/Button.h"

#include <curses.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "forms/Page.h"
#include "forms/Session.h"
#include "geometry/Output.h"
#include "geometry/PointMath.h"
#include "geometry/Tags.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

namespace {

std::int32_t clampCoordinate(long long value) {
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The caption line "%*s%*s" (width / 2 + length / 2, caption,
// width / 2 - length / 2, "") as far as cells [first, last) need it: blanks
// before `first` and after `last` are left out, so a button far wider than
// the screen formats no more than one that fits. `dropped` receives the
// number of leading cells left out.
std::string* captionLine(const std::string& caption, long long width, long long first,
                         long long last, long long& dropped) {
    const long long length = static_cast<long long>(caption.size());
    // Format pads against the C string, which ends at the first NUL byte.
    const long long shown = static_cast<long long>(std::strlen(caption.c_str()));
    long long leading = width / 2 + length / 2;
    long long trailing = width / 2 - length / 2;
    const long long blanks = leading - shown;  // before the caption
    dropped = std::max(0LL, std::min(first, blanks));
    if (trailing > 0) {
        trailing = std::min(trailing, std::max(0LL, last - leading));
    }
    // A caption that starts at or after `last` is pushed to just after it.
    leading = std::min(leading, last + shown) - dropped;
    return Vesk::String::Format("%*s%*s", static_cast<int>(clampCoordinate(leading)),
                                caption.c_str(), static_cast<int>(clampCoordinate(trailing)), "");
}

// The box one cell around the button. Without a parent it is drawn as a
// Visible parent would draw it: at the same screen cells, unclipped.
void drawBox(Button& button, Point& position, Point& location) {
    Region* parent = button.parent();
    Region screen;
    screen.overflow(Visible);
    const Point& place = parent != nullptr ? position : location;
    Point corner(detail::addCoordinates(place.row, -1), detail::addCoordinates(place.column, -1));
    (parent != nullptr ? parent : &screen)
        ->drawRectangle(&corner, button.width(), button.height(), button.borderColor(),
                        button.background(), button.border(), button.focus());
}

}  // namespace

Button::Button() {
    stamp(detail::Tag::Button, sizeof(Button));
    focusable = true;
    caption.clear();
    clickHandler = nullptr;
    attachHandler(Vesk::KeyEnter, trigger);
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
    if (handler == nullptr) {
        return false;
    }
    clickHandler = handler;
    return true;
}

std::string& Button::text() {
    return caption;
}

std::string& Button::text(std::string value) {
    caption = std::move(value);
    return caption;
}

int Button::trigger(int, void* control) {
    Button* button = static_cast<Button*>(static_cast<Control*>(control));
    Session::log("\tClick, text: \"" + button->caption + "\"", Session::Verbose);
    return button->click();
}

// Box, screen map, the caption centred on the first row (cut to a clipping
// parent's columns and to the screen), and the page's cursor on the caption
// when focused.
int Button::painter(int, void* control) {
    Button* button = static_cast<Button*>(static_cast<Control*>(control));
    std::unique_ptr<Point> location(button->location());
    std::unique_ptr<Point> position(button->position());
    const long long width = button->width();
    const long long height = button->height();
    const long long length = static_cast<long long>(button->caption.size());

    long long skip = 0;
    long long visible = width;
    Region* parent = button->parent();
    if (parent != nullptr && parent->overflow() == Hidden) {
        if (position->column < 0) {
            skip = -static_cast<long long>(position->column);
        }
        if (position->column + width > parent->width()) {
            visible = parent->width() - static_cast<long long>(position->column);
        }
    }

    drawBox(*button, *position, *location);

    Point from(*location);
    Point to(clampCoordinate(location->row + height - 1),
             clampCoordinate(location->column + width - 1));
    Session::fillMap(&from, &to, button);

    {
        detail::ColorScope colors(button->color(), button->background(), button->focus());
        // Only the cells that reach the screen are formatted and written.
        const long long first = std::max(skip, -static_cast<long long>(location->column));
        const long long last =
            std::min(visible, static_cast<long long>(getmaxx(stdscr)) - location->column);
        if (first < last) {
            long long dropped = 0;
            std::unique_ptr<std::string> line(
                captionLine(button->caption, width, first, last, dropped));
            const long long count =
                std::min(last, dropped + static_cast<long long>(line->size())) - first;
            if (count > 0) {
                detail::putText(location->row, location->column + first,
                                line->data() + (first - dropped), count);
            }
        }
    }

    if (button->focus()) {
        Control* root = button->root();
        if (root != nullptr && root->page() == root) {
            Point cell(location->row, clampCoordinate(location->column + width / 2 - length / 2));
            delete static_cast<Page*>(root)->cursor(cell);
        }
    }
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
