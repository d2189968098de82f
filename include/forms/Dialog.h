#pragma once

/// @file
/// A page shown in a frame over another page until it is closed.

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"
#include "forms/Page.h"

namespace Vesk {
namespace Forms {

/// A page drawn in a single-line frame, its title in the top border, over
/// the root page it is opened on. It holds any controls, attached as to a
/// page, and keeps its own control list; their positions count from the
/// dialog's top-left cell, whose outer rows and columns the frame takes.
///
/// While it is open, the owner's raiseEvent hands every key and mouse event
/// to the topmost open dialog (a click outside it does nothing), and the
/// owner's paint paints its dialogs above the page, each on a higher layer.
/// Tab and back-tab follow the dialog's Tab order as on a page (see
/// tabIntoPages) and wrap inside the dialog; Esc closes it with result -1
/// unless a control of it takes Esc. On close the field keys reached last
/// in the dialog ends its paste and checks its text at once, the keys go back
/// to the control that had them, and the owner's next paint paints again
/// the cells the dialog covered.
class VESK_FORMS_API Dialog : public Page {
public:
    /// A closed dialog 10 rows by 40 columns with no title, White on Black,
    /// a BrightWhite frame, centred when it opens.
    Dialog();
    /// Closes the dialog when it is open (without running the closed
    /// handler) and lets go of its controls without destroying them.
    ~Dialog();

    /// Shows the dialog over `owner`, above the dialogs already open over it,
    /// and gives the focus to its first control that can take it when none
    /// is active; true. False for a null owner, a page that is not a root,
    /// a dialog that is open or attached in a tree, and past 31 dialogs open
    /// over one page.
    bool open(Page* owner);
    /// Closes the dialog with `result`, then runs the closed handler; false
    /// when it is not open.
    bool close(int result);
    /// The result of the last close; -1 before the first.
    int result();
    /// Whether the dialog is open.
    bool isOpen();
    /// Stores the handler run after each close with the result as its event
    /// and the dialog as the control; true. A null handler is refused.
    bool closed(Handler handler);

    /// Opens the dialog over `owner` and runs the events itself until it
    /// closes: Session::getEvent, then keys and mouse reports to
    /// owner->raiseEvent, KeyResize and every event a paint of the owner. An
    /// event that is neither (a worker's Session::setEvent) goes to the
    /// background handler, if the host set one. On KeyEndOfInput the dialog
    /// closes with -1 and the event is posted again for the host's loop.
    /// Returns the result; -1 without a session or when the dialog cannot
    /// open. The owner and the dialog must outlive the call.
    int run(Page* owner);
    /// The colour the dialog is painted on (see Control::background).
    using Page::background;
    /// Stores the handler that run gives the events that are neither keys
    /// nor mouse reports, with the event and the dialog; true. Null is
    /// refused.
    bool background(Handler handler);

    /// Asks a question over `owner` in one call: `text` wrapped in cells to
    /// at most 60 columns (line breaks kept), a row of `buttons` below it,
    /// the first one focused, run until one is pressed. The index of the
    /// button pressed; -1 on Esc, for a null owner, no buttons, or without
    /// a session.
    static int ask(Page* owner, std::string text, std::vector<std::string> buttons);

    /// The position as a new point (see Region::position).
    using Page::position;
    /// Places the dialog at `row`, `column` from the owner's top-left cell:
    /// from then on it opens there rather than centred on the screen.
    void position(int row, int column);
    /// Whether the dialog is centred on the screen when open (true until
    /// position(int, int) is called on it).
    bool centred();
    /// Stores the setting and returns it.
    bool centred(bool value);

private:
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    VESK_FORMS_LOCAL static int escape(int event, void* control);

    int closeResult = -1;
    Handler closedHandler = nullptr;
    Handler backgroundHandler = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
