#pragma once

#include <string>
#include <vector>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Point.h"
#include "vesk/Object.h"

namespace Vesk {
namespace Forms {

/// A rectangle of cells positioned relative to its parent's top-left cell.
/// Regions refer to their parent without owning it; when a region is
/// destroyed, every region whose parent link names it becomes a root.
class VESK_FORMS_API Region : public Vesk::Object {
public:
    Region();
    ~Region();
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;

    /// A new copy of the position, tagged "p"; the caller deletes it.
    [[nodiscard]] Point* position();
    void position(int row, int column);
    /// A new point holding the absolute screen cell of the top-left corner;
    /// its tag reads "p" followed by one "L" per ancestor. The caller deletes it.
    [[nodiscard]] Point* location();

    int width();
    int width(int value);
    int height();
    int height(int value);

    Region* parent();
    /// Returns the link it stored; a parent that would close the chain of
    /// parents into a ring is refused and the current link returned.
    Region* parent(Region* value);

    OverflowStyle overflow();
    /// Throws new std::invalid_argument("Cannot scroll Region.") for anything
    /// but Hidden and Visible.
    OverflowStyle overflow(OverflowStyle value);

    /// Writes one character at `point` (relative to the region), or at the
    /// cursor when `point` is null. Takes over and deletes a given point when
    /// it returns true; false when a clipping region refuses the cell.
    bool drawCharacter(Point* point, unsigned long character, Color foreground, Color background,
                       bool highlight);
    /// A rectangle of (width + 2) x (height + 2) cells at `point`, bordered or
    /// blank; `width` and `height` are the interior size.
    bool drawRectangle(Point* point, int width, int height, Color foreground, Color background,
                       BorderStyle border, bool highlight);
    /// Writes `text` as plain characters from `point`; true only for NoWrap
    /// when the whole text fitted the region's width.
    bool drawText(Point* point, std::string text, WordWrapStyle wrap, Color foreground,
                  Color background, bool highlight);

protected:
    /// Set by Control's constructor: a walk up parent links can then tell a
    /// control from a bare region without knowing every class built on Control.
    bool controlMark = false;
    static bool marked(const Region& region) { return region.controlMark; }

private:
    Region* parentLink = nullptr;
    Point place;
    int columns = 0;
    int rows = 0;
    OverflowStyle overflowStyle = Hidden;
    // Regions whose parent link names this one, so that they can be made
    // roots when this one goes.
    std::vector<Region*> dependents;
};

}  // namespace Forms
}  // namespace Vesk
