#include <memory>
#include <string>

#include "forms/Region.h"
#include "geometry/Clip.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {

namespace {

using detail::Cell;
using detail::Screen;
using detail::WholeRow;

}  // namespace

bool Region::drawCharacter(Point* point, unsigned long character, Color foreground,
                           Color background, bool highlight) {
    detail::ColorScope colors(foreground, background, highlight);
    const long long row = point != nullptr ? point->row : Screen::cursorRow();
    const long long column = point != nullptr ? point->column : Screen::cursorColumn();
    // A clipping region keeps its characters inside it on all four sides.
    if (overflowStyle == Hidden && (row < 0 || column < 0 || row >= rows || column >= columns)) {
        return false;
    }
    if (point == nullptr) {
        Screen::characterAtCursor(character);
        return true;
    }
    const detail::Area cell = detail::clip(*this, row, column, 1, 1);
    if (!cell.empty()) {
        Screen::character(cell.row, cell.column, character);
    }
    delete point;
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
    const long long across = width + 2LL;
    const long long down = height + 2LL;
    const detail::Area box = detail::clip(*this, point->row, point->column, down, across);
    if (box.empty()) {
        return true;
    }
    detail::ColorScope colors(foreground, background, highlight);
    detail::putBox(box, down, across, border);
    return true;
}

// Lengths and slices count cells: a row holds the glyphs that fit its width,
// and text is not clipped to the region, only to the screen.
bool Region::drawText(Point* point, std::string text, WordWrapStyle wrap, Color foreground,
                      Color background, bool highlight) {
    if (point == nullptr) {
        return false;
    }
    std::unique_ptr<Point> origin(location());
    const detail::Area start =
        detail::clip(nullptr, origin->row, origin->column, point->row, point->column, 1, columns);
    origin.reset();

    detail::ColorScope colors(foreground, background, highlight);
    const bool unicode = Screen::unicode();
    detail::TextWalk walk(text, unicode);
    if (wrap == NoWrap) {
        // A negative width cuts nothing.
        detail::putRow(walk, start.row, start.column, columns < 0 ? -1 : columns, WholeRow);
        return columns >= 0 && detail::textCells(text, unicode, columns) <= columns;
    }
    if (wrap == CharacterWrap && columns > 0) {
        for (long long row = start.row; !walk.done() && row < Screen::lines(); ++row) {
            detail::putRow(walk, row, start.column, columns, WholeRow, true);
        }
    }
    return false;
}

}  // namespace Forms
}  // namespace Vesk
