#pragma once

/// @file
/// A drop-down list of text items.

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable drop-down list. Closed, it is one row: the selected item cut
/// to the width in cells and a down-pointing mark in the last cell. Enter,
/// Space, Alt+Down or a click opens the list below the control on a higher
/// layer (above it when there is more room there, never off the screen),
/// the selected item lit. Up, Down, Home, End, Page Up and Page Down move in
/// it, a typed character jumps to the next item that begins with it (ASCII
/// letters in either case), the wheel scrolls it. Enter, Space or a click
/// on an item picks it and closes the list, running the change handler
/// when the selection changed; Esc, Tab or a click outside closes it as it
/// was. One list is open at a time on the screen: opening one closes the
/// other. Closed, Up and Down move the focus as on any control.
class VESK_FORMS_API Choice : public Control {
public:
    /// An empty, closed choice 20 columns wide and 1 row high, White on
    /// Black, whose list shows up to 8 rows.
    Choice();
    /// Closes its list and destroys the choice (see Control::~Control).
    ~Choice();

    /// Appends an item (UTF-8); true. The first item of an empty choice
    /// becomes the selected one. False when the choice holds as many items
    /// as an int counts.
    bool add(std::string text);
    /// Takes out the item at `index`; false when there is none. The same
    /// item stays selected; when it is the one removed, the one now at its
    /// place (or the new last one) is. Emptied, the list closes.
    bool remove(int index);
    /// Takes out every item and closes the list; true.
    bool clear();
    /// The number of items.
    int count();
    /// The item at `index`; empty when there is none.
    std::string item(int index);

    /// The index of the selected item; -1 when there is none.
    int selected();
    /// Selects the item at `index` clamped to the items and returns the
    /// index selected; the change handler does not run.
    int selected(int index);
    /// Stores the handler run with the key or mouse event after a pick
    /// changed the selection; true. A null one is refused (false).
    bool change(Handler handler);

    /// The most rows the open list shows (8 at first).
    int rows();
    /// Stores it, at least 1, and returns what was stored.
    int rows(int value);

    /// Whether the list is open.
    bool opened();
    /// Opens or closes the list and returns whether it is open. Opening is
    /// refused (false) for an empty choice and without a session's screen;
    /// it closes the list another choice has open.
    bool opened(bool value);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    VESK_FORMS_LOCAL static int paintList(int event, void* control);
    VESK_FORMS_LOCAL static int pointer(int event, void* control);
    VESK_FORMS_LOCAL static int openOrPick(int event, void* control);
    VESK_FORMS_LOCAL static int escape(int event, void* control);
    VESK_FORMS_LOCAL static int tabAway(int event, void* control);
    VESK_FORMS_LOCAL static int lineUp(int event, void* control);
    VESK_FORMS_LOCAL static int lineDown(int event, void* control);
    VESK_FORMS_LOCAL static int home(int event, void* control);
    VESK_FORMS_LOCAL static int end(int event, void* control);
    VESK_FORMS_LOCAL static int pageUp(int event, void* control);
    VESK_FORMS_LOCAL static int pageDown(int event, void* control);
    VESK_FORMS_LOCAL static int altDown(int event, void* control);
    VESK_FORMS_LOCAL static int jump(int event, void* control);
    // Its table (see Control::Holding): the list, shown while open.
    VESK_FORMS_LOCAL static int heldCount(Control& holder);
    VESK_FORMS_LOCAL static Control* heldAt(Control& holder, int index);
    VESK_FORMS_LOCAL static void forgetList(Control& holder, Control* control);
    VESK_FORMS_LOCAL static void placeList(Control& holder, Control& child, Placement& placement);

    // Lights the item `index` (clamped) in the open list and scrolls to it.
    VESK_FORMS_LOCAL int light(long long index);
    // Picks the lit item, closes the list and runs the change handler.
    VESK_FORMS_LOCAL int pick(int event);

    // The open list: painted by the choice's table on a higher layer.
    Control list;
    std::vector<std::string> items;
    int current = -1;
    int lit = 0;
    int shownFrom = 0;
    int mostRows = 8;
    bool open = false;
    // Where the last paint put the list, counted from the choice's cell.
    long long listRow = 1;
    long long listColumn = 0;
    int listRows = 0;
    Handler changeHandler = nullptr;
    Handler navigateUp = nullptr;
    Handler navigateDown = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
