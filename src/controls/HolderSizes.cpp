// The natural sizes of the holders that do not lay out (containers, scroll
// boxes, tab sets), and what they do before painting for those that do.
#include <algorithm>

#include "controls/Frame.h"
#include "controls/Layout.h"
#include "forms/Container.h"
#include "forms/Page.h"
#include "forms/ScrollBox.h"
#include "forms/Tabs.h"

namespace Vesk {
namespace Forms {

// Placed by hand, a container needs what reaches furthest right and down of
// what it shows.
Control::Measure Container::measure(Control& control) {
    Container& container = static_cast<Container&>(control);
    long long bottom = 0;
    long long right = 0;
    for (Control* child : container.children) {
        if (!child->visible()) {
            continue;
        }
        const detail::Rect cells = detail::Tree::footprint(*child);
        bottom = std::max(bottom, cells.bottom);
        right = std::max(right, cells.right);
    }
    return {detail::clampCells(right), detail::clampCells(bottom)};
}

// The size the host gave it; without one, the content's width and the bar's
// column, and at most ten rows of it: a scroll box is there to be smaller.
Control::Measure ScrollBox::measure(Control& control) {
    ScrollBox& box = static_cast<ScrollBox&>(control);
    const Measure given = box.given();
    if (given.width > 0 && given.height > 0) {
        return given;
    }
    constexpr int MostRows = 10;
    return {given.width > 0 ? given.width : detail::clampCells(box.contentWidth() + 1LL),
            given.height > 0 ? given.height : std::min(MostRows, box.contentHeight())};
}

// Only the children that place what they hold, listed when the box last
// measured its children: a box of a thousand fields visits none.
void ScrollBox::arrange(Control& control) {
    ScrollBox& box = static_cast<ScrollBox&>(control);
    box.measure();
    for (std::size_t i = 0; i < box.arranging.size(); ++i) {
        detail::Tree::arrange(*box.arranging[i]);
    }
}

// The widest and tallest page that is not hidden, and the header line.
Control::Measure Tabs::measure(Control& control) {
    Tabs& set = static_cast<Tabs&>(control);
    long long width = 0;
    long long height = 0;
    for (Page* page : set.pages) {
        if (detail::Tree::hidden(*page)) {
            continue;
        }
        width = std::max<long long>(width, page->naturalWidth());
        height = std::max<long long>(height, page->naturalHeight());
    }
    return {detail::clampCells(width), detail::clampCells(height + 1)};
}

// The pages follow the set's size, as attachTab gave it, when the set is
// laid out; a page the host sized itself keeps its size.
void Tabs::arrange(Control& control) {
    Tabs& set = static_cast<Tabs&>(control);
    if (!detail::Tree::laidOut(set)) {
        return;
    }
    const int height = std::max(0, set.height() - 1);
    for (Page* page : set.pages) {
        if (page->width() != set.width()) {
            page->width(set.width());
        }
        if (page->height() != height) {
            page->height(height);
        }
    }
}

}  // namespace Forms
}  // namespace Vesk
