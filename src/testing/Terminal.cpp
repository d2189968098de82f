// The members of Terminal that open it, send to the program and read the
// screen. Running a program is in Process.cpp, attaching in Attachment.cpp.
#include "forms/testing/Terminal.h"

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <stdexcept>

#include "testing/KeyBytes.h"
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

bool Terminal::State::send() {
    std::lock_guard<std::mutex> order(writing);
    std::string bytes;
    {
        std::lock_guard<std::mutex> guard(lock);
        bytes.swap(outgoing);
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool Terminal::State::send(const std::string& bytes) {
    {
        std::lock_guard<std::mutex> guard(lock);
        outgoing += bytes;
    }
    return send();
}

Terminal::Terminal(int rows, int columns) : state(new State) {
    if (rows < 1 || columns < 1) {
        throw new std::runtime_error("A terminal needs at least one row and one column");
    }
    winsize size = sizeOf(rows, columns);
    if (openpty(&state->master, &state->slave, nullptr, nullptr, &size) != 0) {
        throw new std::runtime_error("Cannot open a pseudo-terminal");
    }
    closeOnExec(state->master);
    closeOnExec(state->slave);
    if (pipe2(state->wake, O_CLOEXEC) != 0) {
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
    const char stop = 0;
    while (::write(state->wake[1], &stop, 1) < 0 && errno == EINTR) {
    }
    state->reader.join();
    for (int fd : {state->master, state->slave, state->wake[0], state->wake[1]}) {
        close(fd);
    }
    state->closeEmulator();
}

bool Terminal::type(const std::string& bytes) {
    return state->send(bytes);
}

bool Terminal::press(Vesk::Event key) {
    KeyStroke stroke;
    if (!keyStrokeOf(key, stroke)) {
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(state->lock);
        if (stroke.key == VTERM_KEY_NONE) {
            vterm_keyboard_unichar(state->emulator, stroke.character, stroke.modifiers);
        } else {
            vterm_keyboard_key(state->emulator, stroke.key, stroke.modifiers);
        }
    }
    return state->send();
}

bool Terminal::click(int row, int column) {
    return state->point(row, column, {{1, true}, {1, false}});
}

bool Terminal::wheel(int row, int column, bool up) {
    // Buttons 4 and 5 are the wheel's notches; they have no release.
    return state->point(row, column, {{up ? 4 : 5, true}});
}

bool Terminal::State::point(int row, int column,
                            std::initializer_list<std::pair<int, bool>> buttons) {
    {
        std::lock_guard<std::mutex> guard(lock);
        if (mouseMode == VTERM_PROP_MOUSE_NONE || row < 0 || column < 0 || row >= rows ||
            column >= columns) {
            return false;
        }
        vterm_mouse_move(emulator, row, column, VTERM_MOD_NONE);
        for (const auto& [button, pressed] : buttons) {
            vterm_mouse_button(emulator, button, pressed, VTERM_MOD_NONE);
        }
    }
    return send();
}

bool Terminal::resize(int rows, int columns) {
    if (rows < 1 || columns < 1) {
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

bool Terminal::waitFor(const std::string& text, std::chrono::milliseconds timeout) {
    return waitUntil(
        [&text](Terminal& terminal) {
            const int rows = terminal.rows();
            for (int row = 0; row < rows; ++row) {
                if (terminal.row(row).find(text) != std::string::npos) {
                    return true;
                }
            }
            return false;
        },
        timeout);
}

bool Terminal::waitUntil(const std::function<bool(Terminal&)>& condition,
                         std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        unsigned long seen;
        {
            std::lock_guard<std::mutex> guard(state->lock);
            seen = state->generation;
        }
        if (condition(*this)) {
            return true;
        }
        std::unique_lock<std::mutex> guard(state->lock);
        if (!state->changed.wait_until(guard, deadline,
                                       [&] { return state->generation != seen; })) {
            guard.unlock();
            return condition(*this);
        }
    }
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
