#include "controls/Overlays.h"

#include <algorithm>

#include "controls/Checks.h"
#include "controls/Frame.h"
#include "controls/Lists.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Whether `control` is `overlay` or placed anywhere inside it.
bool inside(Region* control, Control& overlay) {
    for (Region* up = control; up != nullptr; up = up->parent()) {
        if (up == &overlay) {
            return true;
        }
    }
    return false;
}

// Takes the cells of everything in the dialog's tree out of the screen map,
// so that a click before the next paint finds nothing of it.
void forgetCells(Control& top, int depth) {
    SessionInternals::forgetControl(&top);
    const auto* table = Tree::holdingOf(top);
    if (table == nullptr || depth > 256) {
        return;
    }
    for (int i = 0; i < table->count(top); ++i) {
        if (Control* held = table->held(top, i)) {
            forgetCells(*held, depth + 1);
        }
    }
}

}  // namespace

int Overlays::count(Control& holder) {
    Page& page = static_cast<Page&>(holder);
    return static_cast<int>(page.children.size() + page.overlays.size());
}

Control* Overlays::held(Control& holder, int index) {
    Page& page = static_cast<Page&>(holder);
    const int children = static_cast<int>(page.children.size());
    if (index < children) {
        return page.child(index);
    }
    const std::size_t overlay = static_cast<std::size_t>(index - children);
    return overlay < page.overlays.size() ? page.overlays[overlay] : nullptr;
}

// A dialog goes on its own layer, not cut to the page; unless the host
// positioned it, centred on the screen with its top row on it.
void Overlays::place(Control& holder, Control& child, Page::Placement& placement) {
    Page& page = static_cast<Page&>(holder);
    if (page.overlays.empty()) {
        return;
    }
    const auto at = std::find(page.overlays.begin(), page.overlays.end(), &child);
    if (at == page.overlays.end()) {
        return;
    }
    Page& dialog = **at;
    placement.layer = LayerStep * static_cast<int>(at - page.overlays.begin() + 1);
    placement.clip = false;
    placement.clipAll = false;
    if (dialog.centreOnScreen) {
        placement.row = std::max(0LL, (placement.screenHeight - 0LL - dialog.height()) / 2) -
                        placement.holderRow;
        placement.column = std::max(0LL, (placement.screenWidth - 0LL - dialog.width()) / 2) -
                           placement.holderColumn;
    }
}

bool Overlays::open(Page& owner, Page& dialog) {
    if (&owner == &dialog || owner.parent() != nullptr || !tagged(owner, Tag::Page) ||
        dialog.parent() != nullptr || owner.overlays.size() >= MostOpen ||
        Page::closesLoop(&owner, &dialog)) {
        return false;
    }
    owner.overlays.push_back(&dialog);
    Page::hold(owner, dialog);
    dialog.parent(&owner);
    if (dialog.activeControl() == nullptr) {
        dialog.navigateForward();
    }
    return true;
}

Page* Overlays::owner(Page& dialog) {
    Region* up = dialog.parent();
    if (up == nullptr || !Page::marked(*up) || !tagged(*up, Tag::Page)) {
        return nullptr;
    }
    Page* page = static_cast<Page*>(up);
    const bool listed =
        std::find(page->overlays.begin(), page->overlays.end(), &dialog) != page->overlays.end();
    return listed ? page : nullptr;
}

bool Overlays::close(Page& dialog) {
    Page* page = owner(dialog);
    if (page == nullptr) {
        return false;
    }
    Control* reached = SessionInternals::keysField();
    eraseAll(page->overlays, &dialog);
    // The field keys reached last in the dialog is left now: the closed
    // dialog is a root of its own, so no routing or paint would notice.
    if (reached != nullptr && inside(reached, dialog)) {
        Checks::settle(*page);
    }
    Page::release(*page, dialog);
    if (page->pressed != nullptr && inside(page->pressed, dialog)) {
        page->pressed = nullptr;
    }
    forgetCells(dialog, 0);
    dialog.parent(nullptr);
    return true;
}

void Overlays::dropAll(Page& owner) {
    for (Page* dialog : owner.overlays) {
        Page::releaseAll(owner, *dialog);
    }
    owner.overlays.clear();
}

bool Overlays::covered(Control& control) {
    Control* top = control.root();
    if (top == nullptr || !tagged(*top, Tag::Page)) {
        return false;
    }
    Page& page = static_cast<Page&>(*top);
    return !page.overlays.empty() && !inside(&control, *page.overlays.back());
}

// Keys go down the topmost dialog's chain of active controls as on a page;
// one they all leave goes to the dialog's own handler (Esc closes it). Tab
// and back-tab the focused control leaves follow the dialog's Tab order,
// as on a page, and wrap inside it. A click reaches only what lies inside
// the topmost dialog.
int Overlays::raise(Page& page, int event) {
    Page& dialog = *page.overlays.back();
    if (Vesk::IsMouse(event)) {
        ScreenMap* map = SessionInternals::map();
        const MapEntry* entry =
            map == nullptr ? nullptr : map->at(Vesk::MouseRow(event), Vesk::MouseColumn(event));
        if (entry == nullptr || !inside(entry->control, dialog)) {
            return 0;
        }
        return page.routeMouse(event);
    }
    if (event == Vesk::KeyTab || event == Vesk::KeyBackTab) {
        Control* target = Tree::keysTarget(dialog);
        if (target != &dialog && !Tree::showsPages(*target) && !tagged(*target, Tag::Page) &&
            target->handles(event) && Tree::usable(*target) &&
            target->Control::raiseEvent(event) != 0) {
            return 1;
        }
        // The control may have closed the dialog.
        if (owner(dialog) == &page) {
            Tree::tabThrough(dialog, event == Vesk::KeyTab, true);
        }
        return 0;
    }
    const int result = dialog.Page::raiseEvent(event);
    if (result != 0 || owner(dialog) != &page || !dialog.handles(event)) {
        return result;
    }
    return dialog.Control::raiseEvent(event);
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
