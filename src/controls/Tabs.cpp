#include "forms/Tabs.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "controls/Frame.h"
#include "controls/Lists.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

namespace {

Tabs* self(void* control) {
    return static_cast<Tabs*>(static_cast<Control*>(control));
}

// A page the set may show and switch to: its own settings, since those of
// the set and of what is around it are the same for every page.
bool usable(Page& page) {
    return page.enabled() && page.visible();
}

// Pages share the area below the header: blank what an earlier page left
// there, every cell of the set below its header that shows.
void clearBelowHeader(Tabs& set, const detail::Frame& frame) {
    const detail::Area below = frame.area(1, 0, set.height() - 1LL, set.width());
    if (below.empty()) {
        return;
    }
    detail::ColorScope colors(set.color(), set.background(), false);
    for (long long i = below.rows.first; i < below.rows.last; ++i) {
        detail::Screen::repeat(below.row + i, below.column + below.columns.first,
                               below.columns.last - below.columns.first, detail::Cell::Blank);
    }
}

// The cells of a run from `start` (a screen column) that the frame shows on
// screen row `row`, counted from `start`.
detail::Span shownFrom(const detail::Frame& frame, long long row, long long start) {
    if (row < frame.clip.top || row >= frame.clip.bottom) {
        return {0, 0};
    }
    return {frame.clip.left - start, frame.clip.right - start};
}

// The blanks after the titles: printf's "%*s" of (set width - column) and
// "", that many blanks, or as many as the magnitude of a negative count,
// drawn in character wrap from the header's `column` on. Only the cells
// that show are visited.
void fillHeader(Tabs& set, const detail::Frame& frame, long long column) {
    const long long width = set.width();
    const long long rest = width - column;
    const long long blanks = rest < 0 ? -rest : rest;
    const detail::Area filler = frame.area(0, column, (blanks + width - 1) / width, width);
    detail::ColorScope colors(Black, BrightBlack, false);
    for (long long i = filler.rows.first; i < filler.rows.last; ++i) {
        const long long last = std::min(filler.columns.last, blanks - i * width);
        if (filler.columns.first < last) {
            detail::Screen::repeat(filler.row + i, filler.column + filler.columns.first,
                                   last - filler.columns.first, detail::Cell::Blank);
        }
    }
}

// One title in character wrap: rows of the set's width from its start
// column, each cut to what the frame shows. A disabled page's title is
// dimmed as a disabled control is; dimmed text on the header's bright black
// would turn black (see DimScope), so it stands on black.
void drawTitle(Tabs& set, const detail::Frame& frame, long long column, const std::string& label,
               bool shown, bool disabled) {
    detail::DimScope dim(disabled);
    detail::ColorScope colors(Black, shown ? BrightWhite : disabled ? Black : BrightBlack, false);
    detail::TextWalk walk(label, detail::Screen::unicode());
    const long long start = frame.column + column;
    for (long long row = frame.row; !walk.done() && row < frame.clip.bottom; ++row) {
        detail::putRow(walk, row, start, set.width(), shownFrom(frame, row, start), true);
    }
}

}  // namespace

Tabs::Tabs() {
    static constexpr Holding table{heldCount,  heldAt,  forgetPage, nullptr,    placePage,
                                   shownEntry, nullptr, nullptr,    pageChanged};
    stamp(detail::Tag::Tabs, sizeof(Tabs));
    static constexpr Sizing sizes{measure, arrange};
    sizing = &sizes;
    holding = &table;
    focused = false;
    focusable = true;
    detachHandler(Vesk::KeyLeft);
    detachHandler(Vesk::KeyRight);
    detachHandler(Vesk::KeyUp);
    detachHandler(Vesk::KeyDown);
    attachHandler(Vesk::UpdateView, painter);
    attachHandler(Vesk::KeyTab, forward);
    attachHandler(Vesk::KeyBackTab, forward);
    attachHandler(Vesk::KeyNextPage, nextPage);
    attachHandler(Vesk::KeyPreviousPage, previousPage);
    attachHandler(Vesk::AnyMouse, pointer);
}

// The pages keep their parent links: the region part makes them roots.
Tabs::~Tabs() {
    for (Page* page : pages) {
        release(*this, *page);
    }
    pages.clear();
    active = -1;
}

bool Tabs::attachTab(Page* page) {
    if (page == nullptr) {
        return false;
    }
    if (closesLoop(this, page)) {
        return false;
    }
    pages.push_back(page);
    hold(*this, *page);
    Control* top = root();
    if (top != nullptr && top->page() == top) {
        enter(*top, *page);
    }
    page->parent(this);
    page->position(1, 0);
    page->width(width());
    // One row goes to the header; the lowest height stays the lowest.
    page->height(static_cast<int>(std::max<long long>(INT_MIN, height() - 1LL)));
    active = 0;
    settle();
    return true;
}

bool Tabs::detachTab(Page* page) {
    const int index = detail::eraseFirst(pages, page);
    if (index < 0) {
        return false;
    }
    release(*this, *page);
    layoutChanged();
    if (index == active) {
        active = pages.empty() ? -1 : 0;
        settle();
    } else if (index < active) {
        --active;
    }
    return true;
}

// Called while the page is being destroyed: only its address is used.
void Tabs::forgetPage(Control& holder, Control* page) {
    Tabs& set = static_cast<Tabs&>(holder);
    if (detail::eraseAll(set.pages, page, set.active) && !set.pages.empty()) {
        set.active = 0;  // the shown page went: show the first remaining one
        set.settle();
    }
}

