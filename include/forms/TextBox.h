#pragma once

/// @file
/// A one-line text field.

#include <cstddef>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"
#include "forms/Validators.h"

namespace Vesk {
namespace Forms {

class Label;

/// A focusable one-line text field. Its first row shows the text in the
/// field's colours, `width` cells wide, scrolled sideways so that the caret
/// stays in view; with a border other than NoBorder a box is drawn one cell
/// around it, as around a button. A focused text box puts the page's cursor
/// on the caret. Text in White on Black is written in the terminal's normal
/// rendition, so typing sends little more than the character.
///
/// The text is UTF-8 and holds no control characters. The caret and the
/// lengths count characters as a reader sees them (grapheme clusters): a
/// letter with its combining marks, an emoji with its skin tone, emoji
/// joined into one, a flag, a Hangul syllable written as jamo is one, and
/// Left, Right, Backspace and Delete take it whole. Without a UTF-8 locale
/// every code point is one. The cells a character takes are those the
/// terminal gives it, so the caret stands where the screen shows it.
/// Typed characters insert at the caret; Backspace (0x7F, 0x08,
/// KeyBackspace) deletes the character before it and Delete the one after
/// it; Home and End; Left at the start and Right at the end move the focus
/// as on every control, and so do Up and Down. Enter checks the text (see
/// validate) and runs the submit handler when it is valid.
/// A left press puts the caret before the character under the pointer
/// (either half of a wide one), or at the end past the text.
///
/// A paste (the characters between Vesk::PasteBegin and Vesk::PasteEnd)
/// is one edit: its line breaks become spaces, what fits maxLength is kept
/// and the rest dropped, and the change handler runs once, at PasteEnd. A
/// paste that never ends is ended when the focus leaves the field (seen at
/// the next key or click its page routes, or its next paint) or at Enter: what was pasted
/// stays and the change handler runs then.
///
/// A field that checks its text (see validate) shows it in red while it is
/// invalid, its border too, and can show the message in a label of the
/// host's (see errorLabel). A field with a mask (see mask) takes only what
/// fits each position.
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
    /// maxLength characters. With a mask, the longest beginning of the text
    /// that fits it is kept (its literals may be left out: they are put in).
    /// The caret goes to the end. No change handler runs and the text is not
    /// checked.
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

    /// Runs after every edit by a key with the key's code and the text box,
    /// and once after a paste with Vesk::PasteEnd; a null handler is refused.
    bool change(Handler handler);
    /// Runs on Enter with KeyEnter and the text box, when the text is valid
    /// (see validate); a null handler is refused.
    bool submit(Handler handler);

    /// Sets the check of the text: it runs when the focus leaves the field,
    /// on Enter before the submit handler, and from Page::validate. An
    /// empty validator is refused (false) and the field keeps the one it
    /// had; Validators::pattern gives one for an expression that does not
    /// compile. Setting a validator clears the message until the next check.
    bool validate(Validator validator);
    /// The message of the last check: empty when the text was valid or has
    /// not been checked. A validator that throws leaves its exception's
    /// what() here.
    std::string error();

    /// The label that shows the message of each check (emptied when the
    /// text is valid), or null. The field forgets a label that is destroyed
    /// before it, and a label outlives the field without harm.
    Label* errorLabel();
    /// Stores the label (null for none) and returns it.
    Label* errorLabel(Label* label);

    /// The mask, or empty for none.
    std::string mask();
    /// Sets a mask of characters: '9' takes a digit 0 to 9, 'A' a letter of
    /// any script, '*' any character, and any other character is a literal
    /// that is written in the text for the user, who types past it (typing
    /// it steps over it). A character that does not fit the next place is
    /// refused. The text is fitted to the new mask as text() fits it; the
    /// rest of the mask shows dimmed after the text, blank places as '_',
    /// in place of the placeholder. Backspace and Delete take a character
    /// out and move those after it up, when they still fit their places.
    /// An empty mask removes it. True.
    bool mask(std::string value);

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
    VESK_FORMS_LOCAL static int pasteBegin(int event, void* control);
    VESK_FORMS_LOCAL static int pasteEnd(int event, void* control);
    // The table that lets the error label tell the field it is destroyed
    // (see Control::Holding); the field holds nothing in the tree.
    VESK_FORMS_LOCAL static int heldCount(Control& holder);
    VESK_FORMS_LOCAL static Control* heldAt(Control& holder, int index);
    VESK_FORMS_LOCAL static void forgetLabel(Control& holder, Control* label);

    // The table of the field's checks (see Control::Checking).
    VESK_FORMS_LOCAL static bool checkText(Control& control);
    VESK_FORMS_LOCAL static void leftField(Control& control);
    // Runs the validator, stores its message and shows it; true when valid.
    VESK_FORMS_LOCAL bool check();
    // Ends a paste under way: the change handler runs once if it changed.
    VESK_FORMS_LOCAL void endPaste();
    // Inserts `bytes` at the caret; false (nothing changed) past maxLength.
    VESK_FORMS_LOCAL bool insert(const std::string& bytes);
    // Deletes the characters from byte `from` to byte `to`.
    VESK_FORMS_LOCAL void remove(std::size_t from, std::size_t to);
    // Types one character into the mask at the caret; false when refused.
    VESK_FORMS_LOCAL bool typeMasked(const std::string& character);
    // The caret moved past the literals of the mask that follow it.
    VESK_FORMS_LOCAL void skipLiterals();
    // What the mask shows after the text.
    VESK_FORMS_LOCAL std::string unfilled();

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
    // The number of characters in `content`, kept by every edit.
    long long length = 0;
    Validator checker;
    std::string message;
    Label* shownIn = nullptr;
    // The mask's characters, empty for none.
    std::vector<std::string> places;
    bool pasting = false;
    // A paste under way changed the text / met maxLength or the mask.
    bool pasteChanged = false;
    bool pasteFull = false;
    Handler changeHandler = nullptr;
    Handler submitHandler = nullptr;
    // The arrow handlers of every control, taken on at either end of the text.
    Handler navigateLeft = nullptr;
    Handler navigateRight = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
