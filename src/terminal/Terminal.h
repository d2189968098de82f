#pragma once

#include <string>

namespace Vesk {
namespace Forms {
namespace detail {

// The one owner of every change a session makes to the terminal, a facade
// over the one terminal object (TerminalState.h). Opening takes the steps in
// order (character type, window-size signal, the curses screen with its
// colours, input modes, flow control off, the window title, bracketed paste, mouse reports
// (always recorded, switched while open), the handlers that give the terminal
// back on a fatal signal or a stop); each step that succeeds records its undo,
// and closing runs them back last first. The same records serve stop, a failed
// open, the fatal-signal path and suspend and resume. Called from the host
// thread only, except admitResize.
class Terminal {
public:
    Terminal() = delete;

    // Whether standard output, where the session draws, is a terminal;
    // checked by start before anything changes. Standard input need not be
    // one: the keys then come from it as they are, up to its end.
    static bool outputIsTerminal();
    // Takes the terminal. False, with every opened step closed again, when
    // curses cannot drive it (unknown terminal, no cursor addressing).
    static bool open();
    // Gives the terminal back as open found it. Does nothing when not open.
    static void close();

    // Mouse reports on or off: at once while open, and at every later open.
    // Closing, giving back and suspending turn them off; resuming on again.
    static void mouse(bool on);
    static bool mouse();

    // Shows or hides the cursor while open; closing shows it again.
    static void cursor(bool shown);

    // Whether the screen shows colours (and so had start_color).
    static bool colors();
    // The screen's size in cells as curses has it, taken when the terminal
    // opened and after each resize (curses changes it at no other time): the
    // one source of the size. Kept after close; 0 before the first open.
    static int width();
    static int height();

    // Gives curses the terminal's present size (LINES and COLUMNS in the
    // environment win, as they did at open) and blanks the screen, to be
    // painted again in full at the next refresh.
    static void resize();
    // Called by the keyboard worker for each KeyResize it reads: true when the
    // event is to be queued, false when one is queued already and resize has
    // not run since.
    static bool admitResize();

    // The bytes a signal handler writes to give the terminal back, and to
    // take it again after a stop, as prepared by open.
    static std::string restoreSequence();
    static std::string resumeSequence();

    // True while a signal handler has given the terminal back and not yet
    // taken it again: a host handler that calls exit() is still inside it,
    // so nothing that may lock or call curses is safe then.
    static bool givenBack();
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
