#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/testing/Terminal.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
class Page;
}
}  // namespace Vesk

namespace VeskTest {

using Vesk::Forms::Testing::Terminal;
using TerminalCheck = std::function<bool(Terminal&)>;

// One step of a test: what it is, what the test sends, and what the terminal
// must show afterwards.
struct KitStep {
    std::string what;
    TerminalCheck act;
    TerminalCheck shown;
};

// Attaches `terminal`, starts a session with the mouse on, runs `host` (a host
// loop that ends on F10) on a thread of its own, takes each step (its act,
// then waiting until it is shown), presses F10, stops the session and
// detaches. Returns the steps not seen, each with the cursor and the screen at
// that time; "" when all were. It asserts nothing, because the standard
// output is the pseudo-terminal while it runs.
std::string driveInProcess(Terminal& terminal, const std::function<void()>& host,
                           const std::vector<KitStep>& steps);

// The steps, each act followed by typing `sync`, which the host counts on the
// screen; a step is seen only once `counted(terminal, n)` holds for its number
// n (from 1), that is once everything before it was handled and painted, and
// its own check holds.
std::vector<KitStep> synced(const std::vector<KitStep>& steps, const std::string& sync,
                            const std::function<bool(Terminal&, int)>& counted);

// A form of a test's own that counts the steps on its first row: it shows
// "s<n>" first there once it handled the n-th CountedSync byte.
constexpr char CountedSync[] = "\x07";
// Whether row 0 shows step `step`'s count ("s<step>", then a blank or the
// row's end).
bool countedAt(Terminal& terminal, int step);
// The host loop of such a form: paints `page`, then until F10 counts each
// CountedSync in `steps`, hands any other event to `other` (when it takes
// it, true) or else to the page, and shows and paints after each.
void countingLoop(Vesk::Forms::Page& page, int& steps, const std::function<void()>& show,
                  const std::function<bool(Vesk::Event)>& other = nullptr);
// driveInProcess with each step synced to such a form.
std::string driveCounted(Terminal& terminal, const std::function<void()>& host,
                         const std::vector<KitStep>& steps);
// Whether the cells of a row from `column` on begin with `text` (a wide
// character's right half adds nothing).
bool showsFrom(Terminal& terminal, int row, int column, const std::string& text);

// Acts that steps share.
TerminalCheck keys(std::vector<Vesk::Event> events);
TerminalCheck typed(std::string text);
TerminalCheck click(int row, int column);
bool cursorAt(Terminal& terminal, int row, int column);

}  // namespace VeskTest
