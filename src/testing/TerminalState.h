#pragma once

// The inside of Vesk::Forms::Testing::Terminal, shared by the files that
// implement its members.

#include <sys/types.h>
#include <vterm.h>

#include <atomic>
#include <chrono>
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
    // Guards the emulator and everything below up to `master`. The reader
    // thread feeds the emulator and writes `outgoing` under it; the reading
    // members look under it. Nothing blocks while holding it.
    std::mutex lock;
    // Notified after each piece of output the emulator took in.
    std::condition_variable changed;
    VTerm* emulator = nullptr;
    VTermScreen* screen = nullptr;
    // Bytes for the program not yet written: typed, the emulator's keys and
    // mouse reports, and its answers to the program's queries. Only the
    // reader thread writes them, as the program takes them, so a program
    // that does not read cannot stall the reading of its output.
    std::string outgoing;
    // Bytes ever queued to `outgoing`, and ever written from it (or dropped
    // because the pseudo-terminal refused them); `refused` is the count up to
    // which bytes were dropped.
    unsigned long long queued = 0;
    unsigned long long written = 0;
    unsigned long long refused = 0;
    // Notified when bytes were written or dropped.
    std::condition_variable sent;
    // Tells the reader thread to end.
    bool stopping = false;
    unsigned long generation = 0;
    // From the reader's read of the master side until what it read is in
    // the emulator, so a wait can tell output taken from output in hand.
    std::atomic<bool> feeding{false};
    int mouseMode = VTERM_PROP_MOUSE_NONE;
    bool cursorVisible = true;
    int rows = 0;
    int columns = 0;

    int master = -1;
    // Held open for the whole life of the terminal, so the master side never
    // reads as hung up between programs.
    int slave = -1;
    // Written to wake the reader thread's poll: there is output to send, or
    // it is to end.
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

    // Queues `bytes` and sends them as sendQueued() does.
    bool send(const std::string& bytes, std::chrono::milliseconds timeout);
    // Wakes the reader thread to write what was queued since `from` (a
    // count of `queued`) and waits until it was written: false when some of
    // it was refused, or when it was not all written within `timeout`.
    bool sendQueued(std::unique_lock<std::mutex>& guard, unsigned long long from,
                    std::chrono::milliseconds timeout);
    void wakeReader();
    // Moves the pointer to the cell and presses (true) or releases each
    // button in turn, as the program's mouse mode reports them; false while
    // reports are off or for a cell off the screen.
    bool point(int row, int column, std::initializer_list<std::pair<int, bool>> buttons);
    // Sends the key of an event; false for one no key sends.
    bool press(Vesk::Event key);
    // Reaps the program when it ended; true when it still runs. Call under `use`.
    bool childRuns();
    // Waits until the program's last output is in the emulator: the master
    // side has nothing left to read and the reader nothing in hand, for a
    // while (the pseudo-terminal hands bytes on a little after they were
    // written, and the slave stays open here, so no hang-up marks the end).
    void settleOutput();
    // SIGTERM, then SIGKILL after a second; reaps it. Call under `use`.
    void endChild();
    // The real standard output while attached, for writeToRealOutput().
    // Call under `use`.
    void keepRealOutput();
    void dropRealOutput();
    // Gives back what attach() replaced. Call under `use`.
    void restoreStandardFiles();

    // The emulator (Emulator.cpp). Throws new std::runtime_error when it
    // cannot be made.
    void openEmulator(int rows, int columns);
    void closeEmulator();
    // The emulator's callbacks, with the state as `user`.
    static void collectOutput(const char* bytes, std::size_t length, void* user);
    static int noteProperty(VTermProp property, VTermValue* value, void* user);
    // The reader thread's loop (Reader.cpp): feeds the emulator with what
    // the program wrote and writes `outgoing` as the program takes it.
    void readOutput();
    // Writes what of `outgoing` the pseudo-terminal takes now, under `lock`.
    void writeSome();
    // The screen as the kit's cells, under `lock` (ScreenCells.cpp): a blank
    // default cell off the screen; a row's text without its trailing blanks.
    Cell cellAt(int row, int column);
    std::string rowText(int row);
    // The cells from `from` to `to` (cells); see Terminal::cells().
    std::string cellsText(int row, int from, int to);
    // Where `text` first stands; see Terminal::find().
    Position place(const std::string& text);
    Cursor cursorNow();
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
