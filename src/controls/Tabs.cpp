#include "forms/Tabs.h"

#include <curses.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "controls/Lists.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

namespace {

Tabs* self(void* control) {
    return static_cast<Tabs*>(static_cast<Control*>(control));
}

// Pages share the area below the header: blank what an earlier page left
// there and take it out of the screen map, so that neither its pictures nor
// its controls (for the arrow keys) outlive the switch. Bounded by the screen.
void clearBelowHeader(Tabs& set) {
    if (stdscr == nullptr) {
        return;
    }
    const long long columns = std::min<long long>(set.width(), getmaxx(stdscr));
    const long long rows = std::min<long long>(set.height() - 1LL, getmaxy(stdscr));
    if (columns >= 2 && rows >= 2) {
        Point below(1, 0);
        set.drawRectangle(&below, static_cast<int>(columns - 2), static_cast<int>(rows - 2),
                          set.color(), set.background(), NoBorder, false);
    } else if (columns >= 1 && rows >= 1) {
        // Too narrow or too low for a rectangle: a row or a column of blanks.
        const std::string blanks(static_cast<std::size_t>(columns), ' ');
        for (long long row = 1; row <= rows; ++row) {
            Point at(static_cast<std::int32_t>(row), 0);
            set.drawText(&at, blanks, NoWrap, set.color(), set.background(), false);
        }
    }
    if (columns >= 1 && rows >= 1) {
        std::unique_ptr<Point> origin(set.location());
        Point from(static_cast<std::int32_t>(std::min<long long>(INT_MAX, origin->row + 1LL)),
                   origin->column);
        Point to(
            static_cast<std::int32_t>(std::min<long long>(INT_MAX, from.row + rows - 1LL)),
            static_cast<std::int32_t>(std::min<long long>(INT_MAX, from.column + columns - 1LL)));
        Session::fillMap(&from, &to, nullptr);
    }
}

}  // namespace

Tabs::Tabs() {
    stamp("Vqrm1Tabs", sizeof(Tabs));
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
}

// The pages keep their parent links: the region part makes them roots.
Tabs::~Tabs() {
    for (Page* page : pages) {
        detail::eraseFirst(page->holders, this);
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
    page->holders.push_back(this);
    Control* top = root();
    if (top != nullptr && top->page() == top) {
        static_cast<Page*>(top)->enter(page);
    }
    page->parent(this);
    page->position(1, 0);
    page->width(width());
    // One row goes to the header; the lowest height stays the lowest.
    page->height(static_cast<int>(std::max<long long>(INT_MIN, height() - 1LL)));
    active = 0;
    return true;
}

bool Tabs::detachTab(Page* page) {
    const int index = detail::eraseFirst(pages, page);
    if (index < 0) {
        return false;
    }
    detail::eraseFirst(page->holders, this);
    if (index == active) {
        active = pages.empty() ? -1 : 0;
    } else if (index < active) {
        --active;
    }
    return true;
}

// Called while the page is being destroyed: only its address is used.
void Tabs::forgetPage(Control* page) {
    if (detail::eraseAll(pages, page, active) && !pages.empty()) {
        active = 0;  // the shown page went: show the first remaining one
    }
}

Page* Tabs::activeTab(Page* page) {
    auto entry = std::find(pages.begin(), pages.end(), page);
    if (entry == pages.end()) {
        throw new std::domain_error("Cannot activate page of another set!");
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
    return std::strncmp(control.tag, "Vqrm1Tabs", sizeof(control.tag)) == 0;
}

// The header line of titles, the shown one lit, blanks to the set's width,
// then the shown page below it. Character wrap needs a positive width.
int Tabs::painter(int, void* control) {
    Tabs* set = self(control);
    if (set->pages.empty() || set->width() <= 0) {
        return 0;
    }
    Page* shown = set->activeTab();
    long long column = 0;
    for (std::size_t i = 0; i < set->pages.size(); ++i) {
        Page* page = set->pages[i];
        const std::string& title = page->title();
        if (column <= INT_MAX) {
            Point at(0, static_cast<std::int32_t>(column));
            set->drawText(&at, " " + title + " ", CharacterWrap, Black,
                          page == shown ? BrightWhite : BrightBlack, false);
        }
        column += static_cast<long long>(title.size()) + 2;
    }
    // printf reads a negative field width as that many blanks, left-aligned.
    // Blanks past the screen's right edge never show, and a huge width must
    // not become a huge string.
    long long rest = std::max<long long>(INT_MIN + 1LL, set->width() - column);
    if (rest > 0) {
        std::unique_ptr<Point> origin(set->location());
        const long long reach = static_cast<long long>(getmaxx(stdscr)) - origin->column - column;
        rest = std::min(rest, std::max(0LL, reach));
    }
    std::unique_ptr<std::string> filler(Vesk::String::Format("%*s", static_cast<int>(rest), ""));
    if (column <= INT_MAX) {
        Point at(0, static_cast<std::int32_t>(column));
        set->drawText(&at, *filler, CharacterWrap, Black, BrightBlack, false);
    }
    clearBelowHeader(*set);
    shown->paint();
    return 1;
}

int Tabs::forward(int event, void* control) {
    Page* shown = self(control)->activeTab();
    if (shown == nullptr || shown->controlCount() == 0) {
        return 0;
    }
    return shown->raiseEvent(event);
}

int Tabs::nextPage(int, void* control) {
    Tabs* set = self(control);
    if (set->pages.empty()) {
        return 0;
    }
    set->active = (set->active + 1) % set->count();
    return 1;
}

int Tabs::previousPage(int, void* control) {
    Tabs* set = self(control);
    if (set->pages.empty()) {
        return 0;
    }
    set->active = (set->active == 0 ? set->count() : set->active) - 1;
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
