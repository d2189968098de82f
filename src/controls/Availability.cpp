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

}  // namespace detail

bool Control::enabled() {
    return enabledFlag;
}

bool Control::enabled(bool value) {
    enabledFlag = value;
    if (!value) {
        detail::Tree::dropFocus(*this);
    }
    return value;
}

bool Control::visible() {
    return visibleFlag;
}

bool Control::visible(bool value) {
    if (visibleFlag != value) {
        visibleFlag = value;
        layoutChanged();
    }
    if (!value) {
        detail::Tree::dropFocus(*this);
    }
    return value;
}

}  // namespace Forms
}  // namespace Vesk
