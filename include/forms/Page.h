#pragma once

/// @file
/// The top of a tree of controls.

#include <string>
#include <vector>

#include "forms/Container.h"
#include "forms/Export.h"
#include "forms/Point.h"

namespace Vesk {
namespace Forms {

class Dialog;
namespace detail {
struct Overlays;
}

/// Top of a tree of controls: holds the control list (every control attached
/// under it, in attach order, the order of Tab navigation), the active
/// control that receives keys, a title and the cell where the terminal cursor
/// is put after painting.
class VESK_FORMS_API Page : public Container {
public:
    /// A null window stands for the whole standard screen, whose size the
    /// page takes, and takes again at each paint after the screen changed
    /// size, unless the host has given the page a size of its own or the page
    /// belongs to a tab set. Otherwise `window` is a curses WINDOW that the
    /// page is bound to. A page starts focused and cannot take the focus.
    explicit Page(void* window = nullptr);
    /// Lets go of its control list and children without destroying them.
    ~Page();

    /// Makes `control` the active control and gives it the focus. Throws
    /// new std::domain_error("Cannot activate control of another page!")
    /// when it is not in the control list; the caller deletes the exception.
    /// Returns `control`. The control that had the focus keeps its flag.
    /// Refused for a control that is disabled or invisible, or inside a
    /// holder that is: null, the active control stays as it was.
    Control* activeControl(Control* control);
    /// The control that receives keys. Null when the control list is empty
    /// or no control is active.
    Control* activeControl();

    /// Stores the cell (absolute: row and column of the screen) where the
    /// terminal cursor goes after the page is painted; returns a new copy of
    /// it that the caller deletes. Focused controls set it as they paint;
    /// a root page's paint in which no control set it hides the cursor.
    [[nodiscard]] Point* cursor(Point& point);
    /// A new copy of the cursor cell; the caller deletes it.
    [[nodiscard]] Point* cursor();

    /// Stores the title and returns the page's own copy of it. On a page
    /// bound to the standard screen, also sets the window title; a page made
    /// with a null window keeps its title to itself.
    std::string& title(std::string title);
    /// The page's title (a reference to the page's own copy). A page made
    /// with a null window starts with the window title the process last set.
    std::string& title();

    /// The curses WINDOW the page was made with, or null for the whole screen.
    void* window();

    /// While dialogs are open over this page (see Dialog), hands every key
    /// and mouse event to the topmost one. Otherwise routes a key down the
    /// chain of active controls: the active control,
    /// and when that is a tab set, the page it shows and its active control,
    /// at any depth. A tab set on the chain takes the keys it handles (Page
    /// Down, Page Up, Tab) before what it shows; any other key reaches the
    /// control at the end, and when that leaves it unhandled (0), the
    /// holders around it in turn up to its page. Tab and back-tab that it
    /// leaves unhandled move the
    /// focus along the control list (see tabIntoPages). A mouse event goes to
    /// the control the screen map shows at its cell, if that control is in
    /// this page or in a page a tab set of it shows, and can take the focus:
    /// a left press first makes it the active control (as an arrow key
    /// would); a left release reaches it only when the left press before it
    /// did too. 0 for a cell with no such control, and for every mouse event
    /// while Session::mouse() is off. Otherwise the result of the handler that
    /// took the event; 0 when none did, also for a Tab that moved the focus.
    /// On a root page, a text box that keys no longer reach after the event
    /// (or before it: the host moved the focus) ends its paste and checks
    /// its text (see TextBox).
    int raiseEvent(int event);

    /// Whether Tab and back-tab walk into the pages that tab sets show
    /// (false at first). Off, Tab on a page whose active control is a tab
    /// set moves the focus inside the shown page and also moves this page's
    /// focus on from the set. On, Tab and back-tab walk the controls of the
    /// shown page of each tab set in their turn, at any depth, and leave the
    /// set after its last control (before its first); a set whose shown page
    /// has no control that can take the focus is a stop of its own. Read on
    /// the root page of the tree, and on an open dialog for its own Tab.
    bool tabIntoPages();
    /// Stores the setting and returns it.
    bool tabIntoPages(bool value);

    /// True when the file can be opened for reading; reads nothing.
    bool import(std::string path);

    /// The number of entries in the control list.
    int controlCount();
    /// The control list's entry at `index`, in attach order; null when there
    /// is none.
    Control* control(int index);
    /// Checks every control in the control list that checks what it holds
    /// (a text box its text, see TextBox::validate; a control of the host's
    /// with a Checking table, see Control::checking), and in the pages that
    /// its tab sets hold, at any depth; each shows its message. A control
    /// that is disabled or invisible, or sits in a holder or page that is,
    /// is left out: the user could not correct it. The first
    /// invalid one in tab order takes the focus: its pages are shown in their
    /// tab sets and the scrolling boxes around it scroll it into view.
    /// Returns how many are invalid (0 when all are valid; the focus then
    /// stays where it was).
    int validate();

private:
    friend struct detail::Tree;
    friend struct detail::Overlays;
    friend class Dialog;
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    VESK_FORMS_LOCAL static Control* activeEntry(Control& holder);
    // The page's table (see Control::Holding): its children as a
    // container's, and its control list.
    VESK_FORMS_LOCAL static void forgetEntries(Control& holder, Control* control);
    VESK_FORMS_LOCAL static void enterEntry(Control& holder, Control& control);
    VESK_FORMS_LOCAL void navigateForward();
    VESK_FORMS_LOCAL void navigateBackward();
    VESK_FORMS_LOCAL int routeMouse(int event);
    VESK_FORMS_LOCAL int route(int event);
    VESK_FORMS_LOCAL bool showsInside(Control* target);
    VESK_FORMS_LOCAL static int bubble(Control& from, int event);

    std::vector<Control*> controls;
    std::string caption;
    int active = -1;  // index into controls, -1 when unset
    bool intoPages = false;
    // How many routings of an event are under way on this page (see
    // raiseEvent); a loop in the tree stops at MaxRouting.
    int routing = 0;
    static constexpr int MaxRouting = 64;
    // The control the last left press went to, until the next left release:
    // a button clicks only when both land on it.
    Control* pressed = nullptr;
    void* screen;
    Point cursorCell;
    // The size last taken from the standard screen.
    int screenColumns = 0;
    int screenLines = 0;
    // The paint that last painted the page as the top of its tree (see
    // the paint walk), 0 before the first.
    unsigned paintNumber = 0;
    // The dialogs open over this root page, the topmost last (see Dialog):
    // held after the children, each on a higher layer.
    std::vector<Page*> overlays;
    // While open as a dialog: centred on the screen rather than placed at
    // its position.
    bool centreOnScreen = true;
    // The control that last put the cursor and its cell counted from the
    // control's top-left: a scrolling box follows that cell when it moves.
    // Only compared, never followed.
    const Control* caretOwner = nullptr;
    long long caretRow = 0;
    long long caretColumn = 0;
};

}  // namespace Forms
}  // namespace Vesk
