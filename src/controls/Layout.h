#pragma once

#include <algorithm>
#include <climits>
#include <vector>

#include "forms/Control.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The arithmetic stacks and grids share. Sizes are counted in long long:
// a child's cells are at most an int, and sums of any count stay inside.

// Cells of gaps and padding are kept below this, so sums cannot run far.
constexpr int MostSpacing = 65535;

inline int clampCells(long long cells) {
    return static_cast<int>(std::clamp<long long>(cells, 0, INT_MAX));
}

// Hands `left` cells to the entries with a weight, in proportion and the
// remainder to the first ones, adding to `sizes`. Weights are scaled down
// first when their sum passes 2^31, so that no product overflows.
void share(std::vector<long long>& sizes, std::vector<long long> weights, long long left);

// Sizes `holder` to its parent's whole area (see Stack::fill); a scroll box
// gives its width and the larger of its height and the holder's natural
// height, measured only then.
void fillParent(Control& holder);

// The UpdateView handler of a stack and a grid: the border, when it has one,
// one cell around its rectangle (the children are painted after it); 1.
int paintLayout(int event, void* control);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
