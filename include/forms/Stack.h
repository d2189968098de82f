#pragma once

/// @file
/// A container that places its children one after another.

#include <vector>

#include "forms/Container.h"
#include "forms/Enums.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A container that sizes and places its children itself, one below the
/// other (Direction::Vertical, the default) or side by side, each time it is
/// painted: a resize followed by a paint lays it out again, and a paint that
/// finds nothing changed moves nothing. A child's own position and size are
/// overwritten; its border (and a button's box) is kept inside its slot.
///
/// Along the stack a child takes its natural size (Control::naturalWidth,
/// naturalHeight), or the cells the host fixed with size(), or with a weight
/// set by grow() a share of what the others leave. Across it the child fills
/// the stack, or takes its natural size at the start, centre or end
/// (align()). When the children need more than there is, the weighted ones
/// shrink first (to nothing), then the last ones are cut; a child left
/// with no cells is not painted. Nothing is drawn outside the stack.
///
/// An invisible child (Control::visible) takes no cells along or across
/// and no gap: the gaps lie between visible children, and its weight counts
/// for nothing. It is laid out with no cells where the next child starts,
/// so nothing of it is drawn; shown again, it has its place back at the
/// next paint.
///
/// The natural size of a stack is what its visible children, the gaps
/// between them and padding need.
/// With fill(true) it takes its parent's whole area at each paint (the
/// screen for a root page); in a scroll box, the box's width (less the
/// scroll bar's column when the content is taller) and the larger of the
/// box's height and its own natural height, so the box scrolls it.
/// Tab order stays the page's: attach order, which is the stack's order.
/// A border, when set, is drawn one cell around the stack's rectangle as
/// for every control; padding counts from inside it.
class VESK_FORMS_API Stack : public Container {
public:
    /// An empty vertical stack, no gap, no padding, not filling.
    Stack();
    /// Lets go of the children without destroying them.
    ~Stack();

    /// The direction the children follow one another in.
    Direction direction();
    /// Stores the direction (anything but Horizontal is Vertical) and returns it.
    Direction direction(Direction value);
    /// The blank cells between two children.
    int gap();
    /// Stores the gap, clamped to 0..65535, and returns it.
    int gap(int cells);
    /// The blank cells inside the stack's edge on every side.
    int padding();
    /// Stores the padding, clamped to 0..65535, and returns it.
    int padding(int cells);
    /// Whether the stack takes its parent's whole area.
    bool fill();
    /// Stores whether it does and returns it.
    bool fill(bool value);

    /// The cells along the stack fixed for `child`, or -1 when it takes
    /// its natural size (also for a control that is not a child).
    int size(Control* child);
    /// Fixes the cells `child` takes along the stack (clamped to 0..the
    /// largest int; a negative value goes back to the natural size); false
    /// when `child` is not a child.
    bool size(Control* child, int cells);
    /// The weight `child` shares the space left with (0: none).
    int grow(Control* child);
    /// Stores the weight (clamped to 0..the largest int; 0 takes the
    /// natural size again); false when `child` is not a child.
    bool grow(Control* child, int weight);
    /// How `child` is placed across the stack (Fill for a non-child).
    Align align(Control* child);
    /// Stores how; false when `child` is not a child.
    bool align(Control* child, Align value);

    /// Takes `child` out as Container::detachChild does, and forgets its
    /// size, weight and alignment. (Taken out through Container::detachChild,
    /// the child's entry goes at the next paint; a destroyed child's at once.)
    bool detachChild(Control* child);

    /// True for a stack.
    static bool is(Control& control);

private:
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static void arrange(Control& control);
    VESK_FORMS_LOCAL static void forgetHeld(Control& holder, Control* child);
    VESK_FORMS_LOCAL static void placeHeld(Control& holder, Control& child, Placement& placement);

    struct Setting {
        Control* child;
        int size;
        int weight;
        Align align;
    };
    VESK_FORMS_LOCAL Setting* settingOf(Control* child, bool make);

    Direction way = Direction::Vertical;
    int between = 0;
    int inside = 0;
    bool fills = false;
    // Per child the host set something for; forgotten when it leaves.
    std::vector<Setting> settings;
    // What the last layout was computed from; equal input writes nothing.
    std::vector<int> lastInput;
    std::vector<int> nextInput;
    std::vector<Control*> lastChildren;
    // The changes counted at or below the stack when it was last laid out,
    // and the text measure then (-1: not laid out); see Region::contentChanged.
    unsigned laidCount = 0;
    int laidUnicode = -1;
};

}  // namespace Forms
}  // namespace Vesk
