#pragma once

/// @file
/// A text field of many lines.

#include <memory>
#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

namespace detail {
struct TextAreaState;
}

/// A focusable text field of many lines, `width` x `height` cells, in the
/// field's colours; with a border other than NoBorder a box is drawn one
/// cell around it, as around a text box. Lines longer than the field are
/// wrapped between words (a word wider than the field is cut between
/// characters), or, with wrapping off, shown scrolled sideways. The field
/// scrolls to keep the caret in view, and while the text takes more rows
/// than the field its last column shows a scroll bar as a scroll box's. A
/// focused text area puts the page's cursor on the caret.
///
/// The text is UTF-8 lines joined by LF and holds no other control
/// character. Lengths and the caret's column count characters: a character
/// with the combining marks that follow it is one. Typed characters insert
/// at the caret; Enter starts a new line; Backspace (0x7F, 0x08,
/// KeyBackspace) deletes the character before the caret and Delete the one
/// after it, joining two lines at their ends. Left and Right move by
/// characters and go on to the next or previous line; Up and Down move by
/// rows and keep the caret's column in cells (the column where the moves
/// began, however narrow or short the rows between); Home and End go to the
/// ends of the row; Page Up and Page Down move and scroll by the field's
/// height. Left at the start of the text, Right at its end, Up on the first
/// row and Down on the last move the focus as on every control; Tab goes on
/// to the next control. Ctrl+Z (0x1A) and Ctrl+/ (0x1F, which terminals also
/// send for Ctrl+_) undo and Ctrl+Y (0x19) redoes the last 100 edits; a run
/// of typed characters is one edit.
///
/// A bracketed paste (the events PasteBegin, the characters with
/// PasteLineBreak for each line break, PasteEnd) is one edit: it is put in
/// at PasteEnd, or as soon as another key comes or the field loses the keys
/// before that, with one change handler call. A left press puts the caret
/// before the character under the pointer; the wheel scrolls three rows,
/// taking the caret along when it would leave the view.
class VESK_FORMS_API TextArea : public Control {
public:
    /// An empty field 40 columns wide and 5 rows high, White on Black,
    /// wrapped, with no limit, no placeholder and no border.
    TextArea();
    /// Destroys the field (see Control::~Control).
    ~TextArea();

    /// The text, UTF-8, lines joined by LF; a paste under way is not in it
    /// yet.
    std::string text();
    /// Stores the text and returns what was stored: CR LF becomes LF; each
    /// byte that is not part of a UTF-8 character and each other control
    /// character becomes U+FFFD; the text is cut to maxLength characters.
    /// The caret goes to the end, the undo steps are dropped and no change
    /// handler runs.
    std::string text(std::string value);

    /// The number of lines: one more than the line breaks.
    int lines();

    /// The line of the caret, from 0.
    int row();
    /// The caret's column: the characters before it on its line.
    int column();
    /// Puts the caret after `column` characters of line `row`; refused
    /// (false, the caret unchanged) when there is no such line or the line
    /// is shorter.
    bool cursor(int row, int column);

    /// Whether long lines are wrapped.
    bool wrap();
    /// Wraps long lines (true) or shows each line on one row, scrolled
    /// sideways to the caret; returns the setting.
    bool wrap(bool value);

    /// The most characters the text may hold, a line break counted as one;
    /// 0 for no limit.
    int maxLength();
    /// Stores the limit (a negative one as 0) and cuts a longer text to it;
    /// returns the limit stored.
    int maxLength(int value);

    /// Shown dimmed (BrightBlack on the background) while the text is empty.
    std::string placeholder();
    /// Stores the placeholder (any bytes; it is shown as a label's text is)
    /// and returns it.
    std::string placeholder(std::string value);

    /// Runs after every edit by a key, undo and redo included, with the
    /// key's code and the text area; after a paste once, with PasteEnd. A
    /// null handler is refused.
    bool change(Handler handler);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int type(int event, void* control);
    VESK_FORMS_LOCAL static int pasteBegin(int event, void* control);
    VESK_FORMS_LOCAL static int pasteEnd(int event, void* control);
    VESK_FORMS_LOCAL static int newLine(int event, void* control);
    VESK_FORMS_LOCAL static int erase(int event, void* control);
    VESK_FORMS_LOCAL static int eraseForward(int event, void* control);
    VESK_FORMS_LOCAL static int left(int event, void* control);
    VESK_FORMS_LOCAL static int right(int event, void* control);
    VESK_FORMS_LOCAL static int up(int event, void* control);
    VESK_FORMS_LOCAL static int down(int event, void* control);
    VESK_FORMS_LOCAL static int home(int event, void* control);
    VESK_FORMS_LOCAL static int end(int event, void* control);
    VESK_FORMS_LOCAL static int pageUp(int event, void* control);
    VESK_FORMS_LOCAL static int pageDown(int event, void* control);
    VESK_FORMS_LOCAL static int undo(int event, void* control);
    VESK_FORMS_LOCAL static int redo(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    // Lays the text out for the field's size as it is now.
    VESK_FORMS_LOCAL detail::TextAreaState& laidOut();
    // Puts in a paste still open; true when it changed the text.
    VESK_FORMS_LOCAL bool settlePaste();
    // Runs the change handler after an edit by the key `event`; 1.
    VESK_FORMS_LOCAL int changed(int event);
    // Moves the caret `rows` rows up (negative) or down, keeping its column.
    VESK_FORMS_LOCAL void moveRows(long long rows);

    std::unique_ptr<detail::TextAreaState> state;
    Handler changeHandler = nullptr;
    // The arrow handlers of every control, taken on at the ends of the text.
    Handler navigateLeft = nullptr;
    Handler navigateRight = nullptr;
    Handler navigateUp = nullptr;
    Handler navigateDown = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
