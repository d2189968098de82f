#pragma once

#include <curses.h>

#include <algorithm>

#include "forms/Enums.h"
#include "forms/Session.h"

namespace Vesk {
namespace Forms {
namespace detail {

    // Switches the colours on for its lifetime, so that they are switched off on
    // every way out of a painter, exceptions included.
    class ColorScope {
    public:
        ColorScope(Color foreground, Color background, bool highlight)
            : foreground(foreground), background(background), highlight(highlight) {
            Session::setColors(foreground, background, highlight);
        }
        ~ColorScope() { Session::unsetColors(foreground, background, highlight); }
        ColorScope(const ColorScope&) = delete;
        ColorScope& operator=(const ColorScope&) = delete;

    private:
        Color foreground;
        Color background;
        bool highlight;
    };

    // Cells [first, last) of a run of `count` cells starting at screen column
    // `column` that lie on the screen; empty (first >= last) when the run misses
    // it. Curses would wrap a run crossing the right edge onto the next line and
    // would write a run starting left of the screen at the stale cursor, so runs
    // are cut to the screen before they reach curses.
    struct Span {
        long long first;
        long long last;
    };

    inline Span onScreen(long long row, long long column, long long count) {
        long long lines = getmaxy(stdscr);
        long long columns = getmaxx(stdscr);
        if (row < 0 || row >= lines || count <= 0) {
            return {0, 0};
        }
        return {std::max(0LL, -column), std::min(count, columns - column)};
    }

    inline void putCell(chtype cell) {
        addch(cell);
    }

    inline void putCell(const cchar_t& cell) {
        add_wch(&cell);
    }

    // A cell holding `character` in the standard screen's current attributes
    // and colour pair, which setColors switched on with attron: add_wch takes
    // them from the cell, not from the screen.
    inline cchar_t wideCell(wchar_t character) {
        attr_t attributes = 0;
        short pair = 0;
        attr_get(&attributes, &pair, nullptr);
        const wchar_t text[] = {character, L'\0'};
        cchar_t cell{};
        setcchar(&cell, text, attributes, pair, nullptr);
        return cell;
    }

    // Writes the run whose cell i is cellAt(i), a chtype or a one-column
    // cchar_t.
    template <typename CellAt>
    void putRun(long long row, long long column, long long count, CellAt cellAt) {
        Span span = onScreen(row, column, count);
        if (span.first >= span.last) {
            return;
        }
        move(static_cast<int>(row), static_cast<int>(column + span.first));
        for (long long i = span.first; i < span.last; ++i) {
            putCell(cellAt(i));
        }
    }

    // Leaves the cursor where writing a run cell by cell up to screen column
    // `end` (exclusive) would: after its last cell, on the next line's first
    // cell past the right edge, on the last cell in the bottom right corner.
    inline void moveAfterRun(long long row, long long end) {
        if (end < getmaxx(stdscr)) {
            move(static_cast<int>(row), static_cast<int>(end));
        } else if (row + 1 < getmaxy(stdscr)) {
            move(static_cast<int>(row + 1), 0);
        } else {
            move(static_cast<int>(row), static_cast<int>(end - 1));
        }
    }

    inline void putLine(int row, int column, chtype cell, int count) {
        mvhline(row, column, cell, count);
    }

    inline void putLine(int row, int column, const cchar_t& cell, int count) {
        mvhline_set(row, column, &cell, count);
    }

    // Writes `count` cells alike, a chtype or a one-column cchar_t, with one
    // curses call instead of one per cell: the same cells and cursor as
    // putRun.
    template <typename Cell>
    void putRepeated(long long row, long long column, long long count, const Cell& cell) {
        Span span = onScreen(row, column, count);
        if (span.first >= span.last) {
            return;
        }
        putLine(static_cast<int>(row), static_cast<int>(column + span.first), cell,
                static_cast<int>(span.last - span.first));
        moveAfterRun(row, column + span.last);
    }

    // Bytes that take no single cell of their own (control bytes, a character
    // cut short, a byte of no character, a character too wide for the room
    // left) are shown as this.
    constexpr char ControlStandIn = '?';

    // Writes the `count` bytes of `text` in at most `count` cells from column
    // `column` on: each ASCII byte in a cell of its own, each whole UTF-8
    // character in its cells when the screen takes UTF-8.
    void putText(long long row, long long column, const char* text, long long count);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
