#include "support/PseudoTerminal.h"

#include <curses.h>
#include <fcntl.h>
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
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

// While standard output is the pseudo-terminal, the framework's failure
// messages would vanish into it; this copies them to the real output.
class FailureForwarder : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        int fd = forwardTo.load();
        if (fd < 0 || !result.failed()) {
            return;
        }
        std::ostringstream message;
        message << (result.file_name() ? result.file_name() : "?") << ':' << result.line_number()
                << ": Failure\n"
                << result.message() << '\n';
        writeAll(fd, message.str());
    }
};

const bool forwarderInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FailureForwarder);
    return true;
}();

}  // namespace

int originalOutput() {
    return forwardTo.load();
}

PseudoTerminal::PseudoTerminal(int columns, int lines) : columns(columns), lines(lines) {
    (void)forwarderInstalled;
}

PseudoTerminal::~PseudoTerminal() = default;

void PseudoTerminal::SetUp() {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(lines);
    ASSERT_EQ(0, openpty(&master, &slave, nullptr, nullptr, &size));
    ASSERT_EQ(0, pipe2(stopPipe, O_CLOEXEC));

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

    drainer = std::thread([this] { drain(); });
}

void PseudoTerminal::TearDown() {
    if (Vesk::Forms::Session::running()) {
        Vesk::Forms::Session::stop();
    }
    std::fflush(stdout);
    forwardTo.store(-1);
    if (savedInput >= 0) {
        dup2(savedInput, 0);
        close(savedInput);
        savedInput = -1;
    }
    if (savedOutput >= 0) {
        dup2(savedOutput, 1);
        close(savedOutput);
        savedOutput = -1;
    }
    if (drainer.joinable()) {
        char byte = 0;
        (void)!::write(stopPipe[1], &byte, 1);
        drainer.join();
    }
    for (int* fd : {&stopPipe[0], &stopPipe[1], &slave, &master}) {
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

void PseudoTerminal::drain() {
    char buffer[4096];
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents & POLLIN) {
            ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
                std::lock_guard<std::mutex> lock(outputLock);
                captured.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
        }
        if (fds[1].revents & POLLIN) {
            return;
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // No writer on the slave side for the moment; don't spin.
            poll(&fds[1], 1, 10);
            if (fds[1].revents & POLLIN) {
                return;
            }
        }
    }
}

void PseudoTerminal::type(const std::string& bytes) {
    writeAll(master, bytes);
}

void PseudoTerminal::resize(int newColumns, int newLines) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(newColumns);
    size.ws_row = static_cast<unsigned short>(newLines);
    ioctl(master, TIOCSWINSZ, &size);
    columns = newColumns;
    lines = newLines;
}

Cell PseudoTerminal::cell(int row, int column) {
    int y = 0;
    int x = 0;
    getyx(stdscr, y, x);
    chtype ch = mvwinch(stdscr, row, column);
    wmove(stdscr, y, x);
    Cell cell;
    cell.raw = ch;
    cell.character = static_cast<char>(ch & A_CHARTEXT);
    cell.reverse = (ch & A_REVERSE) != 0;
    cell.pair = static_cast<int>(PAIR_NUMBER(ch));
    return cell;
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
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (output().find(needle) != std::string::npos) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

std::string PseudoTerminal::readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
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
