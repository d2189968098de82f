// What the test sends to the program: typed bytes, keys and mouse reports.
// Senders only queue bytes and wait; the reader thread writes them as the
// program takes them (Reader.cpp), so nothing a sender holds is needed to
// drain the program's output.
#include <unistd.h>

#include <cerrno>

#include "testing/KeyBytes.h"
#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

// How long a key or a click may wait for the program to take its bytes: the
// waits' default timeout.
constexpr std::chrono::milliseconds keyTimeout = std::chrono::seconds(5);

}  // namespace

void Terminal::State::wakeReader() {
    const char wakeUp = 0;
    // A full pipe already wakes it; the pipe never blocks.
    while (::write(wake[1], &wakeUp, 1) < 0 && errno == EINTR) {
    }
}

bool Terminal::State::sendQueued(std::unique_lock<std::mutex>& guard, unsigned long long from,
                                 std::chrono::milliseconds timeout) {
    const unsigned long long end = queued;
    if (end == from) {
        return true;
    }
    wakeReader();
    const bool taken = sent.wait_for(guard, timeout, [&] { return written >= end; });
    return taken && refused <= from;
}

bool Terminal::State::send(const std::string& bytes, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> guard(lock);
    const unsigned long long from = queued;
    outgoing += bytes;
    queued += bytes.size();
    return sendQueued(guard, from, timeout);
}

bool Terminal::State::press(Vesk::Event key) {
    KeyStroke stroke;
    if (!keyStrokeOf(key, stroke)) {
        return false;
    }
    std::unique_lock<std::mutex> guard(lock);
    const unsigned long long from = queued;
    if (stroke.key == VTERM_KEY_NONE) {
        vterm_keyboard_unichar(emulator, stroke.character, stroke.modifiers);
    } else {
        vterm_keyboard_key(emulator, stroke.key, stroke.modifiers);
    }
    return sendQueued(guard, from, keyTimeout);
}

bool Terminal::State::point(int row, int column,
                            std::initializer_list<std::pair<int, bool>> buttons) {
    std::unique_lock<std::mutex> guard(lock);
    if (mouseMode == VTERM_PROP_MOUSE_NONE || row < 0 || column < 0 || row >= rows ||
        column >= columns) {
        return false;
    }
    const unsigned long long from = queued;
    vterm_mouse_move(emulator, row, column, VTERM_MOD_NONE);
    for (const auto& [button, pressed] : buttons) {
        vterm_mouse_button(emulator, button, pressed, VTERM_MOD_NONE);
    }
    return sendQueued(guard, from, keyTimeout);
}

bool Terminal::type(const std::string& bytes, std::chrono::milliseconds timeout) {
    return state->send(bytes, timeout);
}

bool Terminal::press(Vesk::Event key) {
    return state->press(key);
}

bool Terminal::press(int code) {
    return state->press(static_cast<Vesk::Event>(code));
}

bool Terminal::press(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte < 0x80 && state->press(static_cast<Vesk::Event>(byte));
}

bool Terminal::press(char32_t character) {
    if (character < 0x20 || character == 0x7F) {
        return state->press(static_cast<Vesk::Event>(character));
    }
    const std::int32_t event = Vesk::CharacterEvent(character);
    return event != 0 && state->press(static_cast<Vesk::Event>(event));
}

bool Terminal::click(int row, int column) {
    return state->point(row, column, {{1, true}, {1, false}});
}

bool Terminal::wheel(int row, int column, bool up) {
    // Buttons 4 and 5 are the wheel's notches; they have no release.
    return state->point(row, column, {{up ? 4 : 5, true}});
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
