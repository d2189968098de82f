#include "forms/ScrollBox.h"

#include <algorithm>
#include <climits>

#include "controls/Frame.h"
#include "controls/Lists.h"
#include "geometry/ScrollBar.h"
#include "geometry/Tags.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

namespace {

ScrollBox* self(void* control) {
    return static_cast<ScrollBox*>(static_cast<Control*>(control));
}

// The least change of `first` (the first cell shown of `view`) that shows
// [top, bottom); a run longer than the view shows from its start.
long long bringInto(long long first, long long top, long long bottom, long long view) {
    if (view <= 0) {
        return first;
    }
    if (bottom - top > view || top < first) {
        return top;
    }
    if (bottom > first + view) {
        return bottom - view;
    }
    return first;
}

// The direct child of `box` on the way up from `control`, or null when
// `control` is not below the box.
Control* childOnPath(Control& box, Control* control) {
    Control* below = nullptr;
    for (Region* link = control; link != nullptr; link = link->parent()) {
        if (link == &box) {
            return below;
        }
        below = static_cast<Control*>(link);
    }
    return nullptr;
}

}  // namespace

ScrollBox::ScrollBox() {
    static constexpr Holding table{heldCount, heldAt,  forgetHeld, nullptr,
                                   placeHeld, nullptr, heldInView, revealHeld};
    stamp(detail::Tag::ScrollBox, sizeof(ScrollBox));
    static constexpr Sizing sizes{measure, arrange};
    sizing = &sizes;
    holding = &table;
    attachHandler(Vesk::UpdateView, painter);
    attachHandler(Vesk::AnyMouse, pointer);
    attachHandler(Vesk::KeyNextPage, pageDown);
    attachHandler(Vesk::KeyPreviousPage, pageUp);
    hold(*this, bar);
    bar.parent(this);
    bar.attachHandler(Vesk::UpdateView, barPainter);
}

// The bar goes before the members do, so that its destructor finds no holder.
ScrollBox::~ScrollBox() {
    releaseAll(*this, bar);
    inView.clear();
}

bool ScrollBox::is(Control& control) {
    return detail::tagged(control, detail::Tag::ScrollBox);
}

// Compared with what was measured in one pass over the pointers, so that a
// paint of a box of a thousand fields reads none of them.
void ScrollBox::measure() {
    const unsigned count = detail::Tree::layoutCount(*this);
    if (measuredOnce && count == measuredCount && measured == children) {
        return;
    }
    measuredOnce = true;
    measuredCount = count;
    measured = children;
    byTop.clear();
    unbounded.clear();
    arranging.clear();
    long long bottom = 0;
    long long right = 0;
    tallest = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        Control* child = children[i];
        const int index = static_cast<int>(i);
        // A hidden child takes no part of the content (a disabled one shows).
        if (!child->visible()) {
            continue;
        }
        if (child->overflow() == Visible) {
            unbounded.push_back(index);
        }
        if (detail::Tree::arranges(*child)) {
            arranging.push_back(child);
        }
        const detail::Rect cells = detail::Tree::footprint(*child);
        if (cells.empty()) {
            continue;
        }
        bottom = std::max(bottom, cells.bottom);
        right = std::max(right, cells.right);
        tallest = std::max(tallest, cells.bottom - cells.top);
        byTop.push_back({cells.top, cells.left, cells.bottom, cells.right, index});
    }
    std::sort(byTop.begin(), byTop.end(),
              [](const Placed& a, const Placed& b) { return a.top < b.top; });
    rows = bottom;
    columns = right;
}

