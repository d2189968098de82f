#include "terminal/Terminal.h"

#include <curses.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// After the standard headers: term.h defines a macro for every capability.
#include <term.h>

#include "terminal/Locale.h"
#include "terminal/SignalState.h"
#include "terminal/Signals.h"
#include "terminal/TerminalState.h"
#include "terminal/Terminate.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The terminal, the one instance (TerminalState.h).
TerminalState terminalState;

namespace {

using Bytes = SignalState::Bytes;

void push(void (*close)(int)) {
    terminalState.records[terminalState.recordCount++] = {close, -1};
}

// Records a change that a signal handler can also undo, with the bytes (and
// whether the terminal modes are part of it) the handler needs for that.
void push(void (*close)(int), const Bytes& give, const Bytes& take, bool modes) {
    const int entry = signalState.undoCount++;
    signalState.undo[entry] = {give, take, modes, false};
    terminalState.records[terminalState.recordCount++] = {close, entry};
}

// curses' size of the standard screen, kept as the terminal's size.
void takeSize() {
    terminalState.height = getmaxy(stdscr);
    terminalState.width = getmaxx(stdscr);
}

// Appends `text` without its padding ("$<5>"), which only tputs understands.
// A text that does not fit is left out whole.
void append(Bytes& bytes, const char* text) {
    char copy[sizeof bytes.data];
    std::size_t size = 0;
    for (const char* p = text; *p != '\0';) {
        if (p[0] == '$' && p[1] == '<') {
            if (const char* end = std::strchr(p, '>')) {
                p = end + 1;
                continue;
            }
        }
        if (size == sizeof copy) {
            return;
        }
        copy[size++] = *p++;
    }
    if (bytes.size + size > sizeof bytes.data) {
        return;
    }
    std::memcpy(bytes.data + bytes.size, copy, size);
    bytes.size += size;
}

bool hasCapability(const char* name) {
    const char* text = tigetstr(name);
    return text != nullptr && text != reinterpret_cast<const char*>(-1);
}

// The terminal description's bytes of the capabilities `names`.
Bytes capabilities(std::initializer_list<const char*> names) {
    Bytes bytes{};
    for (const char* name : names) {
        if (hasCapability(name)) {
            append(bytes, tigetstr(name));
        }
    }
    return bytes;
}

Bytes raw(const char* text) {
    Bytes bytes{};
    append(bytes, text);
    return bytes;
}

// The steps of open, in order. Each returns false when the terminal cannot
// be used, and records its undo as soon as it changed something.

// The session's threads that run by now (keyboard reader, collector, log)
// call nothing that reads the C library's locale, so setlocale is safe here.
bool openLocale() {
    adoptCharacterType();
    push([](int) { restoreCharacterType(); });
    return true;
}

// Before newterm, which takes SIGWINCH for itself when it finds no handler.
// Without the signal a resize still shows at the next stop and continue.
bool openWindowSignal() {
    if (installWindowHandler(terminalState.hostWindowAction)) {
        push([](int) { sigaction(SIGWINCH, &terminalState.hostWindowAction, nullptr); });
    }
    return true;
}

void closeScreen(int) {
    endwin();
    delscreen(terminalState.screen);
    terminalState.screen = nullptr;
}

bool openScreen() {
    // Also before newterm, which puts in handlers of its own for some of the
    // signals the guard takes.
    saveHostState();
    // newterm rather than initscr, which ends the process when the terminal
    // is unusable.
    terminalState.screen = newterm(nullptr, stdout, stdin);
    if (terminalState.screen == nullptr) {
        return false;
    }
    push(closeScreen, capabilities({"sgr0", "cnorm", "rmcup"}), capabilities({"smcup"}), false);
    // A terminal that cannot move the cursor would get the whole form on one
    // line.
    return hasCapability("cup");
}

// The 256 pairs of 16 x foreground + background + 1, also without colours;
// endwin puts the terminal's colours back.
bool openColors() {
    terminalState.hasColors = has_colors();
    if (terminalState.hasColors) {
        start_color();
    }
    for (int f = 0; f < 16; ++f) {
        for (int b = 0; b < 16; ++b) {
            init_pair(static_cast<short>(16 * f + b + 1), static_cast<short>(f),
                      static_cast<short>(b));
        }
    }
    return true;
}

bool openInput() {
    noecho();
    keypad(stdscr, TRUE);
    cbreak();
    nonl();
    // The keyboard is read by the worker, not by curses; without this, curses
    // would peek at standard input during refresh and cut updates short.
    typeahead(-1);
    // The cursor is not hidden again on resume: the session leaves it
    // visible, and curses puts its own idea of it back as it redraws.
    push(
        [](int) {
            keypad(stdscr, FALSE);
            echo();
            nocbreak();
            nl();
        },
        capabilities({"rmkx"}), capabilities({"smkx"}), true);
    return true;
}

// The cursor, hidden while no control places it. Shown again on close,
// before endwin; a signal's give-back shows it through the screen's bytes
// (cnorm), and the resize that follows a resume hides it again.
bool openCursor() {
    push([](int) {
        if (terminalState.cursorHidden) {
            curs_set(1);
        }
        terminalState.cursorHidden = false;
    });
    return true;
}

// Ctrl-S and Ctrl-Q are keys of the session, not XOFF and XON: with flow
// control on, a Ctrl-S would freeze the next paint until a Ctrl-Q. A signal
// handler puts the host's modes back whole (and the program's on resume),
// so only stop needs the undo below. Curses learns the modes each time
// (def_prog_mode), or a mode change of its own would bring its old copy back.
void setFlowControl(bool host) {
    for (int i = 0; i < signalState.ttyCount; ++i) {
        termios modes{};
        if (tcgetattr(signalState.ttys[i].fd, &modes) != 0) {
            continue;
        }
        modes.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
        if (host) {
            modes.c_iflag |= terminalState.flowControl[i];
        }
        tcsetattr(signalState.ttys[i].fd, TCSANOW, &modes);
    }
    def_prog_mode();
}

bool openFlowControl() {
    for (int i = 0; i < signalState.ttyCount; ++i) {
        terminalState.flowControl[i] =
            signalState.ttys[i].host.c_iflag & static_cast<tcflag_t>(IXON | IXOFF);
    }
    push([](int) { setFlowControl(true); }, Bytes{}, Bytes{}, true);
    setFlowControl(false);
    return true;
}

// A mode switched on by writing `enable` and off by writing `disable`, from
// a signal handler too.
bool openMode(const char* enable, const char* disable) {
    push(
        [](int entry) {
            const Bytes& give = signalState.undo[entry].give;
            writeAll(give.data, give.size);
        },
        raw(disable), raw(enable), false);
    writeAll(enable, std::strlen(enable));
    return true;
}

// The terminals that keep a stack of titles for XTWINOPS 22 and 23 (the xterm
// family, which includes the VTE terminals) get the host's title saved for
// the session. Others may print the sequence or take it for something else.
bool openTitle() {
    const char* term = std::getenv("TERM");
    if (isatty(STDOUT_FILENO) != 1 || term == nullptr || std::strncmp(term, "xterm", 5) != 0) {
        return true;
    }
    return openMode("\x1b[22;0t", "\x1b[23;0t");
}

// Pasted text arrives between markers, so the key decoder can tell it from
// typing and a paste can never press a key.
bool openPaste() {
    return openMode("\x1b[?2004h", "\x1b[?2004l");
}

// Mouse reports (presses, releases and the wheel, in SGR form) are switched
// by the host at any time, so the step is always recorded and
// signalState.mouseOn tells whether the mode is on. A handler always writes
// the off bytes, harmless when it is off: whatever moment a signal comes
// while the host switches, the terminal is given back without the mode.
constexpr const char mouseEnable[] = "\x1b[?1000h\x1b[?1006h";
constexpr const char mouseDisable[] = "\x1b[?1006l\x1b[?1000l";

bool openMouse() {
    push(
        [](int) {
            terminalState.mouseEntry = -1;
            if (signalState.mouseOn.exchange(false)) {
                writeAll(mouseDisable, sizeof mouseDisable - 1);
            }
        },
        raw(mouseDisable), raw(mouseEnable), false);
    terminalState.mouseEntry = signalState.undoCount - 1;
    signalState.undo[terminalState.mouseEntry].switchable = true;
    if (terminalState.mouseWanted) {
        signalState.mouseOn.store(true);
        writeAll(mouseEnable, sizeof mouseEnable - 1);
    }
    return true;
}

// Last: every undo a handler runs is recorded by now.
bool openGuard() {
    installGuard();
    push([](int) { uninstallGuard(); });
    return true;
}

// A new terminal mode is one more step like openPaste, before openGuard.
bool (*const steps[])() = {openLocale, openWindowSignal, openScreen,      openColors,
                           openInput,  openFlowControl,  openCursor,      openTitle,
                           openPaste,  openMouse,        openGuard};
static_assert(sizeof steps / sizeof *steps <= SignalState::maxSteps, "one record per step");

// LINES or COLUMNS from the environment when it holds a size, as curses reads
// them; otherwise `size`.
int environmentSize(const char* name, int size) {
    const char* text = std::getenv(name);
    if (text == nullptr) {
        return size;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 0);
    return end != text && *end == '\0' && value > 0 && value < 32768 ? static_cast<int>(value)
                                                                     : size;
}

}  // namespace

