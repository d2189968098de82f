// The reader thread: what the program writes goes into the emulator, and
// what is queued for the program is written as the program takes it.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

void Terminal::State::writeSome() {
    if (outgoing.empty()) {
        return;
    }
    // The master side does not block: this takes no longer than a copy.
    const ssize_t length = ::write(master, outgoing.data(), outgoing.size());
    if (length < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (length > 0) {
        outgoing.erase(0, static_cast<std::size_t>(length));
        written += static_cast<unsigned long long>(length);
    } else {
        // Refused: what is queued can never go.
        written += outgoing.size();
        refused = written;
        outgoing.clear();
    }
    sent.notify_all();
}

void Terminal::State::readOutput() {
    char chunk[8192];
    for (;;) {
        bool sending;
        {
            std::lock_guard<std::mutex> guard(lock);
            if (stopping) {
                return;
            }
            sending = !outgoing.empty();
        }
        const short events = sending ? POLLIN | POLLOUT : POLLIN;
        pollfd ready[2] = {{master, events, 0}, {wake[0], POLLIN, 0}};
        if (poll(ready, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (ready[1].revents != 0) {
            while (::read(wake[0], chunk, sizeof chunk) > 0) {
            }
        }
        if ((ready[0].revents & POLLOUT) != 0) {
            std::lock_guard<std::mutex> guard(lock);
            writeSome();
        }
        if ((ready[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        feeding = true;
        const ssize_t length = ::read(master, chunk, sizeof chunk);
        if (length <= 0) {
            feeding = false;
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
            feeding = false;
        }
        changed.notify_all();
    }
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
