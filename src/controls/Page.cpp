#include "forms/Page.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "controls/Lists.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
#include "geometry/Tags.h"
#include "terminal/Screen.h"
#include "vesk/ConsoleTitle.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

Page::Page(void* window) : screen(window) {
    static constexpr Holding table{heldCount, heldAt, forgetEntries, enterEntry};
    stamp(detail::Tag::Page, sizeof(Page));
    holding = &table;
    parent(nullptr);
    focused = true;
    focusable = false;
    if (window == nullptr) {
        // Without a session there is no standard screen to measure.
        if (detail::Screen::active()) {
            screenColumns = width(detail::Screen::columns());
            screenLines = height(detail::Screen::lines());
        }
        caption = Vesk::Console::GetTitle();
    }
    attachHandler(Vesk::UpdateView, painter);
}

Page::~Page() {
    for (Control* member : controls) {
        releaseAll(*this, *member);
    }
    controls.clear();
    active = -1;
}

// A second entry goes in front of the first; the active entry moves with it.
void Page::enterEntry(Control& holder, Control& control) {
    Page& page = static_cast<Page&>(holder);
    auto first = std::find(page.controls.begin(), page.controls.end(), &control);
    const int index = static_cast<int>(first - page.controls.begin());
    page.controls.insert(first, &control);
    if (page.active >= index) {
        ++page.active;
    }
    hold(page, control);
}

void Page::forgetEntries(Control& holder, Control* control) {
    forgetChild(holder, control);
    Page& page = static_cast<Page&>(holder);
    detail::eraseAll(page.controls, control, page.active);
    if (page.pressed == control) {
        page.pressed = nullptr;
    }
}

Control* Page::activeControl(Control* control) {
    auto entry = std::find(controls.begin(), controls.end(), control);
    if (entry == controls.end()) {
        throw new std::domain_error("Cannot activate control of another page!");
    }
    active = static_cast<int>(entry - controls.begin());
    control->focus(true);
    return control;
}

Control* Page::activeControl() {
    return active < 0 ? nullptr : controls[active];
}

Point* Page::cursor(Point& point) {
    cursorCell.row = point.row;
    cursorCell.column = point.column;
    return new Point(cursorCell);
}

Point* Page::cursor() {
    return new Point(cursorCell);
}

std::string& Page::title(std::string title) {
    caption = std::move(title);
    // A page on the whole screen (null window) keeps its title to itself.
    if (screen != nullptr && screen == detail::Screen::window()) {
        Vesk::Console::SetTitle(caption);
    }
    return caption;
}

std::string& Page::title() {
    return caption;
}

void* Page::window() {
    return screen;
}

bool Page::tabIntoPages() {
    return intoPages;
}

bool Page::tabIntoPages(bool value) {
    return intoPages = value;
}

int Page::controlCount() {
    return static_cast<int>(controls.size());
}

Control* Page::control(int index) {
    if (index < 0 || index >= controlCount()) {
        return nullptr;
    }
    return controls[index];
}

int Page::raiseEvent(int event) {
    if (Vesk::IsMouse(event)) {
        return routeMouse(event);
    }
    Control* current = activeControl();
    if (current != nullptr && current->handles(event)) {
        if (event != Vesk::KeyTab && event != Vesk::KeyBackTab) {
            return current->Control::raiseEvent(event);
        }
        if (current->Control::raiseEvent(event) != 0) {
            return 1;
        }
    } else if (current != nullptr && Tabs::is(*current)) {
        // Keys the tab set leaves alone belong to the page it shows.
        Page* shown = static_cast<Tabs*>(current)->activeTab();
        Control* target = shown == nullptr ? nullptr : shown->activeControl();
        return target == nullptr ? 0 : target->Control::raiseEvent(event);
    }
    if (event == Vesk::KeyTab) {
        navigateForward();
    } else if (event == Vesk::KeyBackTab) {
        navigateBackward();
    }
    return 0;
}

