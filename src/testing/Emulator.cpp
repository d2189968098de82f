// The terminal emulator (libvterm) behind a Terminal: an xterm-like screen
// with an alternate buffer, whose answers go back to the program.
#include <stdexcept>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

// Called under State::lock, from inside the emulator.
void Terminal::State::collectOutput(const char* bytes, std::size_t length, void* user) {
    auto* state = static_cast<State*>(user);
    state->outgoing.append(bytes, length);
    state->queued += length;
}

int Terminal::State::noteProperty(VTermProp property, VTermValue* value, void* user) {
    auto* state = static_cast<State*>(user);
    if (property == VTERM_PROP_MOUSE) {
        state->mouseMode = value->number;
    } else if (property == VTERM_PROP_CURSORVISIBLE) {
        state->cursorVisible = value->boolean != 0;
    }
    return 1;
}

void Terminal::State::openEmulator(int rows, int columns) {
    emulator = vterm_new(rows, columns);
    if (emulator == nullptr) {
        throw new std::runtime_error("Cannot create the terminal emulator");
    }
    this->rows = rows;
    this->columns = columns;
    vterm_set_utf8(emulator, 1);
    vterm_output_set_callback(emulator, collectOutput, this);
    screen = vterm_obtain_screen(emulator);
    static const VTermScreenCallbacks screenCallbacks = {
        nullptr,       // damage
        nullptr,       // moverect
        nullptr,       // movecursor
        noteProperty,  // settermprop
        nullptr,       // bell
        nullptr,       // resize
        nullptr,       // sb_pushline
        nullptr,       // sb_popline
    };
    vterm_screen_set_callbacks(screen, &screenCallbacks, this);
    // Curses switches to the alternate screen (smcup) and back.
    vterm_screen_enable_altscreen(screen, 1);
    vterm_screen_reset(screen, 1);
}

void Terminal::State::closeEmulator() {
    if (emulator != nullptr) {
        vterm_free(emulator);
        emulator = nullptr;
        screen = nullptr;
    }
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
