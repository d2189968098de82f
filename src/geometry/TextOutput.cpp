#include "geometry/TextOutput.h"

#include <algorithm>
#include <limits>

#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Sends the laid out cells of one row to the screen, cut to `shown`.
struct RowWriter {
    long long row;
    long long column;
    Span shown;

    void plain(long long cell, const char* bytes, long long count) {
        const long long first = std::max(cell, shown.first);
        const long long last = std::min(cell + count, shown.last);
        if (first < last) {
            Screen::ascii(row, column + first, bytes + (first - cell), last - first);
        }
    }

    void glyph(long long cell, const Glyph& glyph) {
        if (cell >= shown.first && cell + glyph.cells <= shown.last) {
            if (glyph.count == 1 && glyph.text[0] < 0x80) {
                // The stand-in, as one ASCII byte.
                const char byte = static_cast<char>(glyph.text[0]);
                Screen::ascii(row, column + cell, &byte, 1);
            } else {
                Screen::glyph(row, column + cell, glyph.text, glyph.count, glyph.cells);
            }
        } else {
            blank(cell, glyph.cells);
        }
    }

    void blank(long long cell, long long count) {
        const long long first = std::max(cell, shown.first);
        const long long last = std::min(cell + count, shown.last);
        if (first < last) {
            Screen::repeat(row, column + first, last - first, Cell::Blank);
        }
    }
};

}  // namespace

long long putRow(TextWalk& walk, long long row, long long column, long long room, Span shown,
                 bool wholeRow) {
    RowWriter writer{row, column, shown};
    // Cut to the screen; a row off the screen shows nothing.
    if (row < 0 || row >= Screen::lines()) {
        writer.shown = {0, 0};
    } else {
        writer.shown.first = std::max(shown.first, -column);
        writer.shown.last = std::min(shown.last, Screen::columns() - column);
    }
    // Nothing past the last cell shown is needed, unless the next row starts
    // where this one ends.
    const long long stop =
        wholeRow ? std::numeric_limits<long long>::max() : std::max(0LL, writer.shown.last);
    const long long taken = layRow(walk, room, stop, writer);
    // The row's cells were written as one span from its first shown cell.
    Screen::written(row, column + writer.shown.first,
                    column + std::min(writer.shown.last, taken));
    return taken;
}

void putBox(const Area& box, long long height, long long width, BorderStyle style) {
    for (long long i = box.rows.first; i < box.rows.last; ++i) {
        const long long row = box.row + i;
        if (style != SingleLine) {
            Screen::repeat(row, box.column + box.columns.first,
                           box.columns.last - box.columns.first, Cell::Blank);
        } else if (i == 0) {
            Screen::boxRow(row, box.column, width, box.columns.first, box.columns.last,
                           Cell::UpperLeft, Cell::Horizontal, Cell::UpperRight);
        } else if (i == height - 1) {
            Screen::boxRow(row, box.column, width, box.columns.first, box.columns.last,
                           Cell::LowerLeft, Cell::Horizontal, Cell::LowerRight);
        } else {
            Screen::boxRow(row, box.column, width, box.columns.first, box.columns.last,
                           Cell::Vertical, Cell::Blank, Cell::Vertical);
        }
    }
}

void putText(long long row, long long column, const char* text, std::size_t length, Span shown) {
    TextWalk walk(text, length, Screen::unicode());
    putRow(walk, row, column, -1, shown);
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
