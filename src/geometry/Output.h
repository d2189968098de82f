#pragma once

#include <curses.h>

#include <algorithm>

#include "forms/Enums.h"
#include "forms/Session.h"

namespace Vesk {
namespace Forms {
namespace __attribute__((visibility("hidden"))) detail {

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

    // Writes the run whose cell i is cellAt(i).
    template <typename CellAt>
    void putRun(long long row, long long column, long long count, CellAt cellAt) {
        Span span = onScreen(row, column, count);
        if (span.first >= span.last) {
            return;
        }
        move(static_cast<int>(row), static_cast<int>(column + span.first));
        for (long long i = span.first; i < span.last; ++i) {
            addch(cellAt(i));
        }
    }

    // Control bytes would move the cursor or take two cells; each byte of a text
    // takes exactly one cell, so they are shown as this.
    constexpr char ControlStandIn = '?';

    inline bool isControl(unsigned char byte) {
        return byte < 0x20 || byte == 0x7F;
    }

    // Writes `count` bytes of `text` as plain characters, one cell each.
    inline void putText(long long row, long long column, const char* text, long long count) {
        Span span = onScreen(row, column, count);
        if (span.first >= span.last) {
            return;
        }
        const char* begin = text + span.first;
        const char* end = text + span.last;
        if (std::none_of(begin, end,
                         [](char c) { return isControl(static_cast<unsigned char>(c)); })) {
            mvaddnstr(static_cast<int>(row), static_cast<int>(column + span.first), begin,
                      static_cast<int>(end - begin));
            return;
        }
        putRun(row, column + span.first, end - begin, [begin](long long i) {
            unsigned char byte = static_cast<unsigned char>(begin[i]);
            return static_cast<chtype>(isControl(byte) ? ControlStandIn : byte);
        });
    }

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
