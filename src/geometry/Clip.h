#pragma once

#include <climits>
#include <cstdint>

namespace Vesk {
namespace Forms {

class Region;

namespace detail {

// Cells [first, last); empty when first >= last.
struct Span {
    long long first;
    long long last;

    bool empty() const { return first >= last; }
};

// The one overflow rule for coordinates: they are added in 64 bits, and
// a sum stored back into a 32-bit point is clamped to its range.
std::int32_t clampCoordinate(long long value);

// A count of cells as an int: below zero is none, past the range is cut.
inline int clampCells(long long cells) {
    return static_cast<int>(cells < 0 ? 0 : cells > INT_MAX ? INT_MAX : cells);
}

// Where a rectangle lies on the screen and which of its cells show.
struct Area {
    long long row;     // screen cell of the rectangle's top-left cell,
    long long column;  // on the screen or not
    Span rows;         // the cells that show, counted from that cell
    Span columns;

    bool empty() const { return rows.empty() || columns.empty(); }
};

// Screen cells [top, bottom) x [left, right); empty when either side is.
struct Rect {
    long long top;
    long long left;
    long long bottom;
    long long right;

    bool empty() const { return top >= bottom || left >= right; }
    bool contains(long long row, long long column) const {
        return row >= top && row < bottom && column >= left && column < right;
    }
    Rect operator&(const Rect& other) const {
        return {top > other.top ? top : other.top, left > other.left ? left : other.left,
                bottom < other.bottom ? bottom : other.bottom,
                right < other.right ? right : other.right};
    }
};

// The cells of the screen, as Screen has them now.
Rect screenRect();

// The rectangle of `height` x `width` cells at (`row`, `column`)
// relative to `region`'s top-left cell, whose screen cell is
// (`originRow`, `originColumn`): its cells inside `region` when that
// clips (Hidden; a Visible region does not), and on the screen. A null
// region clips nothing but the screen.
Area clip(Region* region, long long originRow, long long originColumn, long long row,
          long long column, long long height, long long width);

// The same, with `region`'s location as the origin.
Area clip(Region& region, long long row, long long column, long long height, long long width);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
