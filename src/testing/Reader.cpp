// The reader thread: what the program writes goes into the emulator.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

void Terminal::State::readOutput() {
    char chunk[8192];
    for (;;) {
        pollfd ready[2] = {{master, POLLIN, 0}, {wake[0], POLLIN, 0}};
        if (poll(ready, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (ready[1].revents != 0) {
            return;
        }
        const ssize_t length = ::read(master, chunk, sizeof chunk);
        if (length <= 0) {
            if (length < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            // Hung up for the moment; poll would report it at once again.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        {
            std::lock_guard<std::mutex> guard(lock);
            vterm_input_write(emulator, chunk, static_cast<std::size_t>(length));
            ++generation;
        }
        changed.notify_all();
        send();
    }
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
