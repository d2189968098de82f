#pragma once

#include <signal.h>
#include <termios.h>

#include <atomic>
#include <cstddef>

namespace Vesk {
namespace Forms {
namespace detail {

// Everything the terminal's signal handlers and the terminate handler read,
// kept in this one place. The host thread writes it only while none of those
// handlers can run (before the handlers go in, after they come out); the
// handlers only read it, apart from the two atomic flags, so they need nothing
// that is unsafe in a signal handler.
struct SignalState {
    // The signals that end or stop the process, taken while a session runs.
    static constexpr int guarded[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                      SIGBUS, SIGFPE,  SIGILL, SIGABRT, SIGTSTP};
    static constexpr int guardedCount = sizeof guarded / sizeof guarded[0];

    struct Bytes {
        char data[256];
        std::size_t size;
    };

    // What one opened step of the terminal changed, in the form a handler can
    // put back: the modes, then its bytes. Entries are in the order the steps
    // opened; giving back walks them backwards, taking again forwards.
    struct Undo {
        Bytes give;  // written to give the terminal back
        Bytes take;  // written to take it again after a stop
        bool modes;  // the terminal modes go back to the host's first (the program's on take)
        // A mode the host switches while the session runs (the mouse): its
        // give bytes are always written, its take bytes only while mouseOn.
        bool switchable;
    };
    static constexpr int maxSteps = 12;

    // curses' output terminal, and standard input when it is another terminal.
    struct Tty {
        int fd;
        termios host;
        termios program;
    };

    struct sigaction hostActions[guardedCount];
    bool ours[guardedCount];
    Tty ttys[2];
    int ttyCount;
    Undo undo[maxSteps];
    int undoCount;

    // Set while the fatal-signal handlers are in (between the last step of
    // opening and the first of closing).
    std::atomic<bool> active;
    // Set while the terminal is given back by a handler; another signal
    // meanwhile, or a second give-back, goes straight on.
    std::atomic<bool> given;
    // Whether the switchable step's mode is on; written by the host thread
    // at any time, so atomic.
    std::atomic<bool> mouseOn;
};
static_assert(std::atomic<bool>::is_always_lock_free, "handlers need lock-free flags");

extern SignalState signalState;

// Gives the terminal back from a signal handler or the terminate handler:
// every opened step's modes and bytes, last step first. Once only, until
// takeAgain.
void giveBack();
// Takes the terminal again after a stop or a host handler that returned,
// first step first, and tells the keyboard reader to report a resize so the
// host thread repaints in full.
void takeAgain();

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
