#pragma once

/// @file
/// The testing kit: a form driven headless through a pseudo-terminal and read
/// back through a terminal emulator.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/testing/Export.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
/// Tools for testing programs built on the library, usable from any test
/// framework.
namespace Testing {

/// One cell of the emulated screen, as a terminal shows it.
struct Cell {
    /// The character as UTF-8 with any combining marks; a blank is " ". The
    /// right half of a wide character is "" (its left cell holds it).
    std::string text;
    /// Colour indexes (0..255), or -1 for the terminal's default colour.
    int foreground = -1;
    /// The background's colour index (0..255), or -1 for the default.
    int background = -1;
    /// Shown in reverse video.
    bool reverse = false;
    /// Shown bold.
    bool bold = false;
    /// Cells the character takes: 1, or 2 for a wide character.
    int width = 1;
};

/// Where the cursor is, counted from 0, and whether it is shown.
struct Cursor {
    /// The row, from 0 at the top.
    int row = 0;
    /// The column, from 0 at the left.
    int column = 0;
    /// Whether the program shows the cursor.
    bool visible = true;
};

/// A pseudo-terminal with a terminal emulator on its other side: what a
/// program writes is interpreted as an xterm would (TERM=xterm-256color), and
/// keys and mouse clicks are sent as the bytes such a terminal sends.
///
/// A form runs on it in one of two ways:
/// - in the test's own process: attach() makes the pseudo-terminal the
///   process's standard input and output, the test starts the session, drives
///   it and stops it, and detach() (or the destructor) gives the test its own
///   descriptors back;
/// - as a separate program: run() starts a host program with the
///   pseudo-terminal as its controlling terminal.
///
/// Every member may be called from any thread. Reading members (text(),
/// row(), cell(), cursor(), svg()) show what arrived so far; use waitFor() or
/// waitUntil() to wait for a program's output.
class VESK_FORMS_TESTING_API Terminal {
public:
    /// Opens a pseudo-terminal of `rows` by `columns` cells with a blank
    /// screen. Throws new std::runtime_error("...") when no pseudo-terminal
    /// can be opened.
    explicit Terminal(int rows = 25, int columns = 80);
    /// Detaches, or stops a running program (SIGTERM, then SIGKILL after a
    /// second) and reaps it.
    ~Terminal();
    /// Not copyable: the terminal owns its pseudo-terminal and program.
    Terminal(const Terminal&) = delete;
    /// Not assignable.
    Terminal& operator=(const Terminal&) = delete;

    /// Makes the pseudo-terminal the process's standard input and output and
    /// sets TERM=xterm-256color (LINES and COLUMNS are unset). Standard error
    /// stays, so test failures are seen. False when already attached or
    /// running a program.
    bool attach();
    /// Gives back the standard input and output and the environment that
    /// attach() replaced. Stop the session first. False when not attached.
    bool detach();

    /// Starts `program` (a path, or a name looked up in PATH) with
    /// `arguments` in a new session whose controlling terminal is the
    /// pseudo-terminal, with this process's environment plus
    /// TERM=xterm-256color and each "NAME=value" of `environment`; in
    /// `directory` when it is not empty. False when it cannot be started or
    /// something already runs on this terminal.
    bool run(const std::string& program, const std::vector<std::string>& arguments = {},
             const std::vector<std::string>& environment = {}, const std::string& directory = {});
    /// Whether the program started by run() is still running.
    bool running();
    /// Waits until the program ends; its exit code, 128 + the signal number
    /// when a signal ended it, or -1 when it still runs after `timeout`.
    int wait(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    /// Sends `bytes` as typed, unchanged; false when the pseudo-terminal
    /// refuses them.
    bool type(const std::string& bytes);
    /// Sends the bytes the terminal sends for a key: a character
    /// (Vesk::CharacterEvent or a plain code below 0x80), Enter, Tab,
    /// back-tab, Escape, Backspace, Delete, the arrows, Home, End, Page Up
    /// and Down, F10. Honours the modes the program set (application cursor
    /// keys). False for an event no key sends.
    bool press(Vesk::Event key);
    /// Moves the pointer to the cell and presses and releases the left
    /// button. False, sending nothing, while the program has not turned
    /// mouse reports on.
    bool click(int row, int column);
    /// Moves the pointer to the cell and turns the wheel one notch, up
    /// (away from the user) or down. False, sending nothing, while the
    /// program has not turned mouse reports on.
    bool wheel(int row, int column, bool up);
    /// Gives the terminal a new size and tells the program (SIGWINCH).
    bool resize(int rows, int columns);

    /// Waits until the screen shows `text` (within one row) or `timeout`
    /// passes; true when it was seen.
    bool waitFor(const std::string& text,
                 std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// Waits until `condition` holds or `timeout` passes; true when it held.
    /// The condition is checked at once and again after each output, and may
    /// call this terminal's reading members.
    bool waitUntil(const std::function<bool(Terminal&)>& condition,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5));

    /// Every row (see row()), joined by "\n".
    std::string text();
    /// A row's characters as UTF-8 (a wide character once), without the
    /// blanks at its end; "" for a row off the screen.
    std::string row(int row);
    /// One cell; a blank default cell for a cell off the screen.
    Cell cell(int row, int column);
    /// Where the cursor is now.
    Cursor cursor();
    /// A picture of the screen as an SVG document: every cell with its
    /// colours, reverse video and bold, and the cursor when it is shown.
    std::string svg();

    /// The screen's height in rows.
    int rows();
    /// The screen's width in columns.
    int columns();

private:
    struct State;
    std::unique_ptr<State> state;
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
