#include <curses.h>

#include <algorithm>
#include <memory>
#include <string>

#include "forms/Region.h"
#include "forms/Session.h"
#include "geometry/Output.h"
#include "geometry/PointMath.h"

namespace Vesk {
namespace Forms {

namespace {

// Pair 16 x foreground + background + 1, counted unsigned: the arguments are
// not validated, and curses keeps only the low eight bits of the pair (256
// becomes the default pair 0).
int colorAttribute(Color foreground, Color background) {
    unsigned pair =
        static_cast<unsigned>(foreground) * 16u + static_cast<unsigned>(background) + 1u;
    return static_cast<int>(COLOR_PAIR(pair));
}

bool reversed(Color foreground, bool highlight) {
    return highlight && foreground != BrightBlack;
}

}  // namespace

void Session::setColors(Color foreground, Color background, bool highlight) {
    if (reversed(foreground, highlight)) {
        attron(A_REVERSE);
    }
    attron(colorAttribute(foreground, background));
}

void Session::unsetColors(Color foreground, Color background, bool highlight) {
    if (reversed(foreground, highlight)) {
        attroff(A_REVERSE);
    }
    attroff(colorAttribute(foreground, background));
}

bool Region::drawCharacter(Point* point, unsigned long character, Color foreground,
                           Color background, bool highlight) {
    detail::ColorScope colors(foreground, background, highlight);
    std::unique_ptr<Point> cursor;
    if (point == nullptr) {
        cursor = std::make_unique<Point>(getcury(stdscr), getcurx(stdscr));
    }
    const Point& cell = point != nullptr ? *point : *cursor;
    // A clipping region keeps its characters inside it on all four sides.
    if (overflowStyle == Hidden &&
        (cell.row < 0 || cell.column < 0 || cell.row >= rows || cell.column >= columns)) {
        return false;
    }
    std::unique_ptr<Point> origin(location());
    Point absolute = *origin + cell;
    if (point != nullptr) {
        mvaddch(absolute.row, absolute.column, static_cast<chtype>(character));
        delete point;
    } else {
        addch(static_cast<chtype>(character));
    }
    return true;
}

bool Region::drawRectangle(Point* point, int width, int height, Color foreground, Color background,
                           BorderStyle border, bool highlight) {
    if (point == nullptr) {
        return false;
    }
    // The border rows are width + 2 cells: a negative interior has no shape.
    if (width < 0 || height < 0) {
        return true;
    }
    std::unique_ptr<Point> origin(location());
    long long originRow = origin->row;
    long long originColumn = origin->column;
    origin.reset();

    long long firstRow = 0;
    long long firstColumn = 0;
    long long rowCount = height + 2LL;
    long long columnCount = width + 2LL;
    if (overflowStyle == Hidden) {
        long long row = point->row;
        long long column = point->column;
        if (row < 0) {
            firstRow = -row;
        }
        if (column < 0) {
            firstColumn = -column;
        }
        if (row + height + 2 > rows) {
            rowCount = rows - row;
        }
        if (column + width + 2 > columns) {
            columnCount = columns - column;
        }
        originRow += std::max(row, 0LL);
        originColumn += std::max(column, 0LL);
    } else {
        originRow += point->row;
        originColumn += point->column;
    }

    detail::ColorScope colors(foreground, background, highlight);
    // Only the lines that can reach the screen are visited.
    long long lines = getmaxy(stdscr);
    long long from = std::max(firstRow, firstRow - originRow);
    long long to = std::min(rowCount, firstRow + lines - originRow);
    long long count = columnCount - firstColumn;
    for (long long i = from; i < to; ++i) {
        long long row = originRow + (i - firstRow);
        if (border != SingleLine) {
            detail::putRepeated(row, originColumn, count, chtype(' '));
            continue;
        }
        chtype left = ACS_VLINE;
        chtype fill = ' ';
        chtype right = ACS_VLINE;
        if (i == 0) {
            left = ACS_ULCORNER;
            fill = ACS_HLINE;
            right = ACS_URCORNER;
        } else if (i == height + 1LL) {
            left = ACS_LLCORNER;
            fill = ACS_HLINE;
            right = ACS_LRCORNER;
        }
        // Border column j sits at screen column originColumn + j - firstColumn;
        // the edges are single cells, the fill between them one run.
        long long last = width + 1LL;
        long long end = firstColumn + count;
        if (firstColumn == 0 && count > 0) {
            detail::putRun(row, originColumn, 1, [=](long long) { return left; });
        }
        long long fillFrom = std::max(1LL, firstColumn);
        long long fillTo = std::min(last, end);
        detail::putRepeated(row, originColumn + fillFrom - firstColumn, fillTo - fillFrom, fill);
        if (last >= firstColumn && last < end) {
            detail::putRun(row, originColumn + last - firstColumn, 1,
                           [=](long long) { return right; });
        }
    }
    return true;
}

bool Region::drawText(Point* point, std::string text, WordWrapStyle wrap, Color foreground,
                      Color background, bool highlight) {
    if (point == nullptr) {
        return false;
    }
    std::unique_ptr<Point> origin(location());
    Point start = *origin + *point;
    origin.reset();

    detail::ColorScope colors(foreground, background, highlight);
    long long length = static_cast<long long>(text.size());
    if (wrap == NoWrap) {
        // A negative width cuts nothing, as curses' addnstr(-1) would.
        if (columns < length) {
            detail::putText(start.row, start.column, text.data(), columns < 0 ? length : columns);
            return false;
        }
        detail::putText(start.row, start.column, text.data(), length);
        return true;
    }
    if (wrap == CharacterWrap && columns > 0) {
        long long lines = getmaxy(stdscr);
        for (long long i = 0; i * columns < length && start.row + i < lines; ++i) {
            long long offset = i * columns;
            detail::putText(start.row + i, start.column, text.data() + offset,
                            std::min<long long>(columns, length - offset));
        }
    }
    return false;
}

}  // namespace Forms
}  // namespace Vesk
