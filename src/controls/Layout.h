#pragma once

#include <algorithm>
#include <climits>
#include <vector>

#include "controls/Frame.h"
#include "forms/Control.h"
#include "geometry/Clip.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The arithmetic stacks and grids share. Sizes are counted in long long:
// a child's cells are at most an int, and sums of any count stay inside.

// Cells of gaps and padding are kept below this, so sums cannot run far.
constexpr int MostSpacing = 65535;

// Hands `left` cells to the entries with a weight, in proportion and the
// remainder to the first ones, adding to `sizes`. Weights are scaled down
// first when their sum passes 2^31, so that no product overflows.
void share(std::vector<long long>& sizes, std::vector<long long> weights, long long left);

// Whether a layout of `holder` would read what its last one did, which
// ended with `seen` changes counted at or below the holder and text measured
// as `unicode` (-1: none yet): nothing changed there, and its children are
// those it placed, each still its own (a change below a child attached
// elsewhere is counted there). Then it has nothing to measure or write.
inline bool unchanged(Control& holder, const std::vector<Control*>& children,
                      const std::vector<Control*>& placed, unsigned seen, int unicode) {
    if (unicode != static_cast<int>(Screen::unicode()) || seen != Tree::treeCount(holder) ||
        children.size() != placed.size()) {
        return false;
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i] != placed[i] || Tree::parentOf(*children[i]) != &holder) {
            return false;
        }
    }
    return true;
}

// Notes what a layout of `holder` that has just ended read (see unchanged).
inline void remember(Control& holder, unsigned& seen, int& unicode) {
    seen = Tree::treeCount(holder);
    unicode = Screen::unicode();
}

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
