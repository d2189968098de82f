#pragma once

// The inside of Vesk::Forms::Testing::Terminal, shared by the files that
// implement its members.

#include <sys/types.h>
#include <vterm.h>

#include <condition_variable>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "forms/testing/Terminal.h"

namespace Vesk {
namespace Forms {
namespace Testing {

struct Terminal::State {
    // Guards the emulator and everything below up to `writing`. The reader
    // thread feeds the emulator under it; the reading members look under it.
    std::mutex lock;
    // Notified after each piece of output the emulator took in.
    std::condition_variable changed;
    VTerm* emulator = nullptr;
    VTermScreen* screen = nullptr;
    // Bytes the emulator answers or sends for keys and the mouse, written to
    // the program by send() outside `lock` so a program that does not read
    // cannot stall the reader thread.
    std::string outgoing;
    unsigned long generation = 0;
    int mouseMode = VTERM_PROP_MOUSE_NONE;
    bool cursorVisible = true;
    int rows = 0;
    int columns = 0;

    // Keeps the bytes of concurrent senders apart.
    std::mutex writing;

    int master = -1;
    // Held open for the whole life of the terminal, so the master side never
    // reads as hung up between programs.
    int slave = -1;
    // Written to end the reader thread's poll.
    int wake[2] = {-1, -1};
    std::thread reader;

    // Guards what runs on the terminal: the attachment and the program.
    std::mutex use;
    bool attached = false;
    int savedInput = -1;
    int savedOutput = -1;
    std::optional<std::string> savedTerm, savedLines, savedColumns;
    pid_t child = -1;
    int exitCode = -1;

    // Writes `outgoing` to the master side; false when the pseudo-terminal
    // refused the bytes.
    bool send();
    // Appends `bytes` to `outgoing` and sends them.
    bool send(const std::string& bytes);
    // Moves the pointer to the cell and presses (true) or releases each
    // button in turn, as the program's mouse mode reports them; false while
    // reports are off or for a cell off the screen.
    bool point(int row, int column, std::initializer_list<std::pair<int, bool>> buttons);
    // Reaps the program when it ended; true when it still runs. Call under `use`.
    bool childRuns();
    // SIGTERM, then SIGKILL after a second; reaps it. Call under `use`.
    void endChild();
    // Gives back what attach() replaced. Call under `use`.
    void restoreStandardFiles();

    // The emulator (Emulator.cpp). Throws new std::runtime_error when it
    // cannot be made.
    void openEmulator(int rows, int columns);
    void closeEmulator();
    // The emulator's callbacks, with the state as `user`.
    static void collectOutput(const char* bytes, std::size_t length, void* user);
    static int noteProperty(VTermProp property, VTermValue* value, void* user);
    // The reader thread's loop (Reader.cpp).
    void readOutput();
    // The screen as the kit's cells, under `lock` (ScreenCells.cpp): a blank
    // default cell off the screen; a row's text without its trailing blanks.
    Cell cellAt(int row, int column);
    std::string rowText(int row);
    Cursor cursorNow();
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
