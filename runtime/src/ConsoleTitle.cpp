#include "vesk/ConsoleTitle.h"

#include <cerrno>
#include <mutex>

#include <unistd.h>

namespace Vesk {
namespace Console {

namespace {

std::mutex& titleMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& storedTitle() {
    static std::string title;
    return title;
}

bool isControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// A C1 control written in UTF-8 (U+0080 to U+009F: C2 80 to C2 9F), which a
// UTF-8 terminal acts on as it does on ESC [ or ESC \: C2 9B starts a control
// sequence, C2 9C ends the title string. Other bytes from 0x80 up carry the
// title's UTF-8 characters.
bool endsC1(const std::string& text, unsigned char next) {
    return (next & 0xE0) == 0x80 && !text.empty() &&
           static_cast<unsigned char>(text.back()) == 0xC2;
}

void send(const std::string& title) {
    std::string sequence = "\x1b]2;";
    sequence.reserve(title.size() + 5);
    // Checked against what is kept, so that removing a byte never joins
    // two others into a control.
    for (char c : title) {
        const auto byte = static_cast<unsigned char>(c);
        if (endsC1(sequence, byte)) {
            sequence.pop_back();
        } else if (!isControl(byte)) {
            sequence += c;
        }
    }
    sequence += '\a';
    const char* data = sequence.data();
    std::size_t left = sequence.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;  // the title is cosmetic; a failed write is not an error
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

}  // namespace

std::string GetTitle() {
    std::lock_guard<std::mutex> lock(titleMutex());
    return storedTitle();
}

void SetTitle(const std::string& title) {
    // Sending under the lock keeps concurrent callers' sequences in the
    // order of their stores, so the terminal ends on the stored title.
    std::lock_guard<std::mutex> lock(titleMutex());
    storedTitle() = title;
    if (::isatty(STDOUT_FILENO) == 1) {
        send(title);
    }
}

}  // namespace Console
}  // namespace Vesk
