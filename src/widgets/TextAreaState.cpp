#include "widgets/TextAreaState.h"

#include <algorithm>

#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {
namespace detail {

long long TextAreaState::textWidth(long long width) const {
    return std::max(1LL, bar ? width - 1 : width);
}

// The bar never comes and goes back and forth: rows laid out one column
// narrower are never fewer.
void TextAreaState::settle(long long width, long long height, bool unicode) {
    lines.layout(textWidth(width), wrap, unicode);
    const bool room = width > 1 && height > 0;
    if (!bar && room && lines.rows() > height) {
        bar = true;
    } else if (bar && (!room || lines.rows() <= height)) {
        bar = false;
    } else {
        return;
    }
    lines.layout(textWidth(width), wrap, unicode);
}

bool TextAreaState::edit(TextPlace from, TextPlace to, const std::string& text,
                         bool typing) {
    std::string removed = lines.slice(from, to);
    const TextPlace end = lines.replace(from, to, text);
    if (limit > 0 && lines.characters() > limit) {
        lines.replace(from, end, removed);
        return false;
    }
    const TextPlace before = caret;
    caret = end;
    // Typed before a mark with no character of its own, the character takes it.
    caret.at = characterBoundary(lines.text(end.line), end.at, lines.unicode());
    goal = -1;
    history.record({from, std::move(removed), text, before, caret}, typing);
    return true;
}

long long TextAreaState::caretCell() const {
    const long long sub = lines.subRowOf(caret.line, caret.at);
    return lines.cellsBetween(caret.line, lines.rowStart(caret.line, sub), caret.at);
}

void TextAreaState::caretTo(long long row, long long column) {
    long long sub = 0;
    lines.lineAtRow(row, caret.line, sub);
    caret.at = lines.atColumn(caret.line, sub, column);
}

void TextAreaState::follow(long long height, long long width) {
    const long long row = caretRow();
    if (height <= 0) {
        top = row;
    } else if (row < top) {
        top = row;
    } else if (row >= top + height) {
        top = row - height + 1;
    }
    top = std::clamp(top, 0LL, std::max(0LL, lines.rows() - std::max(1LL, height)));
    if (wrap) {
        left = 0;
        return;
    }
    const long long room = textWidth(width);
    const long long cell = caretCell();
    if (cell < left) {
        left = cell;
    } else if (cell >= left + room) {
        left = cell - room + 1;
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
