#pragma once

/// @file
/// A one-line text field.

#include <cstddef>
#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable one-line text field. Its first row shows the text in the
/// field's colours, `width` cells wide, scrolled sideways so that the caret
/// stays in view; with a border other than NoBorder a box is drawn one cell
/// around it, as around a button. A focused text box puts the page's cursor
/// on the caret. Text in White on Black is written in the terminal's normal
/// rendition, so typing sends little more than the character.
///
/// The text is UTF-8 and holds no control characters. The caret and the
/// lengths count characters: a character with the combining marks that
/// follow it is one (Left, Right, Backspace and Delete take such a group
/// whole). Typed characters insert at the caret; Backspace (0x7F, 0x08,
/// KeyBackspace) deletes the character before it and Delete the one after
/// it; Home and End; Left at the start and Right at the end move the focus
/// as on every control, and so do Up and Down. Enter runs the submit handler.
/// A left press puts the caret before the character under the pointer
/// (either half of a wide one), or at the end past the text.
class VESK_FORMS_API TextBox : public Control {
public:
    /// An empty field 20 columns wide and 1 row high, White on Black, with no
    /// limit, no placeholder and no border.
    TextBox();
    /// Destroys the field (see Control::~Control).
    ~TextBox();

    /// The text, UTF-8.
    std::string text();
    /// Stores the text and returns what was stored: each byte that is not
    /// part of a UTF-8 character and each control character (U+0000 to
    /// U+001F, U+007F to U+009F) becomes U+FFFD, and the text is cut to
    /// maxLength characters. The caret goes to the end. No change handler runs.
    std::string text(std::string value);

    /// The most characters the text may hold; 0 for no limit.
    int maxLength();
    /// Stores the limit (a negative one as 0) and cuts a longer text to it;
    /// returns the limit stored.
    int maxLength(int value);

    /// Whether each character is shown as '*'.
    bool password();
    /// Shows each character as '*' (true) or as itself; returns the setting.
    /// In password mode the log names typed characters without their code.
    bool password(bool value);

    /// Shown dimmed (BrightBlack on the background) while the text is empty.
    std::string placeholder();
    /// Stores the placeholder (any bytes; it is shown as a label's text is)
    /// and returns it.
    std::string placeholder(std::string value);

    /// The caret: the number of characters before it.
    int cursor();
    /// Moves the caret after `value` characters, clamped to 0..length;
    /// returns where it went.
    int cursor(int value);

    /// Runs after every edit by a key (a paste arrives as typed
    /// characters: once per character) with the key's code and the text
    /// box; a null handler is refused.
    bool change(Handler handler);
    /// Runs on Enter with KeyEnter and the text box; a null handler is refused.
    bool submit(Handler handler);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int type(int event, void* control);
    VESK_FORMS_LOCAL static int erase(int event, void* control);
    VESK_FORMS_LOCAL static int eraseForward(int event, void* control);
    VESK_FORMS_LOCAL static int left(int event, void* control);
    VESK_FORMS_LOCAL static int right(int event, void* control);
    VESK_FORMS_LOCAL static int home(int event, void* control);
    VESK_FORMS_LOCAL static int end(int event, void* control);
    VESK_FORMS_LOCAL static int enter(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    // Runs the change handler after an edit by the key `event`.
    VESK_FORMS_LOCAL int changed(int event);
    // The cells the text takes from byte `from` to byte `to`, counted up to
    // one past `limit`.
    VESK_FORMS_LOCAL long long cells(std::size_t from, std::size_t to, long long limit);
    // Moves `scroll` so that the caret's cell lies in a field of `room`
    // cells; returns that cell.
    VESK_FORMS_LOCAL long long follow(long long room);

    std::string content;
    std::string hint;
    int limit = 0;
    bool hidden = false;
    // Byte offsets of the caret and of the first character shown, both
    // between characters.
    std::size_t caret = 0;
    std::size_t scroll = 0;
    Handler changeHandler = nullptr;
    Handler submitHandler = nullptr;
    // The arrow handlers of every control, taken on at either end of the text.
    Handler navigateLeft = nullptr;
    Handler navigateRight = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
