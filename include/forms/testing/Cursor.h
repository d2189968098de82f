#pragma once

/// @file
/// The cursor of the testing kit's emulated screen.

namespace Vesk {
namespace Forms {
namespace Testing {

/// Where the cursor is, counted from 0, and whether it is shown.
struct Cursor {
    /// The row, from 0 at the top.
    int row = 0;
    /// The column, from 0 at the left.
    int column = 0;
    /// Whether the program shows the cursor.
    bool visible = true;
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
