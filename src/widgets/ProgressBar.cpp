#include "forms/ProgressBar.h"

#include <curses.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "geometry/Output.h"
#include "geometry/Tags.h"
#include "session/Locale.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

namespace Vesk {
namespace Forms {

namespace {

// Writes `count` cells of the bar, filled or empty, from screen column
// `column` on, in the current colours: the full block (U+2588) where the
// screen takes UTF-8, else the terminal's own block, which curses shows as
// '#' where the terminal has none.
void putBlocks(long long row, long long column, long long count) {
    if (detail::unicodeScreen()) {
        detail::putRepeated(row, column, count, detail::wideCell(L'\u2588'));
    } else {
        detail::putRepeated(row, column, count, ACS_BLOCK);
    }
}

// More decimals than this show nothing a long double holds, and an unbounded
// precision would let one paint allocate gigabytes (and "%.*" takes an int).
constexpr unsigned MaximumDecimals = 4096;

// The number of filled cells: filled rounded up, none when it is zero,
// negative or not a number, never more than the width.
long long filledCells(long long width, long double value, long double maximum) {
    const long double filled = static_cast<long double>(width) * value / maximum;
    if (!(filled > 0) || width <= 0) {
        return 0;
    }
    if (filled >= static_cast<long double>(width)) {
        return width;
    }
    return static_cast<long long>(std::ceil(filled));
}

}  // namespace

ProgressBar::ProgressBar() {
    stamp(detail::Tag::ProgressBar, sizeof(ProgressBar));
    background(BrightWhite);
    color(BrightWhite);
    borderColor(BrightGreen);
    attachHandler(Vesk::UpdateView, painter);
}

ProgressBar::~ProgressBar() {
    custom.clear();
}

long double ProgressBar::value() {
    return current;
}

long double ProgressBar::value(long double v) {
    current = v > maximum ? maximum : v;
    return current;
}

long double ProgressBar::valueMax() {
    return maximum;
}

long double ProgressBar::valueMax(long double m) {
    if (current > m) {
        current = m;
    }
    maximum = m;
    return m;
}

unsigned ProgressBar::precision() {
    return decimals;
}

unsigned ProgressBar::precision(unsigned value) {
    decimals = value;
    return value;
}

ProgressBarStyle ProgressBar::style() {
    return barStyle;
}

ProgressBarStyle ProgressBar::style(ProgressBarStyle value) {
    barStyle = value;
    return value;
}

std::string* ProgressBar::text() {
    switch (barStyle) {
        case Value:
            return Vesk::String::Format("%Lf", current);
        case Fraction:
            return Vesk::String::Format("%Lf/%Lf", current, maximum);
        case Percentage:
            return Vesk::String::Format("%.*Lf%%",
                                        static_cast<int>(std::min(decimals, MaximumDecimals)),
                                        current / maximum * 100);
        case CustomText:
            return new std::string(custom);
    }
    // A style outside the four has no text.
    return new std::string();
}

std::string* ProgressBar::text(std::string s) {
    if (barStyle == CustomText) {
        custom = std::move(s);
    }
    return text();
}

// Every row alike: the filled cells in the border colour, the rest in the
// background colour, both on Black, cut to a clipping parent; then the text
// centred on the middle row, cut only to the screen.
int ProgressBar::painter(int, void* control) {
    ProgressBar* bar = static_cast<ProgressBar*>(static_cast<Control*>(control));
    std::unique_ptr<Point> location(bar->location());
    std::unique_ptr<Point> position(bar->position());
    std::unique_ptr<std::string> text(bar->text());
    const long long width = bar->width();
    const long long height = bar->height();

    long long firstRow = 0;
    long long firstColumn = 0;
    long long lastRow = height - 1;
    long long lastColumn = width - 1;
    Region* parent = bar->parent();
    if (parent != nullptr && parent->overflow() == Hidden) {
        firstRow = std::max(0LL, -static_cast<long long>(position->row));
        firstColumn = std::max(0LL, -static_cast<long long>(position->column));
        if (position->row + height > parent->height()) {
            lastRow = parent->height() - static_cast<long long>(position->row) - 1;
        }
        if (position->column + width > parent->width()) {
            lastColumn = parent->width() - static_cast<long long>(position->column) - 1;
        }
    }

    // Rows off the screen are not visited, however high the bar.
    const long long top = location->row;
    firstRow = std::max(firstRow, -top);
    lastRow = std::min(lastRow, static_cast<long long>(getmaxy(stdscr)) - 1 - top);

    const long long filled = filledCells(width, bar->current, bar->maximum);
    // Columns from..to (inclusive) of one row in the foreground colour.
    auto run = [&](long long row, long long from, long long to, Color foreground) {
        if (from > to) {
            return;
        }
        detail::ColorScope colors(foreground, Black, false);
        putBlocks(row, location->column + from, to - from + 1);
    };
    for (long long i = firstRow; i <= lastRow; ++i) {
        run(top + i, firstColumn, std::min(lastColumn, filled - 1), bar->borderColor());
        run(top + i, std::max(firstColumn, filled), lastColumn, bar->background());
    }

    detail::ColorScope colors(bar->color(), Black, false);
    const long long length = static_cast<long long>(text->size());
    detail::putText(top + height / 2, location->column + (width - length) / 2, text->data(),
                    length);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
