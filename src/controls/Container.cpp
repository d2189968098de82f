#include "forms/Container.h"

#include "controls/Lists.h"
#include "geometry/Tags.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

Container::Container() {
    static constexpr Holding table{heldCount, heldAt, forgetChild, nullptr};
    stamp(detail::Tag::Container, sizeof(Container));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    holding = &table;
    focusable = false;
    detachHandler(Vesk::KeyLeft);
    detachHandler(Vesk::KeyRight);
    detachHandler(Vesk::KeyUp);
    detachHandler(Vesk::KeyDown);
    attachHandler(Vesk::UpdateView, painter);
}

Container::~Container() {
    for (Control* child : children) {
        releaseAll(*this, *child);
    }
    children.clear();
}

bool Container::attachChild(Control* child) {
    if (child == nullptr) {
        return false;
    }
    if (closesLoop(this, child)) {
        return false;
    }
    children.push_back(child);
    hold(*this, *child);
    if (Control* home = page()) {
        enter(*home, *child);
    }
    child->parent(this);
    layoutChanged();  // also when it comes back after a detachChild
    return true;
}

bool Container::detachChild(Control* child) {
    if (detail::eraseFirst(children, child) < 0) {
        return false;
    }
    release(*this, *child);
    layoutChanged();
    return true;
}

// The list is read directly: every paint asks once a child.
int Container::heldCount(Control& holder) {
    return static_cast<int>(static_cast<Container&>(holder).children.size());
}

Control* Container::heldAt(Control& holder, int index) {
    const std::vector<Control*>& children = static_cast<Container&>(holder).children;
    return index < 0 || static_cast<std::size_t>(index) >= children.size()
               ? nullptr
               : children[static_cast<std::size_t>(index)];
}

void Container::forgetChild(Control& holder, Control* child) {
    detail::eraseAll(static_cast<Container&>(holder).children, child);
}

int Container::count() {
    return static_cast<int>(children.size());
}

Control* Container::child(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return children[static_cast<std::size_t>(index)];
}

bool Container::focus(bool value) {
    focused = value;
    return value;
}

bool Container::is(Control& control) {
    return detail::tagged(control, detail::Tag::Container);
}

// Handlers may attach or detach children (or destroy them) while the list is
// walked, so it is walked by index against its current length.
int Container::raiseEvent(int event) {
    if (handles(event)) {
        return Control::raiseEvent(event);
    }
    int result = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        Control* child = children[i];
        if (!child->focus()) {
            continue;
        }
        if (is(*child)) {
            child->Control::raiseEvent(event);
        } else {
            result = child->Control::raiseEvent(event);
        }
    }
    if (result != 0) {
        return result;
    }
    // A child's handler may have given this container a handler meanwhile.
    Handler late = handler(event);
    return late == nullptr ? 0 : late(event, static_cast<Control*>(this));
}

// A container draws nothing of its own: the paint walk paints its children
// after it, in attach order.
int Container::painter(int, void*) {
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