bool Terminal::outputIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

bool Terminal::open() {
    if (terminalState.recordCount > 0) {
        return true;
    }
    installTerminateHandler();
    for (bool (*step)() : steps) {
        if (!step()) {
            close();
            return false;
        }
    }
    takeSize();
    return true;
}

void Terminal::close() {
    while (terminalState.recordCount > 0) {
        const TerminalState::Record record = terminalState.records[--terminalState.recordCount];
        record.close(record.entry);
        // The guard, closed first, took the handlers out.
        if (record.entry >= 0) {
            signalState.undoCount = record.entry;
        }
    }
    delete[] terminalState.marks.cells;
    terminalState.marks.cells = nullptr;
}

// On: the flag first, so a signal meanwhile takes the mode again on resume.
// Off: the flag first too, since a handler writes the off bytes anyway.
void Terminal::mouse(bool on) {
    terminalState.mouseWanted = on;
    if (terminalState.mouseEntry < 0 || signalState.mouseOn.load() == on) {
        return;
    }
    signalState.mouseOn.store(on);
    if (on) {
        writeAll(mouseEnable, sizeof mouseEnable - 1);
    } else {
        writeAll(mouseDisable, sizeof mouseDisable - 1);
    }
}

bool Terminal::mouse() {
    return terminalState.mouseWanted;
}

