#pragma once

/// @file
/// What a painter draws a control with.

#include <string>

#include "forms/Control.h"
#include "forms/Enums.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

namespace detail {
struct Frame;
}

/// The paint road of a control: made in the control's UpdateView handler, it
/// knows where the paint under way puts the control on the screen, what
/// cuts it (clipping holders and the screen edge), its layer and whether
/// keys reach it. Rows and columns are counted from the control's top-left
/// cell; everything drawn is cut exactly as the library's own controls are.
class VESK_FORMS_API Canvas {
public:
    /// The canvas of `control`: the frame the paint under way gave it, or,
    /// outside a paint, the one its place in the tree gives.
    explicit Canvas(Control& control);

    /// The control's width in columns.
    int width();
    /// The control's height in rows.
    int height();
    /// Whether keys reach the control: it ends the chain of active controls
    /// from the top of its tree and has the focus. Paint it focused then.
    bool keysReach();

    /// Writes `text` on `row` from `column`, measured in cells (wide
    /// characters take two, combining marks join the character before),
    /// cut to the control's width and to what shows. Returns the cells the
    /// text takes from `column` as far as the width allows.
    int text(int row, int column, const std::string& text, Color foreground, Color background,
             bool highlight);
    /// Blanks `cells` cells of `row` from `column`, cut likewise.
    void blank(int row, int column, int cells, Color foreground, Color background,
               bool highlight);
    /// A box of `height` x `width` cells (its border rows and columns
    /// included) at (`row`, `column`): a single line for SingleLine, blanks
    /// otherwise. It may reach past the control (a border one cell around
    /// it); it is cut only to what shows.
    void box(int row, int column, int height, int width, BorderStyle style, Color foreground,
             Color background, bool highlight);
    /// Writes the control's cells that show into the screen map, so that
    /// clicks and the arrow keys find it; a control that can take the focus
    /// claims them at each paint.
    void claim();
    /// Puts the page's cursor on (`row`, `column`) when keys reach the control.
    void cursor(int row, int column);

private:
    VESK_FORMS_LOCAL detail::Frame frame() const;

    Control& control;
    // The frame, as plain cells: the control's top-left on the screen, the
    // rectangle it may draw into, its layer and the top of its tree.
    long long originRow;
    long long originColumn;
    long long clipTop;
    long long clipLeft;
    long long clipBottom;
    long long clipRight;
    int layer;
    bool keys;
    Control* top;
    // Whether the control is enabled, and the paint under way (null outside
    // one), which learns where the cursor went.
    bool enabled;
    void* walk;
};

}  // namespace Forms
}  // namespace Vesk
