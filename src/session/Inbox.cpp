#include <sstream>
#include <stdexcept>

#include "forms/Session.h"
#include "terminal/Terminal.h"
#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {

bool Session::setEvent(Vesk::Event event) {
    if (worker == nullptr) {
        return false;
    }
    inbox.push(event);
    return true;
}

Vesk::Event Session::getEvent() {
    if (worker == nullptr) {
        throw new std::runtime_error("Session not started!");
    }
    return taken(inbox.pop());
}

Vesk::Event Session::getEvent(std::chrono::milliseconds timeout) {
    if (worker == nullptr) {
        throw new std::runtime_error("Session not started!");
    }
    Vesk::Event event{};
    if (!inbox.pop(event, timeout)) {
        return static_cast<Vesk::Event>(0);
    }
    return taken(event);
}

Vesk::Event Session::taken(Vesk::Event event) {
    if (event == Vesk::KeyResize) {
        // The map is emptied with the new size: the host paints again.
        detail::Terminal::resize();
        takeScreenSize();
    }
    return event;
}

void Session::workerLoop() {
    std::ostringstream id;
    id << "Worker thread ID: " << std::this_thread::get_id();
    log(id.str(), Verbose);

    for (;;) {
        Vesk::Event event = Vesk::IO::GetKeyboardInput();
        if (event == Vesk::IO::KeyboardCancelled) {
            return;
        }
        if (event == Vesk::KeyResize && !detail::Terminal::admitResize()) {
            continue;
        }
        inbox.push(std::move(event));
    }
}

}  // namespace Forms
}  // namespace Vesk
