#include "forms/ProgressBar.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "vesk/Format.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

namespace {

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
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
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
// background colour, both on Black; then the text centred on the middle
// row; all cut to what the frame shows.
int ProgressBar::painter(int, void* control) {
    ProgressBar* bar = static_cast<ProgressBar*>(static_cast<Control*>(control));
    const detail::Frame frame = detail::Tree::frameOf(*bar);
    std::unique_ptr<std::string> text(bar->text());
    const long long width = bar->width();
    const long long height = bar->height();
    const detail::Area area = frame.area(0, 0, height, width);

    const long long filled = filledCells(width, bar->current, bar->maximum);
    // Cells [from, to) of one row in the foreground colour: the full block
    // where the terminal takes UTF-8, else the terminal's own.
    auto run = [&](long long row, long long from, long long to, Color foreground) {
        if (from >= to) {
            return;
        }
        detail::ColorScope colors(foreground, Black, false);
        detail::Screen::repeat(row, area.column + from, to - from, detail::Cell::Block);
    };
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        run(area.row + i, area.columns.first, std::min(area.columns.last, filled),
            bar->borderColor());
        run(area.row + i, std::max(area.columns.first, filled), area.columns.last,
            bar->background());
    }

    detail::ColorScope colors(bar->color(), Black, false);
    const long long length = detail::textCells(*text, detail::Screen::unicode());
    const detail::Area line = frame.area(height / 2, (width - length) / 2, 1, length);
    detail::putText(line.row, line.column, text->data(), text->size(), detail::firstRow(line));
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
