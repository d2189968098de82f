#pragma once

/// @file
/// A scrolling list of text items.

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable, scrolling list of text items, one item a row. One item is
/// selected whenever the list is not empty. Up and Down move the selection
/// (past the first or last item they move the focus as on any control),
/// Home and End go to the ends, Page Up and Page Down move by the height,
/// and Enter submits. A left press selects the item under the pointer, and
/// the wheel scrolls by three rows, moving the selection only to keep it in
/// view (the change handler runs with the mouse event when it moves). The selected row is shown
/// reversed while the list has the focus and on the border colour otherwise; with more items than
/// rows, the last column shows where the rows lie in the list. Inside a tab set, Page Up and Page
/// Down switch the set's pages: the set takes them before the page it shows.
class VESK_FORMS_API ListBox : public Control {
public:
    /// An empty list 20 columns wide and 5 rows high, White on Black, with
    /// BrightBlack as its border colour.
    ListBox();
    /// Destroys the list and its items (see Control::~Control).
    ~ListBox();

    /// Appends an item (any bytes; what is not UTF-8 shows as '?'); true. The
    /// first item of an empty list becomes the selected one. False only when
    /// the list already holds as many items as an int counts.
    bool add(std::string text);
    /// Takes out the item at `index`; false when there is none. The same item
    /// stays selected; when that is the one removed, the one now at its
    /// place (or the new last one) is.
    bool remove(int index);
    /// Takes out every item and scrolls to the top; true.
    bool clear();
    /// The number of items.
    int count();
    /// The item at `index`; empty when there is none.
    std::string item(int index);

    /// The index of the selected item; -1 when the list is empty.
    int selected();
    /// Selects the item at `index` clamped to the list, and scrolls to show
    /// it; returns the index selected. The change handler is not called.
    int selected(int index);
    /// The index of the item on the first row.
    int top();

    /// Stores the handler called with the key after a key has moved the
    /// selection (with the mouse event after a click or the wheel did); true.
    /// A null handler is refused (false).
    bool change(Handler handler);
    /// Stores the handler called with KeyEnter when Enter is pressed; its
    /// result is the key's. True; a null handler is refused (false).
    bool submit(Handler handler);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int lineUp(int event, void* control);
    VESK_FORMS_LOCAL static int lineDown(int event, void* control);
    VESK_FORMS_LOCAL static int home(int event, void* control);
    VESK_FORMS_LOCAL static int end(int event, void* control);
    VESK_FORMS_LOCAL static int pageUp(int event, void* control);
    VESK_FORMS_LOCAL static int pageDown(int event, void* control);
    VESK_FORMS_LOCAL static int enter(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    // Selects `index` (clamped) after the key `event`; calls the change
    // handler when the selection moved. 0 for an empty list, else 1.
    VESK_FORMS_LOCAL int moveTo(long long index, int event);
    // The rows scrolled through: the height, at least one.
    VESK_FORMS_LOCAL long long pageRows();
    // Brings `shownFrom` back into the list and the selection into view.
    VESK_FORMS_LOCAL void reveal();

    std::vector<std::string> items;
    int current = -1;
    int shownFrom = 0;
    Handler changeHandler = nullptr;
    Handler submitHandler = nullptr;
    // The arrow navigation Up and Down hand over to at the ends.
    Handler navigateUp = nullptr;
    Handler navigateDown = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
