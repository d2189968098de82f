#include "forms/Page.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "controls/Checks.h"
#include "controls/Frame.h"
#include "controls/Lists.h"
#include "controls/Overlays.h"
#include "forms/Session.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"
#include "terminal/Screen.h"
#include "vesk/ConsoleTitle.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

Page::Page(void* window) : screen(window) {
    static constexpr Holding table{detail::Overlays::count, detail::Overlays::held, forgetEntries,
                                   enterEntry,        detail::Overlays::place, activeEntry};
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
    detail::Overlays::dropAll(*this);
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
    detail::eraseAll(page.overlays, control);
    if (page.pressed == control) {
        page.pressed = nullptr;
    }
}

// Keys go on to the topmost open dialog while there is one.
Control* Page::activeEntry(Control& holder) {
    Page& page = static_cast<Page&>(holder);
    return page.overlays.empty() ? page.activeControl() : page.overlays.back();
}

Control* Page::activeControl(Control* control) {
    auto entry = std::find(controls.begin(), controls.end(), control);
    if (entry == controls.end()) {
        throw new std::domain_error("Cannot activate control of another page!");
    }
    // Keys would not reach it: the focus stays where it is.
    if (!detail::Tree::usable(*control)) {
        return nullptr;
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

// Around the outermost routing only: a handler that raises events on the
// page again is part of the same event.
int Page::raiseEvent(int event) {
    if (routing != 0 || parent() != nullptr) {
        return route(event);
    }
    detail::Checks::settle(*this);
    const int result = route(event);
    detail::Checks::settle(*this);
    return result;
}

int Page::validate() {
    return detail::Checks::validate(*this);
}

// Keys follow the chain of active controls down from this page: a holder
// on it that shows pages (a tab set) is offered a key before what it shows,
// so it keeps Page Down, Page Up and Tab; every other key reaches the end of
// the chain, at any depth.
int Page::route(int event) {
    // A key comes back to a page through the tab sets it passes, but never
    // deeper than tab sets can nest; deeper is a loop in the tree (a page
    // holding, through its control list, the set that shows it).
    if (routing >= MaxRouting) {
        return 0;
    }
    ++routing;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{routing};
    if (!overlays.empty()) {
        return detail::Overlays::raise(*this, event);
    }
    if (Vesk::IsMouse(event)) {
        return routeMouse(event);
    }
    const bool tab = event == Vesk::KeyTab || event == Vesk::KeyBackTab;
    if (tab && intoPages && parent() == nullptr) {
        Control* target = detail::Tree::keysTarget(*this);
        if (target != this && !detail::Tree::showsPages(*target) &&
            !detail::tagged(*target, detail::Tag::Page) && target->handles(event) &&
            detail::Tree::usable(*target) && target->Control::raiseEvent(event) != 0) {
            return 1;
        }
        detail::Tree::tabThrough(*this, event == Vesk::KeyTab);
        return 0;
    }
    std::vector<Control*> chain;
    detail::Tree::keysChain(*this, chain);
    Control* current = nullptr;
    bool takes = false;
    for (std::size_t i = 1; i < chain.size(); ++i) {
        if (detail::tagged(*chain[i], detail::Tag::Page)) {
            continue;
        }
        current = chain[i];
        takes = current->handles(event) && detail::Tree::usable(*current);
        if (takes) {
            break;
        }
    }
    // A disabled control's handlers do not run: the key goes on as unhandled.
    if (takes) {
        const int result = current->Control::raiseEvent(event);
        if (result != 0) {
            return tab ? 1 : result;
        }
    }
    if (current != nullptr && !tab) {
        return bubble(*current, event);
    }
    if (event == Vesk::KeyTab) {
        navigateForward();
    } else if (event == Vesk::KeyBackTab) {
        navigateBackward();
    }
    return 0;
}

// A key the control at the end of the chain leaves unhandled goes up to the
// holders around it, up to its page: a scrolling box takes Page Down when
// the focused field does not use it.
int Page::bubble(Control& from, int event) {
    for (Region* up = from.parent(); up != nullptr && marked(*up) &&
                                     !detail::tagged(*up, detail::Tag::Page);
         up = up->parent()) {
        Control* holder = static_cast<Control*>(up);
        if (holder->handles(event) && detail::Tree::usable(*holder)) {
            const int result = holder->Control::raiseEvent(event);
            if (result != 0) {
                return result;
            }
        }
    }
    return 0;
}

// Whether `target` is shown inside this page: its page is this one, or one
// that holders showing pages show, all the way up to this one. Only for
// cells the map cannot tell (a host's fill, or this page inside another).
bool Page::showsInside(Control* target) {
    Region* home = target->page();
    while (home != nullptr && home != this) {
        Region* up = home->parent();
        home = up != nullptr && marked(*up) &&
                       detail::Tree::showsPages(*static_cast<Control*>(up))
                   ? up->parent()
                   : nullptr;
        while (home != nullptr && !detail::tagged(*home, detail::Tag::Page)) {
            home = home->parent();
        }
    }
    return home != nullptr;
}

// One lookup in the screen map finds the control under the pointer, the
// top of the tree it was painted in and its own top-left cell. While the
// mouse is off a report that arrives anyway (the terminal was asked by
// someone else) is not the user's click on this form: ignored.
int Page::routeMouse(int event) {
    if (!Session::mouse()) {
        return 0;
    }
    detail::ScreenMap* map = detail::SessionInternals::map();
    const detail::MapEntry* entry =
        map == nullptr ? nullptr : map->at(Vesk::MouseRow(event), Vesk::MouseColumn(event));
    Control* target = entry == nullptr ? nullptr : entry->control;
    const bool left = Vesk::MouseButtonOf(event) == Vesk::MouseButton::Left;
    const bool press = Vesk::MousePressed(event);
    // The wheel also reaches what cannot take the focus (a scrolling box),
    // and goes on to the holders around what leaves it unused.
    const bool wheel = Vesk::MouseButtonOf(event) == Vesk::MouseButton::WheelUp ||
                       Vesk::MouseButtonOf(event) == Vesk::MouseButton::WheelDown;
    Control* before = pressed;
    if (left) {
        pressed = nullptr;
    }
    if (target == nullptr || (!target->canFocus() && !wheel)) {
        return 0;
    }
    if (!detail::Tree::usable(*target)) {
        // A disabled control takes no click; the wheel goes on around it.
        return wheel && bubble(*target, event) != 0 ? 1 : 0;
    }
    detail::Tree::aim(*target, event, Vesk::MouseRow(event) - static_cast<long long>(entry->row),
                      Vesk::MouseColumn(event) - static_cast<long long>(entry->column));
    if (left && !press) {
        // Only to the control the left press went to, which was found here.
        return before == target && target->Control::raiseEvent(event) != 0 ? 1 : 0;
    }
    const bool ours = entry->top == this ||
                      ((entry->top == nullptr || parent() != nullptr) && showsInside(target));
    if (!ours) {
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
    if (wheel && result == 0) {
        result = bubble(*target, event) != 0 ? 1 : 0;
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
        for (reached = 0; reached <= last && !detail::Tree::takesFocus(*controls[reached]);
             ++reached) {
        }
        if (reached > last) {
            return;
        }
    } else {
        if (active == last) {
            return;
        }
        controls[active]->focus(false);
        for (reached = active + 1; reached <= last && !detail::Tree::takesFocus(*controls[reached]);
             ++reached) {
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
        for (reached = controlCount() - 1;
             reached >= 0 && !detail::Tree::takesFocus(*controls[reached]); --reached) {
        }
        if (reached < 0) {
            return;
        }
    } else {
        controls[active]->focus(false);
        while (reached > 0) {
            --reached;
            if (detail::Tree::takesFocus(*controls[reached])) {
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

// The page draws nothing of its own: the paint walk paints its children
// after it. A page left at the screen's size follows the screen when it
// changes.
int Page::painter(int, void* control) {
    Page* page = static_cast<Page*>(static_cast<Control*>(control));
    if (page->screen == nullptr && detail::Screen::active() && page->parent() == nullptr &&
        page->width() == page->screenColumns && page->height() == page->screenLines) {
        page->screenColumns = page->width(detail::Screen::columns());
        page->screenLines = page->height(detail::Screen::lines());
    }
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
