#pragma once

#include <signal.h>

#include <atomic>
#include <exception>
#include <type_traits>

#include "terminal/SignalState.h"

// curses' SCREEN (ncurses: typedef struct screen SCREEN), named here without
// curses.h, whose macros would then reach every file that includes this one.
struct screen;

namespace Vesk {
namespace Forms {
namespace detail {

// The terminal: everything the terminal's files keep between calls, in one
// object, terminalState, owned by Terminal.cpp. Terminal and Screen are its
// facades for the rest of the library. What the signal handlers read is not
// here but in signalState (SignalState.h), which a handler may touch.
//
// Read and written on the host thread, except resizeQueued (the keyboard
// worker) and hostTerminate (the terminate handler). Every member has a
// constant initial value and nothing to destroy, so the object exists before
// any code runs and to the very end: a terminate handler called while the
// process exits still finds it.
struct TerminalState {
    // One change in effect, with its undo on the host thread. `entry` is its
    // place in signalState.undo when a signal handler can undo it too, else -1.
    struct Record {
        void (*close)(int entry);
        int entry;
    };

    // The opened steps, in the order they opened; closing pops them.
    Record records[SignalState::maxSteps] = {};
    int recordCount = 0;

    // The curses screen from newterm to its close.
    ::screen* screen = nullptr;
    // The SIGWINCH action the window-size handler replaced.
    struct sigaction hostWindowAction = {};
    // Whether the screen shows colours (and so had start_color).
    bool hasColors = false;
    // The screen's size in cells as curses has it: taken from curses when the
    // terminal opened and after each resize, the only times curses changes
    // it, and kept after close. The one record of the screen size. (Not
    // `lines` and `columns`: term.h makes those macros.)
    int height = 0;
    int width = 0;
    // Set by the worker when it queues a KeyResize, cleared when the host
    // takes it: a burst of resizes while the host is busy leaves one event
    // behind.
    std::atomic<bool> resizeQueued{false};

    // Whether the session hid the cursor (see Terminal::cursor).
    bool cursorHidden = false;

    // IXON and IXOFF as the host had them on each of signalState.ttys, for
    // the flow-control step to put back.
    tcflag_t flowControl[2] = {};

    // Whether the host asked for mouse reports; holds across sessions.
    bool mouseWanted = false;
    // The mouse step's place in signalState.undo while open, else -1.
    int mouseEntry = -1;

    // The name of the default locale ("C" or "POSIX", a literal) whose
    // character type adoptCharacterType replaced; null when it replaced none.
    const char* adoptedFrom = nullptr;
    // Whether the session's characters are UTF-8 (Locale.h).
    bool unicode = false;

    // The std::terminate handler the library's one replaced, called after
    // it; whether that one is in (it stays for the life of the process).
    std::terminate_handler hostTerminate = nullptr;
    bool terminateInstalled = false;

    // Pages being painted on the host's thread; see PaintScope.
    int paintDepth = 0;
    // While a disabled control's painter runs: every foreground is
    // BrightBlack (see DimScope).
    bool dimmed = false;
    // The paint that last wrote each cell of the screen, row by row (see
    // Screen::blankStale); the cells are freed when the terminal closes.
    struct PaintMarks {
        unsigned current = 0;  // the outermost paint under way, counted from 1
        int height = 0;  // (term.h makes `lines` and `columns` macros)
        int width = 0;
        unsigned* cells = nullptr;
    };
    PaintMarks marks;
};
static_assert(std::is_trivially_destructible<TerminalState>::value,
              "the terminate handler reads the terminal while the process exits");

extern TerminalState terminalState;

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
