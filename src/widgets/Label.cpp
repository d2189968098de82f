#include "forms/Label.h"

#include <memory>
#include <string>
#include <utility>

#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

Label::Label() {
    stamp(detail::Tag::Label, sizeof(Label));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
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
    // tail of the old one on the screen until everything is repainted:
    // shorter in bytes, or in the cells it shows.
    const bool unicode = detail::Screen::unicode();
    if (value.size() < content.size() ||
        detail::textCells(value, unicode) < detail::textCells(content, unicode)) {
        detail::Screen::clear();
    }
    content = std::move(value);
    contentChanged();
    return copy;
}

// Writes one row: the text cut to the label's width and to what its frame
// shows. A label without a parent is cut only to the screen.
int Label::painter(int, void* control) {
    Label* label = static_cast<Label*>(static_cast<Control*>(control));
    const detail::Area area = detail::Tree::frameOf(*label).area(0, 0, 1, label->width());

    detail::ColorScope colors(label->color(), label->background(), false);
    detail::putText(area.row, area.column, label->content.data(), label->content.size(),
                    detail::firstRow(area));
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
