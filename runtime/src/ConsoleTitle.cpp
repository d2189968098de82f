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
    // Bytes from 0x80 up are left alone: they carry UTF-8 titles, and a
    // UTF-8 terminal does not read a lone byte as a C1 control.
    return byte < 0x20 || byte == 0x7F;
}

void send(const std::string& title) {
    std::string sequence = "\x1b]2;";
    sequence.reserve(title.size() + 5);
    for (char c : title) {
        if (!isControl(static_cast<unsigned char>(c))) {
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
