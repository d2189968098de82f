#include <sstream>
#include <stdexcept>

#include "forms/Session.h"
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
    return inbox.pop();
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
        inbox.push(std::move(event));
    }
}

}  // namespace Forms
}  // namespace Vesk
