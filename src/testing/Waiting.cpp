// Waiting for the program's output, and what a wait tells when printed.
#include <iomanip>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

WaitResult Terminal::waitFor(const std::string& text, std::chrono::milliseconds timeout) {
    return waitUntil(
        "the text \"" + text + "\"",
        [&text](Terminal& terminal) { return static_cast<bool>(terminal.find(text)); }, timeout);
}

WaitResult Terminal::waitUntil(const std::function<bool(Terminal&)>& condition,
                               std::chrono::milliseconds timeout) {
    return waitUntil("the condition", condition, timeout);
}

WaitResult Terminal::waitUntil(const std::string& what,
                               const std::function<bool(Terminal&)>& condition,
                               std::chrono::milliseconds timeout) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + timeout;
    WaitResult result;
    result.awaited = what;
    for (;;) {
        unsigned long seen;
        {
            std::lock_guard<std::mutex> guard(state->lock);
            seen = state->generation;
        }
        if (condition(*this)) {
            result.seen = true;
            break;
        }
        std::unique_lock<std::mutex> guard(state->lock);
        if (!state->changed.wait_until(guard, deadline,
                                       [&] { return state->generation != seen; })) {
            guard.unlock();
            result.seen = condition(*this);
            break;
        }
    }
    result.waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::lock_guard<std::mutex> guard(state->lock);
    for (int row = 0; row < state->rows; ++row) {
        result.screen.push_back(state->rowText(row));
    }
    result.cursor = state->cursorNow();
    return result;
}

std::ostream& operator<<(std::ostream& out, const WaitResult& result) {
    out << "waited " << result.waited.count() << " ms for " << result.awaited << ": "
        << (result.seen ? "seen" : "not seen") << "; the screen, the cursor "
        << (result.cursor.visible ? "" : "(hidden) ") << "at row " << result.cursor.row
        << ", column " << result.cursor.column << " (^):\n";
    for (std::size_t row = 0; row < result.screen.size(); ++row) {
        out << std::setw(3) << row << " |" << result.screen[row] << '\n';
        if (static_cast<int>(row) == result.cursor.row) {
            // Spaces take one cell each, so ^ stands under the cursor's cell
            // even after wide characters.
            out << "    |" << std::string(static_cast<std::size_t>(result.cursor.column), ' ')
                << "^\n";
        }
    }
    return out;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
