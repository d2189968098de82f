#include "terminal/Screen.h"

#include <curses.h>

#include <algorithm>

#include "terminal/Locale.h"
#include "terminal/Terminal.h"
#include "terminal/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Gives the marks the screen's size, all unwritten.
[[gnu::noinline]] void resizeMarks(int lines, int columns) {
    TerminalState::PaintMarks& marks = terminalState.marks;
    unsigned* fresh =
        new unsigned[static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns)]();
    delete[] marks.cells;
    marks.cells = fresh;
    marks.height = lines;
    marks.width = columns;
}

// Records that cells [first, last) of a row were written now (see
// Screen::blankStale): the number of the outermost paint under way, 0
// outside paints. Called for every run a paint writes, so the common case
// stays short.
inline void mark(long long row, long long first, long long last) {
    TerminalState::PaintMarks& marks = terminalState.marks;
    const int lines = terminalState.height;
    const int columns = terminalState.width;
    if (marks.height != lines || marks.width != columns || marks.cells == nullptr) {
        resizeMarks(lines, columns);
    }
    if (row < 0 || row >= lines) {
        return;
    }
    first = std::max(first, 0LL);
    last = std::min(last, static_cast<long long>(columns));
    const unsigned stamp = terminalState.paintDepth > 0 ? marks.current : 0;
    unsigned* line = marks.cells + row * columns;
    for (long long column = first; column < last; ++column) {
        line[column] = stamp;
    }
}

// Whether any of `count` marks is `stamp`: a plain loop the compiler
// vectorizes, since most rows of a repaint hold no stale cell.
bool holds(const unsigned* cells, long long count, unsigned stamp) {
    unsigned matches = 0;
    for (long long i = 0; i < count; ++i) {
        matches += cells[i] == stamp ? 1u : 0u;
    }
    return matches != 0;
}

// Pair 16 x foreground + background + 1, counted unsigned: the arguments are
// not validated, and curses keeps only the low eight bits of the pair (256
// becomes the default pair 0).
int colorAttribute(Color foreground, Color background) {
    unsigned pair =
        static_cast<unsigned>(foreground) * 16u + static_cast<unsigned>(background) + 1u;
    return static_cast<int>(COLOR_PAIR(pair));
}

// The foreground as it reaches the terminal (see DimScope). Dimmed text on
// a BrightBlack ground (a list's selection) turns Black, or it would vanish.
Color shownColor(Color foreground, Color background) {
    if (!terminalState.dimmed) {
        return foreground;
    }
    return background == BrightBlack ? Black : BrightBlack;
}

bool reversed(Color foreground, bool highlight) {
    return highlight && foreground != BrightBlack;
}

// Cells [first, last) of a run of `count` cells from screen column `column`
// that lie on the screen; empty when the run misses it.
struct Run {
    long long first;
    long long last;
};

Run onScreen(long long row, long long column, long long count) {
    if (stdscr == nullptr || row < 0 || row >= getmaxy(stdscr) || count <= 0) {
        return {0, 0};
    }
    return {std::max(0LL, -column), std::min(count, getmaxx(stdscr) - column)};
}

// A cell holding `text` in the standard screen's current attributes and
// colour pair, which colors() switched on with attron: add_wch takes them
// from the cell, not from the screen.
cchar_t wideCell(const wchar_t* text, int count) {
    attr_t attributes = 0;
    short pair = 0;
    attr_get(&attributes, &pair, nullptr);
    wchar_t characters[CCHARW_MAX + 1] = {};
    std::copy(text, text + std::min(count, CCHARW_MAX), characters);
    cchar_t cell{};
    setcchar(&cell, characters, attributes, pair, nullptr);
    return cell;
}

chtype lineCell(Cell cell) {
    switch (cell) {
        case Cell::Block:
            return ACS_BLOCK;
        case Cell::UpperLeft:
            return ACS_ULCORNER;
        case Cell::UpperRight:
            return ACS_URCORNER;
        case Cell::LowerLeft:
            return ACS_LLCORNER;
        case Cell::LowerRight:
            return ACS_LRCORNER;
        case Cell::Horizontal:
            return ACS_HLINE;
        case Cell::Vertical:
            return ACS_VLINE;
        case Cell::Blank:
            break;
    }
    return ' ';
}

