// The members of Terminal that open it, resize it and read the screen.
// Sending is in Sending.cpp, waiting in Waiting.cpp, running a program in
// Process.cpp, attaching in Attachment.cpp.
#include "forms/testing/Terminal.h"

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <stdexcept>

#include "testing/Svg.h"
#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

winsize sizeOf(int rows, int columns) {
    winsize size{};
    size.ws_row = static_cast<unsigned short>(rows);
    size.ws_col = static_cast<unsigned short>(columns);
    return size;
}

void closeOnExec(int fd) {
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

}  // namespace

Terminal::Terminal(int rows, int columns) : state(new State) {
    // A wide character takes two columns; the emulator fails on one that
    // cannot fit.
    if (rows < 1 || columns < 2) {
        throw new std::runtime_error("A terminal needs at least one row and two columns");
    }
    winsize size = sizeOf(rows, columns);
    if (openpty(&state->master, &state->slave, nullptr, nullptr, &size) != 0) {
        throw new std::runtime_error("Cannot open a pseudo-terminal");
    }
    closeOnExec(state->master);
    closeOnExec(state->slave);
    // The reader thread polls before it reads and writes, and must never
    // block on a program that stopped reading.
    fcntl(state->master, F_SETFL, fcntl(state->master, F_GETFL) | O_NONBLOCK);
    if (pipe2(state->wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        close(state->master);
        close(state->slave);
        throw new std::runtime_error("Cannot open a pipe");
    }
    try {
        state->openEmulator(rows, columns);
    } catch (std::runtime_error*) {
        for (int fd : {state->master, state->slave, state->wake[0], state->wake[1]}) {
            close(fd);
        }
        throw;
    }
    state->reader = std::thread([this] { state->readOutput(); });
}

Terminal::~Terminal() {
    {
        std::lock_guard<std::mutex> guard(state->use);
        if (state->child > 0) {
            state->endChild();
        }
        if (state->attached) {
            state->restoreStandardFiles();
        }
    }
    {
        std::lock_guard<std::mutex> guard(state->lock);
        state->stopping = true;
    }
    state->wakeReader();
    state->reader.join();
    for (int fd : {state->master, state->slave, state->wake[0], state->wake[1]}) {
        close(fd);
    }
    state->closeEmulator();
}

bool Terminal::resize(int rows, int columns) {
    if (rows < 1 || columns < 2) {
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(state->lock);
        vterm_set_size(state->emulator, rows, columns);
        state->rows = rows;
        state->columns = columns;
    }
    // The kernel signals the foreground process group of a program's
    // controlling terminal; this process is not in it.
    winsize size = sizeOf(rows, columns);
    if (ioctl(state->master, TIOCSWINSZ, &size) != 0) {
        return false;
    }
    std::lock_guard<std::mutex> guard(state->use);
    if (state->attached) {
        kill(getpid(), SIGWINCH);
    }
    return true;
}

std::string Terminal::text() {
    std::lock_guard<std::mutex> guard(state->lock);
    std::string text;
    for (int row = 0; row < state->rows; ++row) {
        if (row > 0) {
            text += '\n';
        }
        text += state->rowText(row);
    }
    return text;
}

std::string Terminal::row(int row) {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->rowText(row);
}

std::string Terminal::cells(int row, int from, int to) {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->cellsText(row, from, to);
}

Position Terminal::find(const std::string& text) {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->place(text);
}

Cell Terminal::cell(int row, int column) {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->cellAt(row, column);
}

Cursor Terminal::cursor() {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->cursorNow();
}

std::string Terminal::svg() {
    std::vector<std::vector<Cell>> cells;
    Cursor where;
    {
        std::lock_guard<std::mutex> guard(state->lock);
        cells.resize(static_cast<std::size_t>(state->rows));
        for (int row = 0; row < state->rows; ++row) {
            for (int column = 0; column < state->columns; ++column) {
                cells[static_cast<std::size_t>(row)].push_back(state->cellAt(row, column));
            }
        }
        where = state->cursorNow();
    }
    return svgPicture(cells, where);
}

int Terminal::rows() {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->rows;
}

int Terminal::columns() {
    std::lock_guard<std::mutex> guard(state->lock);
    return state->columns;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
