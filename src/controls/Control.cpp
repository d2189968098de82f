#include "forms/Control.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

#include "controls/Lists.h"
#include "forms/Container.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
#include "session/SessionInternals.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

namespace {

bool tagged(const char* tag, const char* name) {
    return std::strncmp(tag, name, sizeof(Vesk::Object::tag)) == 0;
}

// Tags of the classes that derive from Control; a region with any other tag
// must not be handed out as a control.
bool controlTag(const char* tag) {
    static const char* const names[] = {"Vqrm1Contrl", "Vqrm1Contnr", "Vqrm1Page",  "Vqrm1Tabs",
                                        "Vqrm1Button", "Vqrm1Label",  "Vqrm1PrgsBr"};
    for (const char* name : names) {
        if (tagged(tag, name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

Control::Control() {
    stamp("Vqrm1Contrl", sizeof(Control));
    attachHandler(Vesk::KeyLeft, arrowLeft);
    attachHandler(Vesk::KeyRight, arrowRight);
    attachHandler(Vesk::KeyUp, arrowUp);
    attachHandler(Vesk::KeyDown, arrowDown);
}

Control::~Control() {
    detail::SessionInternals::forgetControl(this);
    while (!holders.empty()) {
        leave(holders.back());
    }
    while (!memberships.empty()) {
        memberships.back()->forget(this);
    }
}

void Control::leave(Control* holder) {
    if (tagged(holder->tag, "Vqrm1Contnr") || tagged(holder->tag, "Vqrm1Page")) {
        static_cast<Container*>(holder)->forgetChild(this);
    } else if (Tabs::is(*holder)) {
        static_cast<Tabs*>(holder)->forgetPage(this);
    }
    detail::eraseAll(holders, holder);
}

bool Control::attachHandler(int event, Handler handler) {
    if (handler == nullptr) {
        return false;
    }
    handlers[event] = handler;
    return true;
}

bool Control::detachHandler(int event) {
    return handlers.erase(event) != 0;
}

bool Control::handles(int event) {
    return handlers.find(event) != handlers.end();
}

int Control::raiseEvent(int event) {
    auto entry = handlers.find(event);
    if (entry == handlers.end()) {
        return 0;
    }
    Handler handler = entry->second;

    if (event == Vesk::UpdateView) {
        if (parent() == nullptr && tagged(tag, "Vqrm1Page")) {
            Session::log("Event UpdateView raised on root window", Session::Trace);
        }
    } else if (Session::logLevel() >= Session::Verbose) {
        std::unique_ptr<std::string> line(Vesk::String::Format(
            "Event 0x%08X raised on %s", static_cast<unsigned int>(event), tag));
        Session::log(*line, Session::Verbose);
    }
    return handler(event, this);
}

bool Control::paint() {
    return raiseEvent(Vesk::UpdateView) != 0;
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
    return value;
}

Control* Control::page() {
    Region* current = this;
    while (!tagged(current->tag, "Vqrm1Page")) {
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
    return controlTag(top->tag) ? static_cast<Control*>(top) : nullptr;
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
        if (tagged(current->tag, "Vqrm1Contnr") || tagged(current->tag, "Vqrm1Page")) {
            Container* box = static_cast<Container*>(current);
            pending.insert(pending.end(), box->children.begin(), box->children.end());
        } else if (Tabs::is(*current)) {
            Tabs* set = static_cast<Tabs*>(current);
            pending.insert(pending.end(), set->pages.begin(), set->pages.end());
        }
    }
    return false;
}

}  // namespace Forms
}  // namespace Vesk