void Terminal::cursor(bool shown) {
    if (terminalState.screen == nullptr || terminalState.cursorHidden == !shown) {
        return;
    }
    terminalState.cursorHidden = !shown;
    curs_set(shown ? 1 : 0);
}

bool Terminal::colors() {
    return terminalState.hasColors;
}

int Terminal::width() {
    return terminalState.width;
}

int Terminal::height() {
    return terminalState.height;
}

void Terminal::resize() {
    // Cleared before the size is read, so a change from here on queues
    // another event instead of being lost.
    terminalState.resizeQueued.store(false);

    // curses writes to standard output (see openScreen); its size is the one
    // that counts. Without one, the screen keeps its size and is still
    // redrawn.
    int rows = terminalState.height;
    int cells = terminalState.width;
    winsize size{};
    if (ioctl(fileno(stdout), TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
        rows = size.ws_row;
        cells = size.ws_col;
    }
    resizeterm(environmentSize("LINES", rows), environmentSize("COLUMNS", cells));
    takeSize();
    // What was drawn belongs to the old layout: the host paints again. The
    // next refresh repaints every cell, which also mends a screen that
    // something else has drawn over.
    werase(stdscr);
    clearok(curscr, TRUE);
    // A stop gave the terminal back with the cursor shown, unknown to curses.
    if (terminalState.cursorHidden) {
        curs_set(1);
        curs_set(0);
    }
}

bool Terminal::admitResize() {
    return !terminalState.resizeQueued.exchange(true);
}

bool Terminal::givenBack() {
    return signalState.given.load();
}

std::string Terminal::restoreSequence() {
    std::string bytes;
    for (int i = signalState.undoCount - 1; i >= 0; --i) {
        bytes.append(signalState.undo[i].give.data, signalState.undo[i].give.size);
    }
    return bytes;
}

std::string Terminal::resumeSequence() {
    std::string bytes;
    for (int i = 0; i < signalState.undoCount; ++i) {
        if (signalState.undo[i].switchable && !signalState.mouseOn.load()) {
            continue;
        }
        bytes.append(signalState.undo[i].take.data, signalState.undo[i].take.size);
    }
    return bytes;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
