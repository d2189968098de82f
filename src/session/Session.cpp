#include "forms/Session.h"

#include <curses.h>

#include <fstream>
#include <memory>
#include <new>
#include <stdexcept>

#include "session/Locale.h"
#include "session/Resize.h"
#include "session/TerminalGuard.h"
#include "vesk/Format.h"
#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {

std::thread* Session::worker = nullptr;
Vesk::Threading::Timer* Session::collector = nullptr;
void* Session::logfile = nullptr;
Session::Logging Session::loglevel = Session::None;
int Session::width = 0;
int Session::height = 0;
Control** Session::map = nullptr;
Vesk::Threading::Atomic::Queue<Vesk::Event> Session::inbox;

namespace {

// The curses screen of the running session. newterm is used instead of
// initscr because initscr ends the process when the terminal is unusable.
SCREEN* screen = nullptr;

}  // namespace

int Session::collectInbox(int, void*) {
    inbox.shrink();
    return 0;
}

bool Session::start(Logging level) {
    if (worker != nullptr) {
        return false;
    }
    loglevel = level;
    // From here on the reader can be woken from a signal handler.
    Vesk::IO::PrepareKeyboardInput();

    // Each step that succeeds pushes its undo; a failure runs them backwards
    // so the host gets the process and the terminal back as they were.
    struct Undo {
        bool log = false;
        bool worker = false;
        bool collector = false;
        bool resize = false;
        bool locale = false;
        bool guard = false;
        bool screen = false;
        bool map = false;
        ~Undo() {
            if (map) {
                freeMap();
            }
            if (screen) {
                endScreen();
            }
            if (guard) {
                TerminalGuard::uninstall();
            }
            if (resize) {
                Resize::restoreHandler();
            }
            if (collector) {
                endCollector();
            }
            if (worker) {
                endWorker();
            }
            if (log) {
                closeLog();
            }
            if (locale) {
                detail::restoreCharacterType();
            }
        }
    } undo;

    // Before any thread of the session runs: setlocale is not thread-safe.
    detail::adoptCharacterType();
    undo.locale = true;

    if (level != None) {
        logfile = new std::ofstream("VeskForms.log", std::ios::out | std::ios::trunc);
        undo.log = true;
        log("Vesk::Forms application session started", Basic);
    }

    worker = new std::thread(workerLoop);
    undo.worker = true;

    collector = new Vesk::Threading::Timer();
    undo.collector = true;
    collector->interval(15000);
    collector->tick(collectInbox);
    collector->enabled(true);

    // Before newterm, which takes SIGWINCH for itself when it finds no handler.
    undo.resize = Resize::installHandler();
    // Also before newterm, which puts in handlers of its own for some of the
    // signals the guard takes.
    TerminalGuard::saveHostState();
    screen = newterm(nullptr, stdout, stdin);
    if (screen == nullptr) {
        throw new std::runtime_error("Cannot initialize terminal!");
    }
    undo.screen = true;
    noecho();
    keypad(stdscr, TRUE);
    cbreak();
    nonl();
    // The keyboard is read by the worker, not by curses; without this, curses
    // would peek at standard input during refresh and cut updates short.
    typeahead(-1);
    TerminalGuard::install();
    undo.guard = true;

    if (has_colors()) {
        start_color();
        log("(curses) Screen initialized: noecho keypad colors", Verbose);
    } else {
        log("(curses) Screen initialized: noecho keypad", Verbose);
    }

    undo.map = true;
    takeScreenSize();

    for (int f = 0; f < 16; ++f) {
        for (int b = 0; b < 16; ++b) {
            init_pair(static_cast<short>(16 * f + b + 1), static_cast<short>(f),
                      static_cast<short>(b));
        }
    }

    log("(curses) 256 color pairs initalized", Verbose);
    log("-----", Basic);

    undo.map = undo.screen = undo.guard = undo.resize = false;
    undo.log = undo.worker = undo.collector = undo.locale = false;
    return true;
}

bool Session::stop() {
    if (worker == nullptr) {
        return false;
    }

    endScreen();
    TerminalGuard::uninstall();
    Resize::restoreHandler();
    log("(curses) Screen uninitialized", Verbose);

    freeMap();

    endWorker();
    log("Worker thread detached", Verbose);

    endCollector();

    log("Session stopped", Basic);
    log("-----", Basic);

    closeLog();
    detail::restoreCharacterType();
    return true;
}

void Session::takeScreenSize() {
    const int columns = getmaxx(stdscr);
    const int lines = getmaxy(stdscr);
    // Allocated before anything is replaced, so a failure leaves the old map
    // and size, which still match each other.
    Control** fresh =
        new Control*[static_cast<std::size_t>(columns) * static_cast<std::size_t>(lines)]();
    delete[] map;
    map = fresh;
    width = columns;
    height = lines;

    std::unique_ptr<std::string> dimensions(
        Vesk::String::Format("Screen dimensions: %d x %d %s", width, height, "characters"));
    log(*dimensions, Verbose);
}

void Session::endScreen() {
    endwin();
    delscreen(screen);
    screen = nullptr;
}

void Session::freeMap() {
    delete[] map;
    map = nullptr;
}

// The reader is woken and joined rather than left blocked, so no reader of
// this session survives into the next one.
void Session::endWorker() {
    Vesk::IO::CancelKeyboardInput();
    worker->join();
    delete worker;
    worker = nullptr;
}

void Session::endCollector() {
    collector->enabled(false);
    delete collector;
    collector = nullptr;
}

void Session::closeLog() {
    delete static_cast<std::ofstream*>(logfile);  // closes the file
    logfile = nullptr;
}

}  // namespace Forms
}  // namespace Vesk
