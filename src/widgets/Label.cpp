#include "forms/Label.h"

#include <curses.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "geometry/Output.h"
#include "geometry/Tags.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

Label::Label() {
    stamp(detail::Tag::Label, sizeof(Label));
    color(BrightBlack);
    background(Black);
    attachHandler(Vesk::UpdateView, painter);
}

Label::~Label() {
    content.clear();
}

std::string* Label::text() {
    return new std::string(content);
}

std::string* Label::text(std::string value) {
    std::string* copy = new std::string(value);
    // The painter writes only the text, so a shorter one would leave the
    // tail of the old one on the screen until everything is repainted.
    if (value.size() < content.size() && stdscr != nullptr) {
        clear();
    }
    content = std::move(value);
    return copy;
}

// Writes one row: the text cut to the label's width and, when the parent
// clips, to the parent's columns. A label without a parent is not clipped.
int Label::painter(int, void* control) {
    Label* label = static_cast<Label*>(static_cast<Control*>(control));
    std::unique_ptr<Point> location(label->location());
    std::unique_ptr<Point> position(label->position());
    const std::string& text = label->content;

    long long skip = 0;
    long long count = label->width();
    Region* parent = label->parent();
    if (parent != nullptr && parent->overflow() == Hidden) {
        if (position->column < 0) {
            skip = -static_cast<long long>(position->column);
        }
        if (position->column + static_cast<long long>(label->width()) > parent->width()) {
            count = parent->width() - static_cast<long long>(position->column);
        }
    }

    detail::ColorScope colors(label->color(), label->background(), false);
    long long length = static_cast<long long>(text.size());
    long long shown = std::min(count - skip, length - skip);
    if (shown > 0) {
        detail::putText(location->row, location->column + skip, text.data() + skip, shown);
    }
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
