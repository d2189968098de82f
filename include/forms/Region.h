#pragma once

/// @file
/// A rectangle of cells placed in its parent, and drawing into it.

#include <string>
#include <vector>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Point.h"
#include "vesk/Object.h"

namespace Vesk {
namespace Forms {

namespace detail {
struct Tree;
}

/// A rectangle of cells positioned relative to its parent's top-left cell.
/// Regions refer to their parent without owning it; when a region is
/// destroyed, every region whose parent link names it becomes a root.
class VESK_FORMS_API Region : public Vesk::Object {
public:
    /// An empty (0 x 0) root region at (0, 0) that clips (Hidden).
    Region();
    /// Leaves its parent's list of dependents and makes every region whose
    /// parent it is a root.
    ~Region();
    /// Not copyable: other regions link to this one by address.
    Region(const Region&) = delete;
    /// Not assignable.
    Region& operator=(const Region&) = delete;

    /// A new copy of the position, tagged "p"; the caller deletes it.
    [[nodiscard]] Point* position();
    /// Places the top-left cell at `row` and `column` (cells) from the
    /// parent's top-left cell, or from the screen's for a root.
    void position(int row, int column);
    /// A new point holding the absolute screen cell of the top-left corner,
    /// the sum of the positions up the parent links; its tag reads "p"
    /// followed by one "L" per ancestor. The caller deletes it. A holder
    /// that moves what it holds (a scrolling one) paints a control elsewhere:
    /// painters use a Canvas, mouse handlers Control::pointerRow and
    /// pointerColumn, which know where the control was painted.
    [[nodiscard]] Point* location();

    /// The width in columns.
    int width();
    /// Stores the width in columns and returns it.
    int width(int value);
    /// The height in rows.
    int height();
    /// Stores the height in rows and returns it.
    int height(int value);

    /// The region this one is placed in, or null for a root. Not owned.
    Region* parent();
    /// Returns the link it stored; a parent that would close the chain of
    /// parents into a ring is refused and the current link returned.
    Region* parent(Region* value);

    /// Whether drawing is cut to the region (Hidden, the default) or may
    /// spill past it (Visible). Controls inside a Hidden region are cut to it.
    OverflowStyle overflow();
    /// Stores the style and returns it. Throws
    /// new std::invalid_argument("Cannot scroll Region.") for anything but
    /// Hidden and Visible; the caller deletes the exception.
    OverflowStyle overflow(OverflowStyle value);

    /// Writes one character at `point` (relative to the region), or at the
    /// cursor when `point` is null. Takes over and deletes a given point when
    /// it returns true; false when a clipping region refuses the cell.
    bool drawCharacter(Point* point, unsigned long character, Color foreground, Color background,
                       bool highlight);
    /// A rectangle of (width + 2) x (height + 2) cells at `point` (relative to
    /// the region), bordered or blank; `width` and `height` are the interior
    /// size. False for a null point; the caller keeps the point.
    bool drawRectangle(Point* point, int width, int height, Color foreground, Color background,
                       BorderStyle border, bool highlight);
    /// Writes `text` as plain characters from `point` (relative to the
    /// region); true only for NoWrap when the whole text fitted the region's
    /// width. The caller keeps the point.
    bool drawText(Point* point, std::string text, WordWrapStyle wrap, Color foreground,
                  Color background, bool highlight);

protected:
    /// Set by Control's constructor: a walk up parent links can then tell a
    /// control from a bare region without knowing every class built on Control.
    bool controlMark = false;
    /// Whether `region` is a control (see controlMark).
    static bool marked(const Region& region) { return region.controlMark; }
    /// Tells the parent that this region moved, changed size or changed
    /// how it draws (see layoutCount), and the layouts above it that they
    /// must measure again (see contentChanged); each setter that does calls it.
    void layoutChanged();
    /// Tells this region and every one above it that something that may
    /// change a natural size (see Control::naturalWidth) changed below them,
    /// though nothing moved: a text, the items of a list. A class that
    /// measures its own data calls it whenever that data changes, or the
    /// stacks and grids around it keep the layout they made.
    void contentChanged();

private:
    friend struct detail::Tree;
    Region* parentLink = nullptr;
    Point place;
    int columns = 0;
    int rows = 0;
    OverflowStyle overflowStyle = Hidden;
    // Counts the changes of place, size or parent link of the regions whose
    // parent this one is, so that a holder that measures them (a scrolling
    // box) reads them again only after one changed.
    unsigned layoutCount = 0;
    // Counts the changes of this region and of every region below it, so
    // that a layout that finds it as it left it skips measuring and placing.
    unsigned treeCount = 0;
    // Regions whose parent link names this one, so that they can be made
    // roots when this one goes.
    std::vector<Region*> dependents;
};

}  // namespace Forms
}  // namespace Vesk
