#pragma once

/// @file
/// A box that scrolls a content taller or wider than itself.

#include <vector>

#include "forms/Container.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

namespace detail {
struct Tree;
}

/// A container whose children are placed in a content area that may be
/// taller and wider than the box: the box shows the part of it from the cell
/// (scrollRow, scrollColumn), and cuts every control below it, at any depth,
/// to its own rectangle. The content starts at the children's (0, 0); what
/// lies above or left of it never shows.
///
/// The box follows the focus: whenever the control keys reach moves to a
/// control inside it (Tab, back-tab, the arrow keys, a click, takeFocus,
/// Page::activeControl, a page shown again), or the box changes size, it
/// scrolls the least that shows that control whole, with its border; a
/// control larger than the box shows from its top row and left column. A
/// text box's caret and a list's selected row (the cell where a control puts
/// the page's cursor) are kept in view as they move. The arrow keys reach
/// controls scrolled out of view, the nearest in the content in their
/// direction. The wheel over the box scrolls it by three rows; over a list
/// inside it, the list first and the box when the list is at its end. Page
/// Up and Page Down scroll it by its height when the focused control leaves
/// them unused. With the content taller than the box, its last column shows
/// a scroll bar: a track and a thumb whose size and place show the rows in
/// view (block characters; '|' and '#' on a terminal that is not UTF-8).
///
/// Only the children in view are painted, so a box of a thousand fields
/// paints as fast as one of twenty. Cannot take the focus.
///
/// In a stack or a grid the box's natural size is the size the host gave
/// it; without one, its content's width and the bar's column, and at most
/// ten rows of its content. A stack or grid that fills the box takes the
/// box's width and its own natural height when that is taller than the box.
class VESK_FORMS_API ScrollBox : public Container {
public:
    /// An empty box scrolled to (0, 0), White on Black.
    ScrollBox();
    /// Lets go of the children without destroying them.
    ~ScrollBox();

    /// The rows the content takes: the bottom-most row of any visible child
    /// (a disabled one counts, an invisible one does not), its border
    /// included (at most the largest int). The scroll range and the bar
    /// follow it.
    int contentHeight();
    /// The columns the content takes: the right-most column of any visible
    /// child, its border included (at most the largest int).
    int contentWidth();

    /// The content row shown on the box's top row.
    int scrollRow();
    /// Scrolls so that content row `row` shows on the top row, clamped to
    /// 0..contentHeight() - the rows in view; returns the row it went to.
    int scrollRow(int row);
    /// The content column shown in the box's left column.
    int scrollColumn();
    /// Scrolls so that content column `column` shows in the left column,
    /// clamped likewise; returns the column it went to.
    int scrollColumn(int column);

    /// True for a scroll box.
    static bool is(Control& control);

private:
    friend struct detail::Tree;
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    // Sizes the stacks and grids that fill the box before it measures them.
    VESK_FORMS_LOCAL static void arrange(Control& control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    VESK_FORMS_LOCAL static int barPainter(int event, void* control);
    VESK_FORMS_LOCAL static int pointer(int event, void* control);
    VESK_FORMS_LOCAL static int pageUp(int event, void* control);
    VESK_FORMS_LOCAL static int pageDown(int event, void* control);
    // The table of the box (see Control::Holding): the children, then the
    // scroll bar, which is painted one layer up in the last column.
    VESK_FORMS_LOCAL static int heldCount(Control& holder);
    VESK_FORMS_LOCAL static Control* heldAt(Control& holder, int index);
    VESK_FORMS_LOCAL static void forgetHeld(Control& holder, Control* child);
    VESK_FORMS_LOCAL static void placeHeld(Control& holder, Control& child, Placement& placement);
    VESK_FORMS_LOCAL static const std::vector<Control*>* heldInView(Control& holder);
    VESK_FORMS_LOCAL static bool revealHeld(Control& holder, Control& child, long long row,
                                            long long column, long long height, long long width);

    // The content's extent and the index of the children by row, measured
    // anew only after a child moved, changed size or came or went.
    VESK_FORMS_LOCAL void measure();
    // Lists the children that show with the scroll as it is.
    VESK_FORMS_LOCAL void collectInView(Control* path);
    // The rows and columns of the content in view (less the bar's column).
    VESK_FORMS_LOCAL long long viewRows();
    VESK_FORMS_LOCAL long long viewColumns();
    // Keeps the scroll inside what the content allows; true when it moved.
    VESK_FORMS_LOCAL bool clampScroll();
    // Scrolls by `rows`; true when it moved.
    VESK_FORMS_LOCAL bool scrollBy(long long rows);

    long long firstRow = 0;
    long long firstColumn = 0;
    long long rows = 0;  // the content's extent, as last measured
    long long columns = 0;
    // What the last paint followed: the control keys reached and the box's
    // size, so that a new focus or a new size scrolls it into view. Only
    // compared, never followed.
    const Control* followed = nullptr;
    int paintedHeight = -1;
    int paintedWidth = -1;
    // The child on the way down to that control, painted even out of view
    // so that its caret stays known.
    const Control* onPath = nullptr;
    // The children in view at the last paint, in attach order.
    std::vector<Control*> inView;
    // A child's cells in the content and its place in attach order.
    struct Placed {
        long long top, left, bottom, right;
        int index;
    };
    // The children (with a footprint) by their top row, what they were when
    // measured and the layout count then; the tallest footprint.
    std::vector<Placed> byTop;
    std::vector<Control*> measured;
    std::vector<int> unbounded;  // children that draw past themselves (Visible)
    std::vector<Control*> arranging;  // children that place what they hold
    unsigned measuredCount = 0;
    bool measuredOnce = false;
    long long tallest = 0;
    // The scroll bar: held by the box, never attached to a page.
    Control bar;
};

}  // namespace Forms
}  // namespace Vesk
