#pragma once

/// @file
/// Where Terminal::find() saw a text.

#include <ostream>

namespace Vesk {
namespace Forms {
namespace Testing {

/// A row and a column of the screen, counted in cells from 0; both -1 when
/// the text was not found.
struct Position {
    /// The row, from 0 at the top; -1 for "not found".
    int row = -1;
    /// The cell column, from 0 at the left; -1 for "not found".
    int column = -1;

    /// True when the text was found.
    explicit operator bool() const { return row >= 0; }
    /// Same row and column.
    bool operator==(const Position& other) const {
        return row == other.row && column == other.column;
    }
    /// Another row or column.
    bool operator!=(const Position& other) const { return !(*this == other); }
};

/// Writes "row 3, column 7", or "not found".
inline std::ostream& operator<<(std::ostream& out, const Position& position) {
    if (!position) {
        return out << "not found";
    }
    return out << "row " << position.row << ", column " << position.column;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
