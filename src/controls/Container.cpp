#include "forms/Container.h"

#include <algorithm>
#include <cstring>

#include "forms/Page.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

Container::Container() {
    stamp("Vqrm1Contnr", sizeof(Container));
    focusable = false;
    detachHandler(Vesk::KeyLeft);
    detachHandler(Vesk::KeyRight);
    detachHandler(Vesk::KeyUp);
    detachHandler(Vesk::KeyDown);
    attachHandler(Vesk::UpdateView, painter);
}

Container::~Container() {
    for (Control* child : children) {
        child->holders.erase(std::remove(child->holders.begin(), child->holders.end(), this),
                             child->holders.end());
    }
    children.clear();
}

bool Container::attachChild(Control* child) {
    if (child == nullptr) {
        return false;
    }
    // A child that is this container or one of its ancestors would close the
    // chain of parent links into a ring, which every walk up the tree
    // (page(), root(), location()) would follow forever.
    for (Region* link = this; link != nullptr; link = link->parent()) {
        if (link == child) {
            return false;
        }
    }
    // Nor may a child hold this container somewhere below it: painting and
    // routing would then go round the lists forever.
    if (encloses(child, this)) {
        return false;
    }
    children.push_back(child);
    child->holders.push_back(this);
    if (Control* home = page()) {
        static_cast<Page*>(home)->enter(child);
    }
    child->parent(this);
    return true;
}

bool Container::detachChild(Control* child) {
    auto entry = std::find(children.begin(), children.end(), child);
    if (entry == children.end()) {
        return false;
    }
    children.erase(entry);
    child->holders.erase(std::find(child->holders.begin(), child->holders.end(), this));
    return true;
}

void Container::forgetChild(Control* child) {
    children.erase(std::remove(children.begin(), children.end(), child), children.end());
    child->holders.erase(std::remove(child->holders.begin(), child->holders.end(), this),
                         child->holders.end());
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
    return std::strncmp(control.tag, "Vqrm1Contnr", sizeof(control.tag)) == 0;
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
    auto entry = handlers.find(event);
    if (entry == handlers.end()) {
        return 0;
    }
    return entry->second(event, static_cast<Control*>(this));
}

int Container::painter(int, void* control) {
    Container* container = static_cast<Container*>(static_cast<Control*>(control));
    for (std::size_t i = 0; i < container->children.size(); ++i) {
        container->children[i]->paint();
    }
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
