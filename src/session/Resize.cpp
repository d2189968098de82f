#include "session/Resize.h"

#include <curses.h>
#include <signal.h>
#include <sys/ioctl.h>

#include <atomic>
#include <cstdio>

#include "forms/Session.h"
#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {

namespace {

// Set by the worker when it queues a KeyResize, cleared when the host takes
// it: a burst of resizes while the host is busy leaves one event behind.
std::atomic<bool> queued{false};

struct sigaction previous;
bool installed = false;

// The handler only records the change; the screen is resized on the host
// thread when it takes the event.
void onWindowChange(int) {
    Vesk::IO::NotifyResize();
}

}  // namespace

bool Resize::installHandler() {
    if (installed) {
        return true;
    }
    struct sigaction action {};
    action.sa_handler = onWindowChange;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (sigaction(SIGWINCH, &action, &previous) != 0) {
        return false;
    }
    installed = true;
    return true;
}

void Resize::restoreHandler() {
    if (!installed) {
        return;
    }
    sigaction(SIGWINCH, &previous, nullptr);
    installed = false;
}

bool Resize::admit() {
    return !queued.exchange(true);
}

void Session::resizeScreen() {
    // Cleared before the size is read, so a change from here on queues
    // another event instead of being lost.
    queued.store(false);

    // curses writes to standard output (see start); its size is the one that
    // counts. Without one, the screen keeps its size and is still redrawn.
    int lines = getmaxy(stdscr);
    int columns = getmaxx(stdscr);
    winsize size{};
    if (ioctl(fileno(stdout), TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
        lines = size.ws_row;
        columns = size.ws_col;
    }
    resizeterm(lines, columns);
    // What was drawn belongs to the old layout, as does the map: the host
    // paints again on this event. The next refresh repaints every cell, which
    // also mends a screen that something else has drawn over.
    werase(stdscr);
    clearok(curscr, TRUE);

    // The size curses ended up with, which the map must match.
    takeScreenSize();
}

}  // namespace Forms
}  // namespace Vesk
