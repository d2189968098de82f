#pragma once

/// @file
/// A control that holds other controls.

#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A control holding an ordered list of children it paints and passes events
/// to. It does not own them. Attaching a child also enters it into the
/// control list of the container's page, so build trees from the page down.
/// Its natural size (see Control::naturalWidth) reaches the right-most and
/// bottom-most cells of its children as they are placed.
class VESK_FORMS_API Container : public Control {
public:
    /// An empty container that cannot take the focus and has no arrow-key
    /// handlers; painting it paints its children in attach order.
    Container();
    /// Lets go of the children without destroying them.
    ~Container();

    /// Appends `child` to the children, enters it into the control list of
    /// the container's page (if it is in one) and makes this container its
    /// parent; true. The caller keeps ownership. Refused (false) for null,
    /// for this container or one of its ancestors, and for a control that
    /// holds this container below it.
    bool attachChild(Control* child);
    /// Takes the first entry of `child` out of the children; false when it is
    /// not among them. The child keeps its parent link and its place in the
    /// page's control list.
    bool detachChild(Control* child);
    /// The number of children.
    int count();
    /// The child at `index` in attach order, or null.
    Control* child(int index);

    /// Whether the container has the focus (see Control::focus()).
    using Control::focus;
    /// Sets the focus flag whether or not the container can take the focus.
    bool focus(bool value);

    /// True for a plain container only, not for a page or a tab set.
    static bool is(Control& control);

    /// Calls the container's own handler for the code when it has one.
    /// Otherwise passes the event to each focused child in attach order and
    /// returns the result of the last one that is not a container (0 when
    /// none took it), or, when that is 0, the result of a handler that a
    /// child's handler gave this container meanwhile.
    int raiseEvent(int event);

protected:
    /// The UpdateView handler: draws nothing of the container's own (each
    /// paint then paints the children in attach order); 1.
    static int painter(int event, void* control);
    /// The table of a container's children (see Control::Holding); classes
    /// built on Container that hold more lists build theirs from these.
    static int heldCount(Control& holder);
    /// The child of `holder` at `index`, or null (see heldCount).
    static Control* heldAt(Control& holder, int index);
    /// Takes every entry of `child` out of the children of `holder` (see
    /// heldCount); uses only the address.
    static void forgetChild(Control& holder, Control* child);

    /// The children in attach order; not owned.
    std::vector<Control*> children;

private:
    // The natural size: where the children's cells end.
    VESK_FORMS_LOCAL static Measure measure(Control& control);
};

}  // namespace Forms
}  // namespace Vesk
