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

// A real pseudo-terminal as standard input and output, as a host program sees
// it: TERM=xterm-256color, LINES and COLUMNS unset, and a thread draining (and
// counting) the screen output. Each test runs in a fresh temporary directory
// so that log files of parallel tests never meet; failure messages still
// reach the original standard output.
class PseudoTerminal : public ::testing::Test {
public:
    explicit PseudoTerminal(int columns = 80, int lines = 25) : columns(columns), lines(lines) {}

    // Contents of a file in the test's directory; empty when it is missing.
    static std::string readFile(const std::string& name);
    static bool fileExists(const std::string& name);

protected:
    void SetUp() override;
    void TearDown() override;

    void type(const std::string& bytes);  // as if typed on the keyboard
    void resize(int columns, int lines);  // no signal is sent
    Cell cell(int row, int column);       // leaves the cursor of stdscr alone
    std::string text(int row, int column, int count);
    int cursorRow();
    int cursorColumn();
    std::size_t bytesWritten();
    std::string output();
    void clearOutput();
    bool waitForOutput(const std::string& needle, int timeoutMs = 2000);
    std::string terminalModes();  // every termios field, for comparing

    int master = -1;
    int slave = -1;
    std::string directory;

private:
    const int columns;
    const int lines;
    int savedInput = -1;
    int savedOutput = -1;
    std::string savedDirectory;
    std::atomic<bool> stopping{false};
    std::thread drainer;
    std::mutex outputLock;
    std::string captured;
    std::atomic<std::size_t> written{0};
};

class WidePseudoTerminal : public PseudoTerminal {
public:
    WidePseudoTerminal() : PseudoTerminal(132, 40) {}
};

// The original standard output while a PseudoTerminal is set up, -1 otherwise.
int originalOutput();

}  // namespace VeskTest
