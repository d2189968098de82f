#pragma once

/// @file
/// A container that places its children in rows and columns.

#include <vector>

#include "forms/Container.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A container that lays its children out in rows, left to right, as many
/// to a row as it has columns, each time it is painted (a paint that finds
/// nothing changed moves nothing). A two-column grid of labels (column 0:
/// the widest label) and fields (column -1: the rest) is a form whose
/// labels line up in any language.
///
/// Each column is a fixed number of cells (a positive entry), as wide as
/// the widest natural width of its children (0), or a share by weight of
/// what is left (a negative entry, its magnitude the weight). A child
/// fills its column's width and takes its natural height; a row is as tall
/// as its tallest child. When the columns need more than there is, the
/// weighted ones shrink first, then the last are cut; rows past the bottom
/// are cut; nothing is drawn outside the grid. A grid with no columns lays
/// its children out in one column as wide as the widest.
///
/// An invisible child (Control::visible) keeps its cell, so the children
/// after it stay in their columns (a label and its field stay a pair), but
/// it takes no cells there and counts for neither its column's width nor
/// its row's height; a row whose children are all invisible takes no rows
/// and no gap. Columns stay as set. The natural size of a grid, what its
/// columns, rows, gaps and padding need, leaves invisible children out the
/// same way.
///
/// gap, padding and fill work as in a Stack.
class VESK_FORMS_API Grid : public Container {
public:
    /// An empty grid of one column (0), no gap, no padding, not filling.
    Grid();
    /// Lets go of the children without destroying them.
    ~Grid();

    /// The columns as set (see the class).
    std::vector<int> columns();
    /// Stores the columns (at most 4096 are kept; the least int counts as
    /// the largest weight) and returns them.
    std::vector<int> columns(std::vector<int> value);
    /// The blank cells between two columns and between two rows.
    int gap();
    /// Stores the gap, clamped to 0..65535, and returns it.
    int gap(int cells);
    /// The blank cells inside the grid's edge on every side.
    int padding();
    /// Stores the padding, clamped to 0..65535, and returns it.
    int padding(int cells);
    /// Whether the grid takes its parent's whole area (see Stack::fill).
    bool fill();
    /// Stores whether it does and returns it.
    bool fill(bool value);

    /// True for a grid.
    static bool is(Control& control);

private:
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static void arrange(Control& control);
    VESK_FORMS_LOCAL static void forgetHeld(Control& holder, Control* child);
    VESK_FORMS_LOCAL static void placeHeld(Control& holder, Control& child, Placement& placement);

    std::vector<int> asked;  // the columns as set
    int between = 0;
    int inside = 0;
    bool fills = false;
    std::vector<int> lastInput;
    std::vector<int> nextInput;
    std::vector<Control*> lastChildren;
    // See Stack: what the last layout found, -1 before the first.
    unsigned laidCount = 0;
    int laidUnicode = -1;
};

}  // namespace Forms
}  // namespace Vesk
