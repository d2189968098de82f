#include "forms/TextArea.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/TextAreaState.h"
#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {

namespace {

TextArea* self(void* control) {
    return static_cast<TextArea*>(static_cast<Control*>(control));
}

bool unicode() {
    return detail::Screen::unicode();
}

// The host's text as valid lines: CR LF read as LF, the rest as a text
// box makes it valid, line by line.
std::string validLines(const std::string& value) {
    std::string valid;
    valid.reserve(value.size());
    std::size_t at = 0;
    for (;;) {
        std::size_t end = std::min(value.find('\n', at), value.size());
        const std::size_t cut =
            end > at && value[end - 1] == '\r' && end < value.size() ? end - 1 : end;
        valid += detail::validText(value.substr(at, cut - at));
        if (end == value.size()) {
            return valid;
        }
        valid += '\n';
        at = end + 1;
    }
}

// The first `most` characters of a valid text, a line break counted as one.
std::string firstCharacters(const std::string& text, long long most, bool unicode) {
    std::size_t at = 0;
    while (most > 0 && at < text.size()) {
        const std::size_t line = std::min(text.find('\n', at), text.size());
        const long long count = detail::countCharacters(text, at, line, unicode, most);
        if (count > most) {
            return text.substr(0, detail::skipCharacters(text.substr(0, line), at, most, unicode));
        }
        most -= count;
        at = line;
        if (at < text.size() && most > 0) {
            --most;
            ++at;
        }
    }
    return text.substr(0, at);
}

}  // namespace

TextArea::TextArea() : state(new detail::TextAreaState()) {
    stamp(detail::Tag::TextArea, sizeof(TextArea));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    navigateLeft = handler(Vesk::KeyLeft);
    navigateRight = handler(Vesk::KeyRight);
    navigateUp = handler(Vesk::KeyUp);
    navigateDown = handler(Vesk::KeyDown);
    attachHandler(Vesk::AnyCharacter, type);
    attachHandler(Vesk::PasteLineBreak, type);
    attachHandler(Vesk::PasteBegin, pasteBegin);
    attachHandler(Vesk::PasteEnd, pasteEnd);
    for (int key : {0x7F, 0x08, static_cast<int>(Vesk::KeyBackspace)}) {
        attachHandler(key, erase);
    }
    attachHandler(Vesk::KeyDelete, eraseForward);
    attachHandler(Vesk::KeyEnter, newLine);
    attachHandler(Vesk::KeyLineFeed, newLine);
    attachHandler(Vesk::KeyLeft, left);
    attachHandler(Vesk::KeyRight, right);
    attachHandler(Vesk::KeyUp, up);
    attachHandler(Vesk::KeyDown, down);
    attachHandler(Vesk::KeyHome, home);
    attachHandler(Vesk::KeyEnd, end);
    attachHandler(Vesk::KeyPreviousPage, pageUp);
    attachHandler(Vesk::KeyNextPage, pageDown);
    // Ctrl+Z, Ctrl+/ (or Ctrl+_) and Ctrl+Y.
    attachHandler(0x1A, undo);
    attachHandler(0x1F, undo);
    attachHandler(0x19, redo);
    attachHandler(Vesk::AnyMouse, pointer);
    background(Black);
    color(White);
    borderColor(BrightBlack);
    width(40);
    height(5);
    attachHandler(Vesk::UpdateView, painter);
}

TextArea::~TextArea() = default;

detail::TextAreaState& TextArea::laidOut() {
    state->settle(std::max(0, width()), std::max(0, height()), unicode());
    return *state;
}

std::string TextArea::text() {
    return state->lines.joined();
}

std::string TextArea::text(std::string value) {
    detail::TextAreaState& s = laidOut();
    s.pasting = false;
    s.pasted.clear();
    std::string valid = validLines(value);
    if (s.limit > 0) {
        valid = firstCharacters(valid, s.limit, unicode());
    }
    s.lines.assign(valid);
    s.caret = detail::TextLines::endOf({}, valid);
    s.goal = -1;
    s.history.clear();
    return valid;
}

int TextArea::lines() {
    return detail::clampCells(static_cast<long long>(state->lines.count()));
}

int TextArea::row() {
    return detail::clampCells(static_cast<long long>(state->caret.line));
}

int TextArea::column() {
    const detail::TextAreaState& s = *state;
    return detail::clampCells(
        detail::countCharacters(s.lines.text(s.caret.line), 0, s.caret.at, unicode(), INT_MAX));
}

bool TextArea::cursor(int row, int column) {
    settlePaste();
    detail::TextAreaState& s = laidOut();
    if (row < 0 || static_cast<std::size_t>(row) >= s.lines.count() || column < 0) {
        return false;
    }
    const std::string& line = s.lines.text(static_cast<std::size_t>(row));
    if (detail::countCharacters(line, 0, line.size(), unicode(), column) < column) {
        return false;
    }
    s.caret = {static_cast<std::size_t>(row), detail::skipCharacters(line, 0, column, unicode())};
    s.goal = -1;
    s.history.breakRun();
    return true;
}

bool TextArea::wrap() {
    return state->wrap;
}

bool TextArea::wrap(bool value) {
    state->wrap = value;
    state->goal = -1;
    return value;
}

int TextArea::maxLength() {
    return state->limit;
}

int TextArea::maxLength(int value) {
    settlePaste();
    detail::TextAreaState& s = laidOut();
    s.limit = std::max(0, value);
    if (s.limit > 0 && s.lines.characters() > s.limit) {
        const std::string kept = firstCharacters(s.lines.joined(), s.limit, unicode());
        s.lines.assign(kept);
        s.caret = detail::TextLines::endOf({}, kept);
        s.goal = -1;
        s.history.clear();
    }
    return s.limit;
}

std::string TextArea::placeholder() {
    return state->hint;
}

std::string TextArea::placeholder(std::string value) {
    state->hint = std::move(value);
    return state->hint;
}

bool TextArea::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

int TextArea::changed(int event) {
    if (changeHandler != nullptr) {
        changeHandler(event, static_cast<Control*>(this));
    }
    return 1;
}

// A paste past the limit keeps what fits.
bool TextArea::settlePaste() {
    detail::TextAreaState& s = *state;
    if (!s.pasting) {
        return false;
    }
    s.pasting = false;
    std::string pasted = std::move(s.pasted);
    s.pasted.clear();
    laidOut();
    if (s.limit > 0) {
        pasted = firstCharacters(pasted, s.limit - s.lines.characters(), unicode());
    }
    if (pasted.empty() || !s.edit(s.caret, s.caret, pasted, false)) {
        return false;
    }
    s.history.breakRun();
    changed(Vesk::PasteEnd);
    return true;
}

int TextArea::pasteBegin(int, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    area->state->pasting = true;
    return 1;
}

int TextArea::pasteEnd(int, void* control) {
    TextArea* area = self(control);
    if (!area->state->pasting) {
        return 0;
    }
    area->settlePaste();
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