// The footprints that start no higher than the tallest one above the view
// and above its bottom, found by a binary search, then put in attach order.
void ScrollBox::collectInView(Control* path) {
    const long long viewTop = firstRow;
    const long long viewBottom = firstRow + viewRows();
    const long long viewLeft = firstColumn;
    const long long viewRight = firstColumn + std::max(0, width());
    std::vector<int> shown(unbounded);
    auto from =
        std::lower_bound(byTop.begin(), byTop.end(), viewTop - tallest,
                         [](const Placed& placed, long long top) { return placed.top < top; });
    for (auto entry = from; entry != byTop.end() && entry->top < viewBottom; ++entry) {
        if (entry->bottom > viewTop && entry->left < viewRight && entry->right > viewLeft &&
            children[static_cast<std::size_t>(entry->index)]->overflow() != Visible) {
            shown.push_back(entry->index);
        }
    }
    std::sort(shown.begin(), shown.end());
    inView.clear();
    bool pathShown = path == nullptr;
    for (int index : shown) {
        Control* child = children[static_cast<std::size_t>(index)];
        pathShown = pathShown || child == path;
        inView.push_back(child);
    }
    if (!pathShown) {
        inView.push_back(path);
    }
}

long long ScrollBox::viewRows() {
    return std::max(0, height());
}

// The bar takes the last column while the content is taller than the box;
// a box one column wide keeps it for the content.
long long ScrollBox::viewColumns() {
    const long long all = std::max(0, width());
    return rows > viewRows() && viewRows() > 0 && all > 1 ? all - 1 : all;
}

bool ScrollBox::clampScroll() {
    const long long row = std::clamp(firstRow, 0LL, std::max(0LL, rows - viewRows()));
    const long long column = std::clamp(firstColumn, 0LL, std::max(0LL, columns - viewColumns()));
    const bool moved = row != firstRow || column != firstColumn;
    firstRow = row;
    firstColumn = column;
    return moved;
}

bool ScrollBox::scrollBy(long long by) {
    measure();
    const long long before = firstRow;
    firstRow += by;
    clampScroll();
    return firstRow != before;
}

int ScrollBox::contentHeight() {
    measure();
    return static_cast<int>(std::min<long long>(rows, INT_MAX));
}

int ScrollBox::contentWidth() {
    measure();
    return static_cast<int>(std::min<long long>(columns, INT_MAX));
}

int ScrollBox::scrollRow() {
    return static_cast<int>(std::min<long long>(firstRow, INT_MAX));
}

int ScrollBox::scrollRow(int row) {
    measure();
    firstRow = row;
    clampScroll();
    return scrollRow();
}

int ScrollBox::scrollColumn() {
    return static_cast<int>(std::min<long long>(firstColumn, INT_MAX));
}

int ScrollBox::scrollColumn(int column) {
    measure();
    firstColumn = column;
    clampScroll();
    return scrollColumn();
}

int ScrollBox::heldCount(Control& holder) {
    return static_cast<int>(static_cast<ScrollBox&>(holder).children.size()) + 1;
}

Control* ScrollBox::heldAt(Control& holder, int index) {
    ScrollBox& box = static_cast<ScrollBox&>(holder);
    const int count = static_cast<int>(box.children.size());
    if (index == count) {
        return &box.bar;
    }
    return box.child(index);
}

void ScrollBox::forgetHeld(Control& holder, Control* child) {
    ScrollBox& box = static_cast<ScrollBox&>(holder);
    forgetChild(holder, child);
    detail::eraseAll(box.inView, child);
    detail::eraseAll(box.arranging, child);
    if (box.onPath == child) {
        box.onPath = nullptr;
    }
}

// Children move up and left by the scroll and are cut to the box at every
// depth; one wholly out of view is not painted, but for the one on the way
// to the focus, whose painter keeps its caret known. The bar goes one layer
// up, over the last column.
void ScrollBox::placeHeld(Control& holder, Control& child, Placement& placement) {
    ScrollBox& box = static_cast<ScrollBox&>(holder);
    placement.clip = true;
    if (&child == &box.bar) {
        placement.row = 0;
        placement.column = std::max(0LL, box.width() - 1LL);
        placement.layer = 1;
        placement.shown = box.viewColumns() < std::max(0, box.width());
        return;
    }
    placement.row -= box.firstRow;
    placement.column -= box.firstColumn;
    placement.clipAll = true;
    const detail::Rect cells = detail::Tree::footprint(child);
    const detail::Rect view{box.firstRow, box.firstColumn, box.firstRow + box.viewRows(),
                            box.firstColumn + std::max(0, box.width())};
    placement.shown =
        !(cells & view).empty() || &child == box.onPath || child.overflow() == Visible;
}

