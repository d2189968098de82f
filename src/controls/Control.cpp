#include "forms/Control.h"

#include <memory>
#include <unordered_set>
#include <vector>

#include "controls/Checks.h"
#include "controls/Frame.h"
#include "controls/Lists.h"
#include "forms/Session.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

Control::Control() {
    stamp(detail::Tag::Control, sizeof(Control));
    controlMark = true;
    attachHandler(Vesk::KeyLeft, arrowLeft);
    attachHandler(Vesk::KeyRight, arrowRight);
    attachHandler(Vesk::KeyUp, arrowUp);
    attachHandler(Vesk::KeyDown, arrowDown);
}

Control::~Control() {
    detail::SessionInternals::forgetControl(this);
    detail::Checks::forget(*this);
    if (deferredIn != nullptr) {
        for (detail::Deferred& entry : static_cast<detail::PaintWalk*>(deferredIn)->later) {
            if (entry.control == this) {
                entry.control = nullptr;
            }
        }
    }
    while (!holders.empty()) {
        leave(holders.back());
    }
}

void Control::leave(Control* holder) {
    if (holder->holding != nullptr) {
        holder->holding->forget(*holder, this);
    }
    detail::eraseAll(holders, holder);
}

void Control::hold(Control& holder, Control& control) {
    control.holders.push_back(&holder);
}

void Control::release(Control& holder, Control& control) {
    detail::eraseFirst(control.holders, &holder);
}

void Control::releaseAll(Control& holder, Control& control) {
    detail::eraseAll(control.holders, &holder);
}

void Control::enter(Control& holder, Control& control) {
    if (holder.holding != nullptr && holder.holding->enter != nullptr) {
        holder.holding->enter(holder, control);
    }
}

bool Control::attachHandler(int event, Handler handler) {
    if (handler == nullptr) {
        return false;
    }
    handlers[event] = handler;
    paints = this->handler(Vesk::UpdateView) != nullptr;
    return true;
}

bool Control::detachHandler(int event) {
    const bool found = handlers.erase(event) != 0;
    paints = handler(Vesk::UpdateView) != nullptr;
    return found;
}

bool Control::handles(int event) {
    return handler(event) != nullptr;
}

// A character with no handler of its own goes to the AnyCharacter handler,
// a mouse event to the AnyMouse one.
Handler Control::handler(int event) {
    auto entry = handlers.find(event);
    if (entry == handlers.end() && Vesk::IsCharacter(event)) {
        entry = handlers.find(Vesk::AnyCharacter);
    } else if (entry == handlers.end() && Vesk::IsMouse(event)) {
        entry = handlers.find(Vesk::AnyMouse);
    }
    return entry == handlers.end() ? nullptr : entry->second;
}

int Control::raiseEvent(int event) {
    Handler found = handler(event);
    if (found == nullptr) {
        return 0;
    }

    if (event == Vesk::UpdateView) {
        if (parent() == nullptr && detail::tagged(*this, detail::Tag::Page)) {
            Session::log("Event UpdateView raised on root window", Session::Trace);
        }
    } else if (Session::logLevel() >= Session::Verbose) {
        std::unique_ptr<std::string> line(
            maskedCharacters && Vesk::IsCharacter(event)
                ? Vesk::String::Format("Event <masked character> raised on %s", tag)
                : Vesk::String::Format("Event 0x%08X raised on %s",
                                       static_cast<unsigned int>(event), tag));
        Session::log(*line, Session::Verbose);
    }
    return found(event, this);
}

bool Control::canFocus() {
    return focusable;
}

bool Control::focus() {
    return focused;
}

bool Control::focus(bool value) {
    if (!focusable) {
        return false;
    }
    focused = value;
    return value;
}

Color Control::background() {
    return backgroundColor;
}

Color Control::background(Color value) {
    backgroundColor = static_cast<Color>(value & 0xF);
    return backgroundColor;
}

Color Control::color() {
    return foregroundColor;
}

Color Control::color(Color value) {
    foregroundColor = value;
    return value;
}

Color Control::borderColor() {
    return borderColour;
}

Color Control::borderColor(Color value) {
    borderColour = value;
    return value;
}

BorderStyle Control::border() {
    return borderStyle;
}

BorderStyle Control::border(BorderStyle value) {
    borderStyle = value;
    layoutChanged();  // a border takes a cell around the control
    return value;
}

Control* Control::page() {
    Region* current = this;
    while (!detail::tagged(*current, detail::Tag::Page)) {
        current = current->parent();
        if (current == nullptr) {
            return nullptr;
        }
    }
    return static_cast<Control*>(current);
}

Control* Control::root() {
    Region* top = this;
    while (top->parent() != nullptr) {
        top = top->parent();
    }
    return marked(*top) ? static_cast<Control*>(top) : nullptr;
}

void* Control::data() {
    return hostData;
}

void* Control::data(void* value) {
    return hostData = value;
}

bool Control::closesLoop(Control* holder, Control* candidate) {
    for (Region* link = holder; link != nullptr; link = link->parent()) {
        if (link == candidate) {
            return true;
        }
    }
    // Down the lists: iterative, and each control visited once, since the
    // lists may share controls and a deep tree must not exhaust the stack.
    std::vector<Control*> pending{candidate};
    std::unordered_set<Control*> seen;
    while (!pending.empty()) {
        Control* current = pending.back();
        pending.pop_back();
        if (current == holder) {
            return true;
        }
        if (current == nullptr || !seen.insert(current).second) {
            continue;
        }
        if (const Holding* table = current->holding) {
            for (int i = 0, end = table->count(*current); i < end; ++i) {
                pending.push_back(table->held(*current, i));
            }
        }
    }
    return false;
}

}  // namespace Forms
}  // namespace Vesk
