// Key demo: starts a session, shows the event code of every key as it
// arrives, and ends on `q`. The session log is left in VeskForms.log.
#include <curses.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "forms/Forms.h"

using Vesk::Forms::Session;

namespace {

const char* nameOf(int code) {
    switch (code) {
        case Vesk::KeyTab: return "KeyTab";
        case Vesk::KeyLineFeed: return "KeyLineFeed";
        case Vesk::KeyEnter: return "KeyEnter";
        case Vesk::UpdateView: return "UpdateView";
        case Vesk::KeyDown: return "KeyDown";
        case Vesk::KeyUp: return "KeyUp";
        case Vesk::KeyLeft: return "KeyLeft";
        case Vesk::KeyRight: return "KeyRight";
        case Vesk::KeyNextPage: return "KeyNextPage";
        case Vesk::KeyPreviousPage: return "KeyPreviousPage";
        case Vesk::KeyBackTab: return "KeyBackTab";
        default: return nullptr;
    }
}

}  // namespace

int main() {
    try {
        Session::start(Session::Verbose);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);
        std::fprintf(stderr, "vesk-demo: %s\n", owned->what());
        return 1;
    }

    // The host draws with curses between events; the library never reads
    // the keyboard through curses, so this is safe while keys arrive.
    mvaddstr(0, 0, "vesk-forms key demo - press keys to see their event codes, q quits");
    refresh();

    int row = 2;
    for (;;) {
        int code = Session::getEvent();
        if (code == 'q') {
            break;
        }
        const char* name = nameOf(code);
        if (row >= Session::screenHeight()) {
            row = 2;
        }
        move(row, 0);
        clrtoeol();
        if (name != nullptr) {
            mvprintw(row, 0, "0x%08X  %s", static_cast<unsigned>(code), name);
        } else if (code >= 0x20 && code < 0x7F) {
            mvprintw(row, 0, "0x%08X  '%c'", static_cast<unsigned>(code), code);
        } else {
            mvprintw(row, 0, "0x%08X", static_cast<unsigned>(code));
        }
        move(row + 1 < Session::screenHeight() ? row + 1 : 2, 0);
        clrtoeol();
        refresh();
        ++row;
    }

    Session::stop();
    return 0;
}
