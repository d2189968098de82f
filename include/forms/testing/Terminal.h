#pragma once

/// @file
/// The testing kit: a form driven headless through a pseudo-terminal and read
/// back through a terminal emulator.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/testing/Cell.h"
#include "forms/testing/Cursor.h"
#include "forms/testing/Export.h"
#include "forms/testing/Position.h"
#include "forms/testing/WaitResult.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
/// Tools for testing programs built on the library, usable from any test
/// framework.
namespace Testing {

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
/// row(), cells(), find(), cell(), cursor(), svg()) show what arrived so far;
/// use waitFor() or waitUntil() to wait for a program's output.
class VESK_FORMS_TESTING_API Terminal {
public:
    /// Opens a pseudo-terminal of `rows` by `columns` cells with a blank
    /// screen: at least one row and two columns, the width of a wide
    /// character. Throws new std::runtime_error("...") for a smaller size or
    /// when no pseudo-terminal can be opened.
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
    /// stays, so test failures are seen; the real standard output is kept
    /// for writeToRealOutput() (forms/testing/GTest.h sends GoogleTest's
    /// results there). False when already attached or running a program.
    bool attach();
    /// Gives back the standard input and output and the environment that
    /// attach() replaced. Stop the session first. False when not attached.
    bool detach();

    /// Starts `program` (a path, or a name looked up in PATH) with
    /// `arguments` in a new session whose controlling terminal is the
    /// pseudo-terminal, with this process's environment less LINES and
    /// COLUMNS (which would override the terminal's size), plus
    /// TERM=xterm-256color and each "NAME=value" of `environment` (which may
    /// set LINES and COLUMNS again); in `directory` when it is not empty.
    /// False when it cannot be started or something already runs on this
    /// terminal.
    bool run(const std::string& program, const std::vector<std::string>& arguments = {},
             const std::vector<std::string>& environment = {}, const std::string& directory = {});
    /// Whether the program started by run() is still running.
    bool running();
    /// Waits until the program ends; its exit code, 128 + the signal number
    /// when a signal ended it, or -1 when it still runs after `timeout`.
    int wait(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    /// Sends `bytes` as typed, unchanged. True once the pseudo-terminal took
    /// them all for the program; false when it refused them, or when not all
    /// were taken within `timeout` because the program stopped reading and
    /// the pseudo-terminal's buffer stayed full. The bytes not taken by then
    /// stay queued, in order, and go when the program reads again. Sending
    /// never holds up the reading of the program's output, so a program that
    /// echoes what it reads is fine.
    bool type(const std::string& bytes,
              std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// Sends the bytes the terminal sends for a key: a character
    /// (Vesk::CharacterEvent or a plain code below 0x80), Enter, Tab,
    /// back-tab, Escape (Vesk::KeyEscape or 0x1B), Backspace, Delete, the
    /// arrows, Home, End, Page Up and Down, F10. Honours the modes the
    /// program set (application cursor keys). False for an event no key
    /// sends, or as type() when the program does not take the bytes within
    /// five seconds.
    bool press(Vesk::Event key);
    /// The same for an event code held in an int, e.g. press(0x1B) or
    /// press(Vesk::CharacterEvent(U'é')).
    bool press(int code);
    /// Presses the key of an ASCII character, e.g. press('a'); a control
    /// character presses its key as press(int) does (a tab, Tab). False for
    /// a byte from 0x80 up, which is no character alone (type() sends UTF-8).
    bool press(char character);
    /// Presses the key of a character given by its code point, e.g.
    /// press(U'é') or press(U'世'); control characters press their key as
    /// press(int) does. False for a code point no key sends (a surrogate,
    /// one past U+10FFFF).
    bool press(char32_t character);
    /// Moves the pointer to the cell and presses and releases the left
    /// button. False, sending nothing, while the program has not turned
    /// mouse reports on.
    bool click(int row, int column);
    /// Moves the pointer to the cell and turns the wheel one notch, up
    /// (away from the user) or down. False, sending nothing, while the
    /// program has not turned mouse reports on.
    bool wheel(int row, int column, bool up);
    /// Gives the terminal a new size and tells the program (SIGWINCH).
    /// False, changing nothing, below one row or two columns.
    bool resize(int rows, int columns);

    /// Waits until the screen shows `text` (within one row) or `timeout`
    /// passes. The result tests as true when the text was seen and prints
    /// what was awaited, how long the wait took and the screen (see
    /// WaitResult).
    WaitResult waitFor(const std::string& text,
                       std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// Waits until `condition` holds or `timeout` passes; the result tests
    /// as true when it held. The condition is checked at once and again
    /// after each output, and may call this terminal's reading members.
    WaitResult waitUntil(const std::function<bool(Terminal&)>& condition,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// The same, with `what` naming the condition in the printed result,
    /// e.g. "the cursor in the name field".
    WaitResult waitUntil(const std::string& what, const std::function<bool(Terminal&)>& condition,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

    /// Every row (see row()), joined by "\n".
    std::string text();
    /// A row's characters as UTF-8 (a wide character once), without the
    /// blanks at its end; "" for a row off the screen.
    std::string row(int row);
    /// The characters of a row's cells from column `from` up to, not
    /// including, column `to`, as UTF-8 with their blanks: a wide character
    /// counts as two cells. A wide character cut by either edge shows as a
    /// blank for its half inside, so the text stays `to - from` cells wide.
    /// Columns off the screen are left out; "" for a row off the screen.
    std::string cells(int row, int from, int to);
    /// Where `text` first stands on the screen, within one row: the first
    /// row that has it, and the cell column where it starts there (cells,
    /// not bytes or characters: a wide character before it counts two). A
    /// Position that tests as false (row and column -1) when no row has it.
    Position find(const std::string& text);
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

    /// Writes `text` to the process's real standard output: the one attach()
    /// put aside while a terminal is attached, else descriptor 1. For
    /// messages a test writes for its user while its standard output is the
    /// pseudo-terminal. False when not all of it could be written.
    static bool writeToRealOutput(const std::string& text);

private:
    struct State;
    std::unique_ptr<State> state;
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
