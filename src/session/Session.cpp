#include "forms/Session.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <stdexcept>

#include "session/LogFile.h"
#include "session/ScreenMap.h"
#include "terminal/Terminal.h"
#include "vesk/Format.h"
#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {

using detail::Terminal;

std::thread* Session::worker = nullptr;
Vesk::Threading::Timer* Session::collector = nullptr;
void* Session::logfile = nullptr;
Session::Logging Session::loglevel = Session::None;
detail::ScreenMap* Session::map = nullptr;
Control* Session::keysField = nullptr;
Vesk::Threading::Atomic::Queue<Vesk::Event> Session::inbox;

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

    // A step that fails throws; the steps reached so far are undone by the
    // same code as stop, so the host gets the process and the terminal back
    // as they were.
    Step reached = Nothing;
    try {
        if (level != None) {
            logfile = new detail::LogFile();
            log("Vesk::Forms application session started", Basic);
        }
        reached = LogOpen;

        // Before the keyboard worker: a session that cannot draw leaves the
        // keyboard alone.
        if (!Terminal::outputIsTerminal()) {
            throw new std::runtime_error("Standard output is not a terminal!");
        }

        worker = new std::thread(workerLoop);
        reached = WorkerRuns;

        collector = new Vesk::Threading::Timer();
        reached = CollectorRuns;
        collector->interval(15000);
        collector->tick(collectInbox);
        collector->enabled(true);
        openTickers(true);

        if (!Terminal::open()) {
            throw new std::runtime_error("Cannot initialize terminal!");
        }
        reached = TerminalOpen;
        log(Terminal::colors() ? "(curses) Screen initialized: noecho keypad colors"
                               : "(curses) Screen initialized: noecho keypad",
            Verbose);

        takeScreenSize();
    } catch (...) {
        end(reached);
        throw;
    }

    // A host that returns from main or calls exit() without stop still gets
    // its terminal back, and the keyboard worker is joined before the inbox
    // it posts to is destroyed: registered after everything start built, so
    // it runs before their destructors.
    // Not from a host's signal handler that calls exit(): the terminal is
    // given back already, and the thread it interrupted may hold what stop
    // would wait for.
    static const bool stopsAtExit = std::atexit([] {
        if (!Terminal::givenBack()) {
            stop();
        }
    }) == 0;
    (void)stopsAtExit;

    // The colour pairs were defined as the terminal opened.
    log("(curses) 256 color pairs initalized", Verbose);
    log("-----", Basic);
    return true;
}

void Session::mouse(bool on) {
    detail::Terminal::mouse(on);
}

bool Session::mouse() {
    return detail::Terminal::mouse();
}

int Session::screenWidth() {
    return Terminal::width();
}

int Session::screenHeight() {
    return Terminal::height();
}

bool Session::stop() {
    if (worker == nullptr) {
        return false;
    }
    end(TerminalOpen);
    return true;
}

void Session::end(Step reached) {
    // First: no ticker posts once stop has returned.
    openTickers(false);
    if (reached >= TerminalOpen) {
        Terminal::close();
        log("(curses) Screen uninitialized", Verbose);
    }

    delete map;
    map = nullptr;

    // The reader is woken and joined rather than left blocked, so no reader
    // of this session survives into the next one.
    if (reached >= WorkerRuns) {
        Vesk::IO::CancelKeyboardInput();
        worker->join();
        delete worker;
        worker = nullptr;
        log("Worker thread detached", Verbose);
    }

    if (reached >= CollectorRuns) {
        collector->enabled(false);
        delete collector;
        collector = nullptr;
    }

    log("Session stopped", Basic);
    log("-----", Basic);

    delete static_cast<detail::LogFile*>(logfile);  // closes the file
    logfile = nullptr;
}

void Session::takeScreenSize() {
    const int columns = screenWidth();
    const int lines = screenHeight();
    // The map carries its own size: a failure here leaves the old one, whose
    // cells still match it.
    auto* fresh = new detail::ScreenMap(columns, lines);
    delete map;
    map = fresh;

    std::unique_ptr<std::string> dimensions(
        Vesk::String::Format("Screen dimensions: %d x %d %s", columns, lines, "characters"));
    log(*dimensions, Verbose);
}

}  // namespace Forms
}  // namespace Vesk
