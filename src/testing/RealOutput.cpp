// The process's real standard output while a terminal is attached, so that
// a test can still write to its user (forms/testing/GTest.h).
#include <unistd.h>

#include <cerrno>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

// Held while writing, so that detach() cannot close the descriptor under a
// writer.
std::mutex realOutputLock;
// The terminal attached first keeps its saved output here; one attached
// over it saved only the first one's pseudo-terminal.
const void* realOutputOwner = nullptr;
int realOutput = -1;

}  // namespace

void Terminal::State::keepRealOutput() {
    std::lock_guard<std::mutex> guard(realOutputLock);
    if (realOutputOwner == nullptr) {
        realOutputOwner = this;
        realOutput = savedOutput;
    }
}

void Terminal::State::dropRealOutput() {
    std::lock_guard<std::mutex> guard(realOutputLock);
    if (realOutputOwner == this) {
        realOutputOwner = nullptr;
        realOutput = -1;
    }
}

bool Terminal::writeToRealOutput(const std::string& text) {
    std::lock_guard<std::mutex> guard(realOutputLock);
    const int fd = realOutput >= 0 ? realOutput : 1;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t length = ::write(fd, text.data() + done, text.size() - done);
        if (length < 0 && errno == EINTR) {
            continue;
        }
        if (length <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(length);
    }
    return true;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