const std::vector<Control*>* ScrollBox::heldInView(Control& holder) {
    return &static_cast<ScrollBox&>(holder).inView;
}

bool ScrollBox::revealHeld(Control& holder, Control& child, long long row, long long column,
                           long long height, long long width) {
    ScrollBox& box = static_cast<ScrollBox&>(holder);
    if (&child == &box.bar ||
        std::find(box.children.begin(), box.children.end(), &child) == box.children.end()) {
        return false;
    }
    box.measure();
    const long long before = box.firstRow;
    const long long beforeColumn = box.firstColumn;
    // Counted from the content's (0, 0): the child's position, unscrolled.
    Placement placement = detail::Tree::placement(holder, child, 0, 0);
    const long long top = placement.row + box.firstRow + row;
    const long long left = placement.column + box.firstColumn + column;
    box.firstRow = bringInto(box.firstRow, top, top + std::max(1LL, height), box.viewRows());
    box.firstColumn =
        bringInto(box.firstColumn, left, left + std::max(1LL, width), box.viewColumns());
    box.clampScroll();
    return box.firstRow != before || box.firstColumn != beforeColumn;
}

// Runs before the children are painted: measures the content, follows a
// new focus or a new size, claims the box for the wheel (the arrow keys
// pass over it) and lists the children in view.
int ScrollBox::painter(int, void* control) {
    ScrollBox* box = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*box);
    box->measure();
    box->clampScroll();

    Control* target = frame.top != nullptr ? detail::Tree::keysTarget(*frame.top) : nullptr;
    Control* path = target != nullptr ? childOnPath(*box, target) : nullptr;
    const bool resized = box->height() != box->paintedHeight || box->width() != box->paintedWidth;
    if (path != nullptr && (target != box->followed || resized)) {
        detail::Tree::revealWhole(*target);
    }
    box->followed = target;
    box->onPath = path;
    box->paintedHeight = box->height();
    box->paintedWidth = box->width();

    // Like a container, the box draws nothing of its own: what a child
    // scrolled away leaves behind, the page's paint blanks.
    const long long height = std::max(0, box->height());
    const long long width = std::max(0, box->width());
    detail::Tree::claim(*box, frame, height, width, true);

    box->collectInView(path);
    // Set only when changed: a change counts as the box's layout changing.
    if (box->bar.height() != height || box->bar.width() != 1) {
        box->bar.height(static_cast<int>(height));
        box->bar.width(1);
    }
    box->inView.push_back(&box->bar);
    return 1;
}

// A track down the last column and a thumb whose length is the share of
// the rows in view and whose place is the share scrolled past.
int ScrollBox::barPainter(int, void* control) {
    Control* bar = static_cast<Control*>(control);
    ScrollBox* box = self(static_cast<Control*>(bar->parent()));
    const detail::Frame frame = detail::Tree::frameOf(*bar);
    const long long view = box->viewRows();
    if (view <= 0) {
        return 1;
    }
    detail::Tree::claim(*bar, frame, view, 1, true);
    detail::putScrollBar(frame.area(0, 0, view, 1), 0, view, box->rows, box->firstRow, box->color(),
                         box->background());
    return 1;
}

// The wheel scrolls three rows; at either end the event goes on to the
// holders around the box.
int ScrollBox::pointer(int event, void* control) {
    const Vesk::MouseButton button = Vesk::MouseButtonOf(event);
    if (button != Vesk::MouseButton::WheelUp && button != Vesk::MouseButton::WheelDown) {
        return 0;
    }
    return self(control)->scrollBy(button == Vesk::MouseButton::WheelUp ? -detail::WheelRows
                                                                        : detail::WheelRows)
               ? 1
               : 0;
}

int ScrollBox::pageUp(int, void* control) {
    ScrollBox* box = self(control);
    return box->scrollBy(-std::max(1LL, box->viewRows())) ? 1 : 0;
}

int ScrollBox::pageDown(int, void* control) {
    ScrollBox* box = self(control);
    return box->scrollBy(std::max(1LL, box->viewRows())) ? 1 : 0;
}

}  // namespace Forms
}  // namespace Vesk
