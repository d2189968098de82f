#include <cstddef>

#include "controls/Frame.h"
#include "forms/Page.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Parent links are walked at most this far: a deeper chain is a loop.
constexpr int MostLinks = 4096;

bool inside(Region* control, const Control& holder) {
    int links = 0;
    for (Region* up = control; up != nullptr && links < MostLinks; up = up->parent(), ++links) {
        if (up == &holder) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Tree::usable(Control& control, bool shownOnly) {
    int links = 0;
    for (Region* up = &control; up != nullptr && links < MostLinks; up = up->parent(), ++links) {
        if (!Region::marked(*up)) {
            continue;
        }
        const Control& link = *static_cast<const Control*>(up);
        if (!link.visibleFlag || (!shownOnly && !link.enabledFlag)) {
            return false;
        }
    }
    return true;
}

// As when the active control is destroyed: the page keeps no active
// control, so no key reaches what cannot take one.
void Tree::dropFocus(Control& control) {
    int links = 0;
    for (Region* up = &control; up != nullptr && links < MostLinks; up = up->parent(), ++links) {
        if (!Region::marked(*up) || !tagged(*up, Tag::Page)) {
            continue;
        }
        Page& page = *static_cast<Page*>(up);
        Control* active = page.activeControl();
        if (active != nullptr && inside(active, control)) {
            active->focus(false);
            page.active = -1;
        }
    }
}

// Each holder whose lists name the control hears of it (a tab set may
// have to show another page). Walked by index: a handler changes no list.
void Tree::availabilityChanged(Control& control) {
    for (std::size_t i = 0; i < control.holders.size(); ++i) {
        const Control::Holding* table = control.holders[i]->holding;
        if (table != nullptr && table->availability != nullptr) {
            table->availability(*control.holders[i], control);
        }
    }
}

}  // namespace detail

bool Control::enabled() {
    return enabledFlag;
}

bool Control::enabled(bool value) {
    enabledFlag = value;
    if (!value) {
        detail::Tree::dropFocus(*this);
    }
    detail::Tree::availabilityChanged(*this);
    return value;
}

bool Control::visible() {
    return visibleFlag;
}

bool Control::visible(bool value) {
    // Shown or hidden, it takes its cells in its holder or gives them up:
    // layouts and scrolling boxes measure again.
    if (visibleFlag != value) {
        visibleFlag = value;
        layoutChanged();
    }
    if (!value) {
        detail::Tree::dropFocus(*this);
    }
    detail::Tree::availabilityChanged(*this);
    return value;
}

}  // namespace Forms
}  // namespace Vesk
