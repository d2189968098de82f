#pragma once

#include "forms/Page.h"

namespace Vesk {
namespace Forms {
namespace detail {

// Dialogs open over a root page: the page holds them after its children,
// each on a higher layer, and hands them every key and mouse event, the
// topmost first. A friend of Page; Dialog opens and closes through it.
struct Overlays {
    // Layers between two stacked dialogs: room for a drop-down list of the
    // lower one. The deepest layer bounds how many stack.
    static constexpr int LayerStep = 2;
    static constexpr int MostOpen = 31;

    // The page's holding table: its children, then its open dialogs.
    static int count(Control& holder);
    static Control* held(Control& holder, int index);
    static void place(Control& holder, Control& child, Page::Placement& placement);

    // Opens `dialog` over the root page `owner`; false when it cannot.
    static bool open(Page& owner, Page& dialog);
    // Takes an open dialog off its owner; false when it is not open.
    static bool close(Page& dialog);
    // The page a dialog is open over, or null.
    static Page* owner(Page& dialog);
    // Lets go of every dialog open over a page that is destroyed.
    static void dropAll(Page& owner);

    // A key or mouse event raised on a page with open dialogs.
    static int raise(Page& owner, int event);
    // Whether `control` is below a dialog of its tree's root that does not
    // hold it: the focus cannot go there while the dialog is open.
    static bool covered(Control& control);
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