void Tabs::pageChanged(Control& holder, Control&) {
    static_cast<Tabs&>(holder).settle();
}

// The shown page that can no longer be used gives way to the next one that
// can, or else the nearest before it. With none, it stays shown: hidden, it
// paints nothing; disabled, it is dimmed; keys reach neither.
void Tabs::settle() {
    if (active < 0 || usable(*pages[active])) {
        return;
    }
    for (int i = active + 1; i < count(); ++i) {
        if (usable(*pages[i])) {
            active = i;
            return;
        }
    }
    for (int i = active - 1; i >= 0; --i) {
        if (usable(*pages[i])) {
            active = i;
            return;
        }
    }
}

// Round the set from the shown page, `step` at a time, to the first usable
// page; the shown one itself when no other is. False when none is usable.
bool Tabs::turn(int step) {
    const int total = count();
    for (int k = 1; k <= total; ++k) {
        const int index = ((active + step * k) % total + total) % total;
        if (usable(*pages[index])) {
            active = index;
            return true;
        }
    }
    return false;
}

int Tabs::heldCount(Control& holder) {
    return static_cast<Tabs&>(holder).count();
}

Control* Tabs::heldAt(Control& holder, int index) {
    return static_cast<Tabs&>(holder).tab(index);
}

Page* Tabs::activeTab(Page* page) {
    auto entry = std::find(pages.begin(), pages.end(), page);
    if (entry == pages.end()) {
        throw new std::domain_error("Cannot activate page of another set!");
    }
    if (!usable(*page)) {
        return nullptr;
    }
    active = static_cast<int>(entry - pages.begin());
    page->Container::focus(true);
    return page;
}

Page* Tabs::activeTab() {
    return active < 0 ? nullptr : pages[active];
}

int Tabs::count() {
    return static_cast<int>(pages.size());
}

Page* Tabs::tab(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return pages[index];
}

bool Tabs::is(Control& control) {
    return detail::tagged(control, detail::Tag::Tabs);
}

// The shown page goes below the header row, at the set's width and its
// height less that row; the others are not painted.
void Tabs::placePage(Control& holder, Control& page, Placement& placement) {
    Tabs& set = static_cast<Tabs&>(holder);
    placement.row = 1;
    placement.column = 0;
    placement.shown = &page == set.activeTab();
}

Control* Tabs::shownEntry(Control& holder) {
    return static_cast<Tabs&>(holder).activeTab();
}

// The header line of titles, the shown one lit, blanks to the set's width;
// the paint walk paints the shown page below it. Character wrap needs a
// positive width. Titles are measured in cells; a NUL ends one.
int Tabs::painter(int, void* control) {
    Tabs* set = self(control);
    if (set->pages.empty() || set->width() <= 0) {
        return 0;
    }
    const detail::Frame frame = detail::Tree::frameOf(*set);
    Page* shown = set->activeTab();
    // What starts at or past the right edge of what shows never shows: a
    // title that wraps goes on below at the column where it starts.
    const long long edge = frame.clip.right - frame.column;
    const bool unicode = detail::Screen::unicode();
    // The header row goes to the set, so a click on a title finds it; the
    // arrow keys pass over it to the controls of the pages.
    detail::Tree::claim(*set, frame, 1, set->width(), true);
    long long column = 0;
    for (std::size_t i = 0; i < set->pages.size() && column < edge; ++i) {
        Page* page = set->pages[i];
        if (!page->visible()) {
            continue;  // no title: the next ones close up
        }
        const std::string& title = page->title();
        const std::size_t length = std::strlen(title.c_str());
        std::string label;
        label.reserve(length + 2);
        label.append(1, ' ').append(title, 0, length).append(1, ' ');
        drawTitle(*set, frame, column, label, page == shown, !page->enabled());
        column += detail::textCells(title.data(), length, unicode) + 2;
    }
    if (column < edge) {
        fillHeader(*set, frame, column);
    }
    clearBelowHeader(*set, frame);
    return 1;
}

// A left press on a title shows its page, unless it is disabled. Titles are
// measured as the header paints them: a blank, the title in cells, a blank,
// none for a hidden page.
int Tabs::pointer(int event, void* control) {
    Tabs* set = self(control);
    long long row = 0;
    long long cell = 0;
    detail::Tree::pointerCell(*set, event, row, cell);
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || !Vesk::MousePressed(event) ||
        row != 0) {
        return 0;
    }
    const bool unicode = detail::Screen::unicode();
    long long column = 0;
    for (Page* page : set->pages) {
        if (!page->visible()) {
            continue;
        }
        const std::string& title = page->title();
        column += detail::textCells(title.data(), std::strlen(title.c_str()), unicode) + 2;
        if (cell < column) {
            return set->activeTab(page) != nullptr ? 1 : 0;
        }
    }
    return 0;
}

int Tabs::forward(int event, void* control) {
    // A shown page that cannot be used (no page can) takes no key.
    Page* shown = self(control)->activeTab();
    if (shown == nullptr || !usable(*shown) || shown->controlCount() == 0) {
        return 0;
    }
    return shown->raiseEvent(event);
}

int Tabs::nextPage(int, void* control) {
    return self(control)->turn(1) ? 1 : 0;
}

int Tabs::previousPage(int, void* control) {
    return self(control)->turn(-1) ? 1 : 0;
}

}  // namespace Forms
}  // namespace Vesk
