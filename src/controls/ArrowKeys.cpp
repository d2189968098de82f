#include "controls/Frame.h"
#include "controls/Overlays.h"
#include "forms/Control.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {

namespace {

bool listed(Page& page, Control* control) {
    for (int i = 0; i < page.controlCount(); ++i) {
        if (page.control(i) == control) {
            return true;
        }
    }
    return false;
}

// When `page` is shown by a holder that shows pages (a tab set), keys reach
// it only while that holder is the active control of the page around it:
// make it so, all the way up, so that the keys follow the focus just moved.
void activateOuterHolders(Page* page) {
    for (int depth = 0; depth < 4096; ++depth) {
        Region* up = page->parent();
        if (up == nullptr || !detail::Tree::showsPages(*static_cast<Control*>(up))) {
            return;
        }
        Control* holder = static_cast<Control*>(up);
        Control* outer = holder->page();
        // Only a holder that shows this very page passes keys to it.
        if (detail::Tree::passesTo(*holder) != page || outer == nullptr ||
            !listed(*static_cast<Page*>(outer), holder)) {
            return;
        }
        page = static_cast<Page*>(outer);
        Control* previous = page->activeControl();
        if (previous != holder) {
            if (page->activeControl(holder) == nullptr) {
                return;  // refused only for a holder that cannot be used
            }
            if (previous != nullptr) {
                previous->focus(false);
            }
        }
    }
}

// Moves the focus to the nearest control in `direction` on the screen map.
// The map may name a control that is in no page, or one that its page does
// not list; such a neighbour cannot be made active, so the key stays
// unhandled and the focus where it was.
int moveFocus(void* subject, const char* direction) {
    Control* control = static_cast<Control*>(subject);
    Control* neighbour = Session::arrowNav(control, direction);
    // A scrolling box around the control shows only part of what it holds.
    if (Control* hidden = detail::Tree::scrolledNeighbour(*control, direction, neighbour)) {
        neighbour = hidden;
    }
    if (neighbour == nullptr) {
        return 0;
    }
    Control* home = neighbour->page();
    if (home == nullptr || !listed(*static_cast<Page*>(home), neighbour) ||
        detail::Overlays::covered(*neighbour)) {
        return 0;
    }
    control->focus(false);
    return neighbour->takeFocus() ? 1 : 0;
}

}  // namespace

bool Control::takeFocus() {
    Control* home = page();
    if (home == nullptr || !detail::Tree::takesFocus(*this) ||
        !listed(*static_cast<Page*>(home), this) || detail::Overlays::covered(*this)) {
        return false;
    }
    Page* page = static_cast<Page*>(home);
    Control* previous = page->activeControl();
    if (previous != nullptr && previous != this) {
        previous->focus(false);
    }
    page->activeControl(this);
    activateOuterHolders(page);
    return true;
}

int Control::arrowLeft(int, void* control) {
    return moveFocus(control, "left");
}

int Control::arrowRight(int, void* control) {
    return moveFocus(control, "right");
}

int Control::arrowUp(int, void* control) {
    return moveFocus(control, "up");
}

int Control::arrowDown(int, void* control) {
    return moveFocus(control, "down");
}

}  // namespace Forms
}  // namespace Vesk
