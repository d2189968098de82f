#pragma once

#include <cstddef>
#include <limits>

#include "forms/Enums.h"
#include "geometry/Clip.h"
#include "geometry/TextCells.h"

namespace Vesk {
namespace Forms {
namespace detail {

// Every cell of a row, as far as the screen reaches.
constexpr Span WholeRow = {0, std::numeric_limits<long long>::max()};

// Writes one row of `walk` (see layRow) on screen row `row` with its cell
// 0 at screen column `column`, in the current colours: only the cells in
// `shown` (counted from cell 0) that are on the screen are written, and a
// glyph cut by either edge shows blanks in the cells that are. Returns
// the cells the row takes, as far as laid out.
long long putRow(TextWalk& walk, long long row, long long column, long long room, Span shown,
                 bool wholeRow = false);

// The rows of a box `height` x `width` cells whose shown cells are `box`,
// in the current colours: a single line for SingleLine, blanks otherwise.
void putBox(const Area& box, long long height, long long width, BorderStyle style);

// Writes a text whose cell 0 is at screen column `column`; only the
// cells in `shown` show.
void putText(long long row, long long column, const char* text, std::size_t length, Span shown);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
