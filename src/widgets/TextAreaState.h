#pragma once

#include <string>

#include "widgets/TextHistory.h"
#include "widgets/TextLines.h"

namespace Vesk {
namespace Forms {
namespace detail {

// What a text area keeps beside its Control part: the lines, the caret,
// the scroll, the undo steps and a paste on its way in.
struct TextAreaState {
    TextLines lines;
    TextHistory history;
    TextPlace caret;
    // The cell column Up and Down keep, or -1 when the caret's own is.
    long long goal = -1;
    // The first row and (unwrapped) the first cell shown.
    long long top = 0;
    long long left = 0;
    bool wrap = true;
    bool bar = false;
    int limit = 0;
    std::string hint;
    // Between PasteBegin and PasteEnd: the characters so far, put in at
    // once, so a paste costs one layout of the lines it makes.
    bool pasting = false;
    std::string pasted;

    // Lays the lines out for a field `width` x `height` cells: the last
    // column goes to the scroll bar while the rows outnumber the field's
    // (once shown, the bar stays until the rows laid out beside it fit).
    void settle(long long width, long long height, bool unicode);
    long long textWidth(long long width) const;

    // Replaces the text from `from` to `to` with `text` and puts the caret
    // after it; refused (false, nothing changed) past the limit. The places
    // are copies: the caret itself is often one of them.
    bool edit(TextPlace from, TextPlace to, const std::string& text, bool typing);
    // The caret's row over the whole text and its cell in that row.
    long long caretRow() const { return lines.rowOf(caret); }
    long long caretCell() const;
    // Puts the caret on row `row` (clamped) at cell `column`.
    void caretTo(long long row, long long column);
    // Scrolls the least that shows the caret in `height` x `width` cells.
    void follow(long long height, long long width);
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
