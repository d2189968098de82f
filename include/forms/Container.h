#pragma once

#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A control holding an ordered list of children it paints and passes events
/// to. It does not own them. Attaching a child also enters it into the
/// control list of the container's page, so build trees from the page down.
class VESK_FORMS_API Container : public Control {
public:
    Container();
    ~Container();

    bool attachChild(Control* child);
    bool detachChild(Control* child);
    int count();
    /// The child at `index` in attach order, or null.
    Control* child(int index);

    using Control::focus;
    /// Sets the focus flag whether or not the container can take the focus.
    bool focus(bool value);

    /// True for a plain container only, not for a page or a tab set.
    static bool is(Control& control);

    int raiseEvent(int event);

protected:
    static int painter(int event, void* control);
    /// The table of a container's children (see Control::Holding); classes
    /// built on Container that hold more lists build theirs from these.
    static int heldCount(Control& holder);
    static Control* heldAt(Control& holder, int index);
    static void forgetChild(Control& holder, Control* child);

    std::vector<Control*> children;
};

}  // namespace Forms
}  // namespace Vesk