// The full block (U+2588) where the terminal takes UTF-8; elsewhere the
// terminal's own block, which curses shows as '#' where there is none.
bool wideBlock(Cell cell) {
    return cell == Cell::Block && Screen::unicode();
}

// Leaves the cursor where writing a run cell by cell up to screen column
// `end` (exclusive) would: after its last cell, on the next line's first
// cell past the right edge, on the last cell in the bottom right corner.
void moveAfterRun(long long row, long long end) {
    if (end < getmaxx(stdscr)) {
        move(static_cast<int>(row), static_cast<int>(end));
    } else if (row + 1 < getmaxy(stdscr)) {
        move(static_cast<int>(row + 1), 0);
    } else {
        move(static_cast<int>(row), static_cast<int>(end - 1));
    }
}

// A value curses writes into exactly its own cell: a line-drawing character
// or printable ASCII. Tabs, new lines, backspaces and bytes beyond ASCII
// would move the cursor or take several cells.
chtype oneCell(unsigned long value) {
    const chtype character = static_cast<chtype>(value);
    const chtype text = character & A_CHARTEXT;
    if ((character & A_ALTCHARSET) != 0 || (text >= 0x20 && text < 0x7F)) {
        return character;
    }
    return (character & ~A_CHARTEXT) | '?';
}

}  // namespace

bool Screen::active() {
    return stdscr != nullptr;
}

void* Screen::window() {
    return stdscr;
}

int Screen::lines() {
    return stdscr == nullptr ? 0 : Terminal::height();
}

int Screen::columns() {
    return stdscr == nullptr ? 0 : Terminal::width();
}

bool Screen::unicode() {
    return unicodeScreen();
}

void Screen::move(long long row, long long column) {
    if (stdscr != nullptr && row >= 0 && column >= 0 && row < getmaxy(stdscr) &&
        column < getmaxx(stdscr)) {
        ::move(static_cast<int>(row), static_cast<int>(column));
    }
}

int Screen::cursorRow() {
    return stdscr == nullptr ? 0 : getcury(stdscr);
}

int Screen::cursorColumn() {
    return stdscr == nullptr ? 0 : getcurx(stdscr);
}

void Screen::refresh() {
    if (stdscr != nullptr) {
        ::refresh();
    }
}

void Screen::clear() {
    if (stdscr != nullptr) {
        ::clear();
    }
}

void Screen::colors(Color foreground, Color background, bool highlight) {
    foreground = shownColor(foreground, background);
    if (reversed(foreground, highlight)) {
        attron(A_REVERSE);
    }
    attron(colorAttribute(foreground, background));
}

void Screen::uncolors(Color foreground, Color background, bool highlight) {
    foreground = shownColor(foreground, background);
    if (reversed(foreground, highlight)) {
        attroff(A_REVERSE);
    }
    attroff(colorAttribute(foreground, background));
}

bool Screen::normal(Color foreground, Color background, bool highlight) {
    foreground = shownColor(foreground, background);
    return foreground == White && background == Black && !reversed(foreground, highlight);
}

void Screen::ascii(long long row, long long column, const char* text, long long count) {
    const Run run = onScreen(row, column, count);
    if (run.first < run.last) {
        mvaddnstr(static_cast<int>(row), static_cast<int>(column + run.first), text + run.first,
                  static_cast<int>(run.last - run.first));
    }
}

void Screen::glyph(long long row, long long column, const wchar_t* text, int count, int cells) {
    // Only whole: curses would wrap a wide character that the right edge cuts.
    const Run run = onScreen(row, column, cells);
    if (run.first == 0 && run.last == cells && count > 0) {
        const cchar_t cell = wideCell(text, count);
        mvadd_wch(static_cast<int>(row), static_cast<int>(column), &cell);
    }
}

