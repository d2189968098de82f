#pragma once

/// @file
/// What a wait of the testing kit saw.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "forms/testing/Cursor.h"
#include "forms/testing/Export.h"

namespace Vesk {
namespace Forms {
namespace Testing {

/// The outcome of Terminal::waitFor() and Terminal::waitUntil(): tests as
/// true when what was awaited came, and prints (operator<<) what was
/// awaited, how long the wait took and the screen as it was when the wait
/// ended, so a failed check says why:
///
///     const WaitResult shown = terminal.waitFor("Saved");
///     EXPECT_TRUE(shown) << shown;
struct WaitResult {
    /// Whether what was awaited came before the timeout.
    bool seen = false;
    /// What was awaited, in words: `the text "Saved"`, or the description
    /// given to waitUntil().
    std::string awaited;
    /// How long the wait took.
    std::chrono::milliseconds waited{0};
    /// The screen's rows when the wait ended, as Terminal::row() gives them.
    std::vector<std::string> screen;
    /// The cursor when the wait ended.
    Cursor cursor;

    /// True when what was awaited came; keeps `if (terminal.waitFor(...))`
    /// and functions returning bool working as before.
    operator bool() const { return seen; }
};

/// Writes what was awaited, whether it came and after how long, then the
/// screen's rows numbered, with a line under the cursor's row that marks its
/// column with ^.
VESK_FORMS_TESTING_API std::ostream& operator<<(std::ostream& out, const WaitResult& result);

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
