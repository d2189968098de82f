#include "support/PseudoTerminal.h"

#include <curses.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "forms/Session.h"

namespace VeskTest {

namespace {

std::atomic<int> forwardTo{-1};

void writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

// Failure messages written while stdout is the pseudo-terminal would vanish.
class FailureForwarder : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (forwardTo.load() >= 0 && result.failed()) {
            std::ostringstream message;
            message << (result.file_name() ? result.file_name() : "?") << ':'
                    << result.line_number() << ": Failure\n"
                    << result.message() << '\n';
            writeAll(forwardTo.load(), message.str());
        }
    }
};

const bool forwarderInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FailureForwarder);
    return true;
}();

winsize sizeOf(int columns, int lines) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(lines);
    return size;
}

}  // namespace

int originalOutput() {
    return forwardTo.load();
}

void PseudoTerminal::SetUp() {
    (void)forwarderInstalled;
    winsize size = sizeOf(columns, lines);
    ASSERT_EQ(0, openpty(&master, &slave, nullptr, nullptr, &size));
    char buffer[] = "/tmp/vesk-test-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(buffer));
    directory = buffer;
    savedDirectory = std::filesystem::current_path().string();
    std::filesystem::current_path(directory);

    setenv("TERM", "xterm-256color", 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");

    std::fflush(stdout);
    savedInput = dup(0);
    savedOutput = dup(1);
    dup2(slave, 0);
    dup2(slave, 1);
    forwardTo.store(savedOutput);

    drainer = std::thread([this] {
        char chunk[4096];
        while (!stopping) {
            pollfd ready{master, POLLIN, 0};
            ssize_t n = poll(&ready, 1, 10) == 1 && (ready.revents & POLLIN)
                            ? ::read(master, chunk, sizeof chunk)
                            : 0;
            if (n > 0) {
                written += static_cast<std::size_t>(n);
                std::lock_guard<std::mutex> lock(outputLock);
                captured.append(chunk, static_cast<std::size_t>(n));
            } else if (ready.revents & (POLLHUP | POLLERR)) {
                // No writer on the slave side for the moment; don't spin.
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    });
}

void PseudoTerminal::TearDown() {
    if (Vesk::Forms::Session::running()) {
        Vesk::Forms::Session::stop();
    }
    std::fflush(stdout);
    forwardTo.store(-1);
    for (auto [saved, fd] : {std::pair{&savedInput, 0}, std::pair{&savedOutput, 1}}) {
        if (*saved >= 0) {
            dup2(*saved, fd);
            close(*saved);
            *saved = -1;
        }
    }
    stopping = true;
    if (drainer.joinable()) {
        drainer.join();
    }
    for (int* fd : {&slave, &master}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
    if (!savedDirectory.empty()) {
        std::filesystem::current_path(savedDirectory);
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }
}

void PseudoTerminal::type(const std::string& bytes) {
    writeAll(master, bytes);
}

void PseudoTerminal::resize(int newColumns, int newLines) {
    winsize size = sizeOf(newColumns, newLines);
    ioctl(master, TIOCSWINSZ, &size);
}

Cell PseudoTerminal::cell(int row, int column) {
    int y = getcury(stdscr);
    int x = getcurx(stdscr);
    chtype ch = mvwinch(stdscr, row, column);
    wmove(stdscr, y, x);
    return Cell{static_cast<char>(ch & A_CHARTEXT), (ch & A_REVERSE) != 0,
                static_cast<int>(PAIR_NUMBER(ch)), ch};
}

std::string PseudoTerminal::text(int row, int column, int count) {
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += cell(row, column + i).character;
    }
    return result;
}

int PseudoTerminal::cursorRow() {
    return getcury(stdscr);
}
int PseudoTerminal::cursorColumn() {
    return getcurx(stdscr);
}

std::size_t PseudoTerminal::bytesWritten() {
    return written.load();
}

std::string PseudoTerminal::output() {
    std::lock_guard<std::mutex> lock(outputLock);
    return captured;
}

void PseudoTerminal::clearOutput() {
    std::lock_guard<std::mutex> lock(outputLock);
    captured.clear();
}

bool PseudoTerminal::waitForOutput(const std::string& needle, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (output().find(needle) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string PseudoTerminal::readFile(const std::string& name) {
    std::ostringstream contents;
    contents << std::ifstream(name, std::ios::binary).rdbuf();
    return contents.str();
}

bool PseudoTerminal::fileExists(const std::string& name) {
    return std::filesystem::exists(name);
}

std::string PseudoTerminal::terminalModes() {
    termios modes{};
    if (tcgetattr(slave, &modes) != 0) {
        return "";
    }
    std::ostringstream text;
    text << std::hex << modes.c_iflag << ':' << modes.c_oflag << ':' << modes.c_cflag << ':'
         << modes.c_lflag;
    for (cc_t c : modes.c_cc) {
        text << ':' << static_cast<unsigned>(c);
    }
    return text.str();
}

}  // namespace VeskTest