void Screen::repeat(long long row, long long column, long long count, Cell cell) {
    const Run run = onScreen(row, column, count);
    if (run.first >= run.last) {
        return;
    }
    const int y = static_cast<int>(row);
    const int x = static_cast<int>(column + run.first);
    const int n = static_cast<int>(run.last - run.first);
    if (wideBlock(cell)) {
        const wchar_t block = L'\u2588';
        const cchar_t wide = wideCell(&block, 1);
        mvhline_set(y, x, &wide, n);
    } else {
        mvhline(y, x, lineCell(cell), n);
    }
    mark(row, x, x + n);
    moveAfterRun(row, column + run.last);
}

void Screen::character(long long row, long long column, unsigned long value) {
    if (onScreen(row, column, 1).last == 1 && column >= 0) {
        mvaddch(static_cast<int>(row), static_cast<int>(column), oneCell(value));
        mark(row, column, column + 1);
    }
}

void Screen::characterAtCursor(unsigned long value) {
    if (stdscr != nullptr) {
        addch(oneCell(value));
    }
}

void Screen::boxRow(long long row, long long column, long long width, long long first,
                    long long last, Cell left, Cell fill, Cell right) {
    if (first == 0 && last > 0) {
        character(row, column, lineCell(left));
    }
    const long long fillFrom = std::max(1LL, first);
    const long long fillTo = std::min(width - 1, last);
    if (fillFrom < fillTo) {
        repeat(row, column + fillFrom, fillTo - fillFrom, fill);
    }
    if (width > 1 && width - 1 >= first && width - 1 < last) {
        character(row, column + width - 1, lineCell(right));
    }
}

DimScope::DimScope(bool on) : before(terminalState.dimmed) {
    terminalState.dimmed = before || on;
}

DimScope::~DimScope() {
    terminalState.dimmed = before;
}

PaintScope::PaintScope() {
    if (terminalState.paintDepth++ == 0) {
        // Never 0, which stands for writes outside a paint.
        unsigned& current = terminalState.marks.current;
        current = current == ~0u ? 1 : current + 1;
    }
}

unsigned PaintScope::number() const {
    return terminalState.marks.current;
}

void Screen::written(long long row, long long first, long long last) {
    if (stdscr != nullptr && first < last) {
        mark(row, first, last);
    }
}

void Screen::blankStale(unsigned previous, long long top, long long left, long long bottom,
                        long long right, Color foreground, Color background) {
    TerminalState::PaintMarks& marks = terminalState.marks;
    if (stdscr == nullptr || previous == 0 || marks.cells == nullptr ||
        marks.height != terminalState.height || marks.width != terminalState.width) {
        return;
    }
    top = std::max(top, 0LL);
    left = std::max(left, 0LL);
    bottom = std::min(bottom, static_cast<long long>(marks.height));
    right = std::min(right, static_cast<long long>(marks.width));
    bool switched = false;
    for (long long row = top; row < bottom; ++row) {
        const unsigned* line = marks.cells + row * marks.width;
        if (left >= right || !holds(line + left, right - left, previous)) {
            continue;
        }
        for (long long column = left; column < right;) {
            if (line[column] != previous) {
                ++column;
                continue;
            }
            long long end = column;
            while (end < right && line[end] == previous) {
                ++end;
            }
            if (!switched) {
                colors(foreground, background, false);
                switched = true;
            }
            repeat(row, column, end - column, Cell::Blank);
            // Blank now, and nobody's picture: not blanked again.
            std::fill(marks.cells + row * marks.width + column,
                      marks.cells + row * marks.width + end, 0u);
            column = end;
        }
    }
    if (switched) {
        uncolors(foreground, background, false);
    }
}

void PaintScope::cursorShown(bool shown) {
    if (terminalState.paintDepth == 1) {
        Terminal::cursor(shown);
    }
}

PaintScope::~PaintScope() {
    --terminalState.paintDepth;
}

void PaintScope::finish(int row, int column) {
    if (terminalState.paintDepth == 1 && stdscr != nullptr) {
        Screen::move(row, column);
        Screen::refresh();
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
