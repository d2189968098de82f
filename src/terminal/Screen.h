#pragma once

#include "forms/Enums.h"

namespace Vesk {
namespace Forms {
namespace detail {

// Cells that are not text: blanks, the solid block of progress bars and
// the line-drawing characters of boxes.
enum class Cell : unsigned char {
    Blank,
    Block,
    UpperLeft,
    UpperRight,
    LowerLeft,
    LowerRight,
    Horizontal,
    Vertical,
};

// The painters' one way to the terminal: the curses standard screen of
// the running session. Coordinates are screen cells, 64-bit; every writing
// call cuts what it is given to the screen, so curses never wraps a run onto
// the next line nor writes at a stale cursor. Without a session the screen
// has no cells and nothing is written.
class Screen {
public:
    Screen() = delete;

    // Whether a session's screen exists.
    static bool active();
    // The standard screen as the host sees it (Page::window).
    static void* window();
    static int lines();
    static int columns();
    // Whether characters beyond ASCII reach the terminal as UTF-8.
    static bool unicode();

    // A cell off the screen leaves the cursor where it is.
    static void move(long long row, long long column);
    static int cursorRow();
    static int cursorColumn();
    static void refresh();
    // Blanks the whole screen at the next refresh.
    static void clear();

    // Colour pair 16 x foreground + background + 1 (curses keeps its low
    // eight bits) and, with `highlight` unless the foreground is
    // BrightBlack, reverse video; switched on and off again. Inside a
    // DimScope the foreground is BrightBlack.
    static void colors(Color foreground, Color background, bool highlight);
    static void uncolors(Color foreground, Color background, bool highlight);
    // Whether those colours look as the normal rendition does (pair 0 is
    // White on Black) with no reverse. Curses goes back to the normal
    // rendition after every update, so a cell written in it without
    // switching colours on costs no attribute bytes when it changes.
    static bool normal(Color foreground, Color background, bool highlight);

    // `count` printable ASCII bytes, one cell each, in one curses call.
    // Like glyph, it leaves the cells unmarked (see written): a row of text
    // is marked once.
    static void ascii(long long row, long long column, const char* text, long long count);
    // One character and the combining marks that join it (`count` in
    // all, at most five), in its `cells` cells.
    static void glyph(long long row, long long column, const wchar_t* text, int count, int cells);
    // `count` cells alike in one curses call; the cursor ends where
    // writing them one by one would leave it.
    static void repeat(long long row, long long column, long long count, Cell cell);
    // One curses character value (a character code with attributes, or
    // a line-drawing character) in exactly one cell: a value curses would
    // spread over other cells or move the cursor with shows as '?'.
    static void character(long long row, long long column, unsigned long value);
    // The same at the cursor, which then advances.
    static void characterAtCursor(unsigned long value);
    // Cells [first, last) of one row of a box `width` cells wide whose
    // cell 0 is at screen column `column`: `left` in cell 0, `right` in
    // cell width - 1 and `fill` between them, as one run.
    static void boxRow(long long row, long long column, long long width, long long first,
                       long long last, Cell left, Cell fill, Cell right);

    // Marks cells [first, last) of a row as written now (see blankStale);
    // repeat, character and boxRow mark their own cells.
    static void written(long long row, long long first, long long last);
    // Each cell remembers the outermost paint that last wrote it (a number
    // from PaintScope; writes outside a paint leave 0). Blanks, in the
    // colours given, the cells of [top, bottom) x [left, right) that paint
    // `previous` wrote and no paint since: a control that was taken away,
    // moved or shrunk leaves no picture behind.
    static void blankStale(unsigned previous, long long top, long long left, long long bottom,
                           long long right, Color foreground, Color background);
};

// Switches the colours on for its lifetime, so that they are switched off
// on every way out of a painter, exceptions included.
class ColorScope {
public:
    ColorScope(Color foreground, Color background, bool highlight)
        : foreground(foreground), background(background), highlight(highlight) {
        Screen::colors(foreground, background, highlight);
    }
    ~ColorScope() { Screen::uncolors(foreground, background, highlight); }
    ColorScope(const ColorScope&) = delete;
    ColorScope& operator=(const ColorScope&) = delete;

private:
    Color foreground;
    Color background;
    bool highlight;
};

// Turns every foreground written in its lifetime BrightBlack (Black on a
// BrightBlack ground; also in normal()) when `on`: the paint walk runs a
// disabled control's painter in one, so that no painter chooses the colours
// of a disabled control.
class DimScope {
public:
    explicit DimScope(bool on);
    ~DimScope();
    DimScope(const DimScope&) = delete;
    DimScope& operator=(const DimScope&) = delete;

private:
    bool before;
};

// Marks a page paint for its lifetime. Only the outermost paint (a page
// shown inside another page's paint is not) puts the cursor in place and
// refreshes, so each paint updates the terminal once.
class PaintScope {
public:
    PaintScope();
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    // When outermost and a session runs: the cursor to the cell, then
    // one refresh.
    void finish(int row, int column);
    // When outermost: shows the cursor, or hides it when no control placed
    // it in this paint.
    void cursorShown(bool shown);
    // The number of the outermost paint under way (see Screen::blankStale).
    unsigned number() const;
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
