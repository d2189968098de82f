#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace VeskTest {

// What curses holds for one cell of the standard screen.
struct Cell {
    char character = 0;
    bool reverse = false;
    int pair = 0;
    unsigned long raw = 0;  // the whole chtype, for line-drawing characters
};

// Gives a test a real pseudo-terminal as its standard input and output, the
// way a host program sees its terminal: TERM=xterm-256color, LINES and
// COLUMNS unset, a thread draining (and counting) what is written to the
// screen. Each test also runs in a fresh temporary directory, so log files
// of parallel tests never meet. Messages of the test framework still reach
// the original standard output.
class PseudoTerminal : public ::testing::Test {
public:
    explicit PseudoTerminal(int columns = 80, int lines = 25);
    ~PseudoTerminal() override;

    // Contents of a file in the test's directory; empty when it is missing.
    static std::string readFile(const std::string& name);
    static bool fileExists(const std::string& name);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes as if typed on the keyboard.
    void type(const std::string& bytes);
    // Changes the window size seen by the terminal (no signal is sent).
    void resize(int columns, int lines);

    // Reads back what curses holds for a cell of the standard screen; the
    // cursor of the standard screen is left where it was.
    Cell cell(int row, int column);
    // The characters of `count` cells of a row, from `column` on.
    std::string text(int row, int column, int count);
    int cursorRow();
    int cursorColumn();

    // Bytes that reached the terminal so far, and all of them.
    std::size_t bytesWritten();
    std::string output();
    void clearOutput();

    // Waits (up to `timeoutMs`) until the screen output contains `needle`.
    bool waitForOutput(const std::string& needle, int timeoutMs = 2000);

    // The terminal's modes as `stty -g` would show them.
    std::string terminalModes();

    int master = -1;
    int slave = -1;
    std::string directory;

private:
    void drain();

    int columns;
    int lines;
    int savedInput = -1;
    int savedOutput = -1;
    std::string savedDirectory;
    int stopPipe[2] = {-1, -1};
    std::thread drainer;
    std::mutex outputLock;
    std::string captured;
    std::atomic<std::size_t> written{0};
};

// The same with the size given by the test.
class WidePseudoTerminal : public PseudoTerminal {
public:
    WidePseudoTerminal() : PseudoTerminal(132, 40) {}
};

// The original standard output while a PseudoTerminal is set up, -1 otherwise.
int originalOutput();

}  // namespace VeskTest
