#pragma once

#include <curses.h>

#include <string>

namespace VeskTest {

// What curses holds for a cell of the standard screen, wide characters
// included: mvinch keeps only their low byte and lets the rest spill into
// the colour pair.
struct WideCell {
    std::wstring text;  // empty for the right half of a double-width character
    attr_t attributes = 0;
    short pair = 0;
};

// Reads a cell; the cursor is left where it was.
inline WideCell wideCell(int row, int column) {
    int y = 0;
    int x = 0;
    getyx(stdscr, y, x);
    cchar_t cell{};
    mvwin_wch(stdscr, row, column, &cell);
    wmove(stdscr, y, x);
    wchar_t text[CCHARW_MAX + 1] = {};
    WideCell result;
    getcchar(&cell, text, &result.attributes, &result.pair, nullptr);
    result.text = text;
    return result;
}

// Whether a cell shows a block: the full block U+2588, or the terminal's own.
inline bool isBlock(int row, int column) {
    const WideCell cell = wideCell(row, column);
    const chtype block = ACS_BLOCK;
    return cell.text == L"\u2588" ||
           ((cell.attributes & A_ALTCHARSET) != 0 && cell.text.size() == 1 &&
            static_cast<chtype>(cell.text[0]) == (block & A_CHARTEXT));
}

}  // namespace VeskTest
