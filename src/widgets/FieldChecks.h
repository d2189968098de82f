#pragma once

namespace Vesk {
namespace Forms {
class Page;
class TextBox;
namespace [[gnu::visibility("hidden")]] detail {

// The checks of text fields that reach past one field: noticing that the
// focus left a field, and checking a whole page. A friend of TextBox.
struct FieldChecks {
    // Called by a root page before and after it routes an event: when keys
    // no longer reach the field they reached last, whatever moved the focus
    // (a key, a click, the host, another page), the field's paste ends and
    // its text is checked.
    static void settle(Page& root);
    // Called by a text box that is destroyed.
    static void forget(TextBox& box);
    // See Page::validate.
    static int validate(Page& page);

private:
    static int checkAll(Page& page, TextBox*& first, int depth);
};

}  // namespace gnu::visibility("hidden")]]detail
}  // namespace Forms
}  // namespace Vesk