// The control under the pointer belongs here when its page is this one or
// is shown, through tab sets, inside this one. While the mouse is off a
// report that arrives anyway (the terminal was asked by someone else) is
// not the user's click on this form: ignored.
int Page::routeMouse(int event) {
    if (!Session::mouse()) {
        return 0;
    }
    Point cell(Vesk::MouseRow(event), Vesk::MouseColumn(event));
    Control* target = Session::at(&cell);
    const bool left = Vesk::MouseButtonOf(event) == Vesk::MouseButton::Left;
    const bool press = Vesk::MousePressed(event);
    Control* before = pressed;
    if (left) {
        pressed = nullptr;
    }
    if (target == nullptr || !target->canFocus()) {
        return 0;
    }
    if (left && !press) {
        // Only to the control the left press went to, which was found here.
        return before == target && target->Control::raiseEvent(event) != 0 ? 1 : 0;
    }
    Region* home = target->page();
    while (home != nullptr && home != this) {
        Region* up = home->parent();
        home = up != nullptr && detail::tagged(*up, detail::Tag::Tabs) ? up->parent() : nullptr;
        while (home != nullptr && !detail::tagged(*home, detail::Tag::Page)) {
            home = home->parent();
        }
    }
    if (home == nullptr) {
        return 0;
    }
    int result = 0;
    if (left && press) {
        if (!target->takeFocus()) {
            return 0;
        }
        pressed = target;
        result = 1;
    }
    if (target->handles(event)) {
        result = target->Control::raiseEvent(event) != 0 ? 1 : result;
    }
    return result;
}

void Page::navigateForward() {
    std::unique_ptr<std::string> line(
        Vesk::String::Format("Forward navigation request in page 0x%p", static_cast<void*>(this)));
    Session::log(*line, Session::Verbose);

    const int last = controlCount() - 1;
    int reached = active;
    if (active < 0) {
        // Nothing is active yet: the first control that can take the focus.
        for (reached = 0; reached <= last && !controls[reached]->canFocus(); ++reached) {
        }
        if (reached > last) {
            return;
        }
    } else {
        if (active == last) {
            return;
        }
        controls[active]->focus(false);
        for (reached = active + 1; reached <= last && !controls[reached]->canFocus(); ++reached) {
        }
        if (reached > last) {
            reached = active;
        }
    }
    controls[reached]->focus(true);
    active = reached;
}

void Page::navigateBackward() {
    std::unique_ptr<std::string> line(
        Vesk::String::Format("Backward navigation request in page 0x%p", static_cast<void*>(this)));
    Session::log(*line, Session::Verbose);

    int reached = active;
    if (active < 0) {
        // Nothing is active yet: the last control that can take the focus.
        for (reached = controlCount() - 1; reached >= 0 && !controls[reached]->canFocus();
             --reached) {
        }
        if (reached < 0) {
            return;
        }
    } else {
        controls[active]->focus(false);
        while (reached > 0) {
            --reached;
            if (controls[reached]->canFocus()) {
                break;
            }
            if (reached == 0) {
                reached = active;
                break;
            }
        }
    }
    controls[reached]->focus(true);
    active = reached;
}

// A page shown inside another page's paint leaves the cursor and the
// refresh to the outermost one (PaintScope), so each paint updates the
// terminal once and the cursor does not jump.
int Page::painter(int, void* control) {
    Page* page = static_cast<Page*>(static_cast<Control*>(control));
    detail::PaintScope paint;
    // A page left at the screen's size follows the screen when it changes.
    if (page->screen == nullptr && detail::Screen::active() && page->parent() == nullptr &&
        page->width() == page->screenColumns && page->height() == page->screenLines) {
        page->screenColumns = page->width(detail::Screen::columns());
        page->screenLines = page->height(detail::Screen::lines());
    }
    for (std::size_t i = 0; i < page->children.size(); ++i) {
        page->children[i]->paint();
    }
    paint.finish(page->cursorCell.row, page->cursorCell.column);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
