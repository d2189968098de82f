#include "forms/TextArea.h"

#include <algorithm>
#include <climits>
#include <string>

#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "vesk/Utf8.h"
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

}  // namespace

// The keys of a text area: each one first puts in a paste still open, so
// that nothing pasted is lost when the paste has no end.

// Refused (0): a character that is not printable, or one past maxLength.
int TextArea::type(int event, void* control) {
    TextArea* area = self(control);
    detail::TextAreaState& s = *area->state;
    const char32_t code = Vesk::CodePoint(event);
    const bool lineBreak = code == U'\n';
    if (code == 0 || (!lineBreak && !detail::typeable(code, unicode()))) {
        return 0;
    }
    if (s.pasting) {
        s.pasted += Vesk::EncodeUtf8(code);
        return 1;
    }
    if (lineBreak) {
        return newLine(event, control);
    }
    area->laidOut();
    return s.edit(s.caret, s.caret, Vesk::EncodeUtf8(code), true) ? area->changed(event) : 0;
}

int TextArea::newLine(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    if (!s.edit(s.caret, s.caret, "\n", false)) {
        return 0;
    }
    s.history.breakRun();
    return area->changed(event);
}

int TextArea::erase(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    detail::TextPlace from = s.caret;
    if (from.at > 0) {
        from.at = detail::previousCharacter(s.lines.text(from.line), from.at, unicode());
    } else if (from.line > 0) {
        --from.line;
        from.at = s.lines.text(from.line).size();
    } else {
        return 0;
    }
    if (!s.edit(from, s.caret, "", false)) {
        return 0;
    }
    s.history.breakRun();
    return area->changed(event);
}

int TextArea::eraseForward(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    detail::TextPlace to = s.caret;
    const std::string& line = s.lines.text(to.line);
    if (to.at < line.size()) {
        to.at = detail::nextCharacter(line, to.at, unicode());
    } else if (to.line + 1 < s.lines.count()) {
        ++to.line;
        to.at = 0;
    } else {
        return 0;
    }
    if (!s.edit(s.caret, to, "", false)) {
        return 0;
    }
    s.history.breakRun();
    return area->changed(event);
}

int TextArea::left(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = *area->state;
    if (s.caret.at > 0) {
        s.caret.at = detail::previousCharacter(s.lines.text(s.caret.line), s.caret.at, unicode());
    } else if (s.caret.line > 0) {
        --s.caret.line;
        s.caret.at = s.lines.text(s.caret.line).size();
    } else {
        return area->navigateLeft == nullptr ? 0 : area->navigateLeft(event, control);
    }
    s.goal = -1;
    s.history.breakRun();
    return 1;
}

int TextArea::right(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = *area->state;
    const std::string& line = s.lines.text(s.caret.line);
    if (s.caret.at < line.size()) {
        s.caret.at = detail::nextCharacter(line, s.caret.at, unicode());
    } else if (s.caret.line + 1 < s.lines.count()) {
        ++s.caret.line;
        s.caret.at = 0;
    } else {
        return area->navigateRight == nullptr ? 0 : area->navigateRight(event, control);
    }
    s.goal = -1;
    s.history.breakRun();
    return 1;
}

void TextArea::moveRows(long long rows) {
    detail::TextAreaState& s = laidOut();
    if (s.goal < 0) {
        s.goal = s.caretCell();
    }
    s.caretTo(s.caretRow() + rows, s.goal);
    s.history.breakRun();
}

int TextArea::up(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    if (area->laidOut().caretRow() == 0) {
        return area->navigateUp == nullptr ? 0 : area->navigateUp(event, control);
    }
    area->moveRows(-1);
    return 1;
}

int TextArea::down(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    if (s.caretRow() + 1 >= s.lines.rows()) {
        return area->navigateDown == nullptr ? 0 : area->navigateDown(event, control);
    }
    area->moveRows(1);
    return 1;
}

int TextArea::home(int, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    s.caret.at = s.lines.rowStart(s.caret.line, s.lines.subRowOf(s.caret.line, s.caret.at));
    s.goal = -1;
    s.history.breakRun();
    return 1;
}

int TextArea::end(int, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    s.caret.at = s.lines.atColumn(s.caret.line, s.lines.subRowOf(s.caret.line, s.caret.at),
                                  LLONG_MAX);
    s.goal = -1;
    s.history.breakRun();
    return 1;
}

// The page keys scroll along with the caret, so that Page Down shows the
// next page; at either end of the text they go on to the holders around.
int TextArea::pageUp(int, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    const long long rows = std::max(1, area->height());
    if (s.caretRow() == 0 && s.top == 0) {
        return 0;
    }
    s.top = std::max(0LL, s.top - rows);
    area->moveRows(-rows);
    return 1;
}

int TextArea::pageDown(int, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    const long long rows = std::max(1, area->height());
    const long long last = std::max(0LL, s.lines.rows() - rows);
    if (s.caretRow() + 1 >= s.lines.rows() && s.top >= last) {
        return 0;
    }
    s.top = std::min(last, s.top + rows);
    area->moveRows(rows);
    return 1;
}

int TextArea::undo(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    if (!s.history.canUndo()) {
        return 0;
    }
    const detail::TextStep& step = s.history.undo();
    s.lines.replace(step.from, detail::TextLines::endOf(step.from, step.inserted), step.removed);
    s.caret = step.before;
    s.goal = -1;
    return area->changed(event);
}

int TextArea::redo(int event, void* control) {
    TextArea* area = self(control);
    area->settlePaste();
    detail::TextAreaState& s = area->laidOut();
    if (!s.history.canRedo()) {
        return 0;
    }
    const detail::TextStep& step = s.history.redo();
    s.lines.replace(step.from, detail::TextLines::endOf(step.from, step.removed), step.inserted);
    s.caret = step.after;
    s.goal = -1;
    return area->changed(event);
}

}  // namespace Forms
}  // namespace Vesk
