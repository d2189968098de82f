#include "forms/TextBox.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "vesk/Utf8.h"
#include "widgets/ControlPaint.h"
#include "widgets/TextEditing.h"
#include "widgets/TextMask.h"

namespace Vesk {
namespace Forms {

namespace {

TextBox* self(void* control) {
    return static_cast<TextBox*>(static_cast<Control*>(control));
}

bool unicode() {
    return detail::Screen::unicode();
}

}  // namespace

TextBox::TextBox() {
    static constexpr Holding table{heldCount, heldAt, forgetLabel, nullptr};
    stamp(detail::Tag::TextBox, sizeof(TextBox));
    holding = &table;
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    static constexpr Checking checks{checkText, leftField};
    checking = &checks;
    focusable = true;
    navigateLeft = handler(Vesk::KeyLeft);
    navigateRight = handler(Vesk::KeyRight);
    attachHandler(Vesk::AnyCharacter, type);
    attachHandler(Vesk::PasteLineBreak, type);
    attachHandler(Vesk::PasteBegin, pasteBegin);
    attachHandler(Vesk::PasteEnd, pasteEnd);
    for (int key : {0x7F, 0x08, static_cast<int>(Vesk::KeyBackspace)}) {
        attachHandler(key, erase);
    }
    attachHandler(Vesk::KeyDelete, eraseForward);
    attachHandler(Vesk::KeyLeft, left);
    attachHandler(Vesk::KeyRight, right);
    attachHandler(Vesk::KeyHome, home);
    attachHandler(Vesk::KeyEnd, end);
    attachHandler(Vesk::KeyEnter, enter);
    attachHandler(Vesk::AnyMouse, pointer);
    background(Black);
    color(White);
    borderColor(BrightBlack);
    width(20);
    height(1);
    attachHandler(Vesk::UpdateView, painter);
}

TextBox::~TextBox() {
    errorLabel(nullptr);
}

std::string TextBox::text() {
    return content;
}

std::string TextBox::text(std::string value) {
    content = detail::validText(value);
    if (!places.empty()) {
        content = detail::fitMask(places, content, unicode());
    }
    if (limit > 0) {
        content.resize(detail::skipCharacters(content, 0, limit, unicode()));
    }
    length = detail::countCharacters(content, 0, content.size(), unicode(), LLONG_MAX - 1);
    caret = content.size();
    scroll = 0;
    return content;
}

int TextBox::maxLength() {
    return limit;
}

int TextBox::maxLength(int value) {
    limit = std::max(0, value);
    if (limit > 0 && length > limit) {
        content.resize(detail::skipCharacters(content, 0, limit, unicode()));
        length = limit;
        caret = std::min(caret, content.size());
    }
    return limit;
}

bool TextBox::password() {
    return hidden;
}

bool TextBox::password(bool value) {
    maskedCharacters = value;  // what is typed stays out of the log
    return hidden = value;
}

std::string TextBox::placeholder() {
    return hint;
}

std::string TextBox::placeholder(std::string value) {
    hint = std::move(value);
    return hint;
}

int TextBox::cursor() {
    const long long count = detail::countCharacters(content, 0, caret, unicode(), INT_MAX);
    return static_cast<int>(std::min<long long>(count, INT_MAX));
}

int TextBox::cursor(int value) {
    caret = detail::skipCharacters(content, 0, value, unicode());
    skipLiterals();
    return cursor();
}

bool TextBox::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

bool TextBox::submit(Handler handler) {
    return detail::storeHandler(submitHandler, handler);
}

// Inside a paste the change handler waits for its end. A field shown
// invalid is checked again, so that it turns valid as soon as it is.
int TextBox::changed(int event) {
    if (pasting) {
        pasteChanged = true;
        return 1;
    }
    if (!message.empty()) {
        check();
    }
    if (changeHandler != nullptr) {
        changeHandler(event, static_cast<Control*>(this));
    }
    return 1;
}

bool TextBox::insert(const std::string& bytes) {
    const long long grew = detail::replaceCharacters(content, caret, caret, bytes, unicode());
    if (limit > 0 && length + grew > limit) {
        detail::replaceCharacters(content, caret, caret + bytes.size(), "", unicode());
        return false;
    }
    length += grew;
    // Typed before a mark with no character of its own, the character takes it.
    caret = detail::characterBoundary(content, caret + bytes.size(), unicode());
    return true;
}

void TextBox::remove(std::size_t from, std::size_t to) {
    length += detail::replaceCharacters(content, from, to, "", unicode());
}

// Refused (0): a character that is not printable, one past maxLength, or
// one the mask does not take. A combining mark joins the character before
// the caret and adds none. In a paste a line break is a space, and after
// the first character refused the rest of the paste is dropped.
int TextBox::type(int event, void* control) {
    TextBox* box = self(control);
    const char32_t code = Vesk::IsPasteCharacter(event) ? U' ' : Vesk::CodePoint(event);
    if (code == 0 || !detail::typeable(code, unicode())) {
        return 0;
    }
    if (box->pasting && box->pasteFull) {
        return 1;
    }
    const std::string bytes = Vesk::EncodeUtf8(code);
    if (!(box->places.empty() ? box->insert(bytes) : box->typeMasked(bytes))) {
        box->pasteFull = box->pasting;
        return box->pasting ? 1 : 0;
    }
    return box->changed(event);
}

// In a mask, the value before the caret goes and those after it move up.
int TextBox::erase(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == 0) {
        return 0;
    }
    if (!box->places.empty()) {
        long long at = box->cursor() - 1;
        while (at >= 0 && at < static_cast<long long>(box->places.size()) &&
               detail::maskLiteral(box->places[static_cast<std::size_t>(at)])) {
            --at;
        }
        std::size_t place = static_cast<std::size_t>(std::max(0LL, at));
        if (at < 0 || !detail::editMask(box->places, box->content, place, true, "", unicode())) {
            return 0;
        }
        box->length =
            detail::countCharacters(box->content, 0, box->content.size(), unicode(), LLONG_MAX - 1);
        box->caret =
            detail::skipCharacters(box->content, 0, static_cast<long long>(place), unicode());
        return box->changed(event);
    }
    const std::size_t from = detail::previousCharacter(box->content, box->caret, unicode());
    box->remove(from, box->caret);
    box->caret = from;
    return box->changed(event);
}

int TextBox::eraseForward(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == box->content.size()) {
        return 0;
    }
    if (!box->places.empty()) {
        std::size_t place = static_cast<std::size_t>(box->cursor());
        if (!detail::editMask(box->places, box->content, place, true, "", unicode())) {
            return 0;
        }
        box->length =
            detail::countCharacters(box->content, 0, box->content.size(), unicode(), LLONG_MAX - 1);
        box->caret =
            detail::skipCharacters(box->content, 0, static_cast<long long>(place), unicode());
        box->skipLiterals();
        return box->changed(event);
    }
    const std::size_t to = detail::nextCharacter(box->content, box->caret, unicode());
    box->remove(box->caret, to);
    return box->changed(event);
}

// A left press puts the caret before the character whose cells hold the
// pointer's column (either half of a wide one), counted from the first
// character shown; past the text, at its end.
int TextBox::pointer(int event, void* control) {
    TextBox* box = self(control);
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || !Vesk::MousePressed(event)) {
        return 0;
    }
    long long row = 0;
    long long column = 0;
    detail::Tree::pointerCell(*box, event, row, column);
    std::size_t at = std::min(box->scroll, box->content.size());
    long long taken = 0;
    while (at < box->content.size()) {
        const std::size_t next = detail::nextCharacter(box->content, at, unicode());
        taken += box->cells(at, next, LLONG_MAX);
        if (taken > column) {
            break;
        }
        at = next;
    }
    box->caret = at;
    box->skipLiterals();
    return 1;
}

// The caret passes the literals of a mask: before the first place it
// could type in, it is at the start.
int TextBox::left(int event, void* control) {
    TextBox* box = self(control);
    std::size_t to = box->caret;
    long long at = box->places.empty() ? 0 : box->cursor();
    do {
        to = to == 0 ? 0 : detail::previousCharacter(box->content, to, unicode());
        --at;
    } while (to > 0 && at >= 0 && static_cast<std::size_t>(at) < box->places.size() &&
             detail::maskLiteral(box->places[static_cast<std::size_t>(at)]));
    const bool literalFirst = !box->places.empty() && detail::maskLiteral(box->places[0]);
    if (box->caret == 0 || (to == 0 && literalFirst)) {
        return box->navigateLeft == nullptr ? 0 : box->navigateLeft(event, control);
    }
    box->caret = to;
    return 1;
}

int TextBox::right(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == box->content.size()) {
        return box->navigateRight == nullptr ? 0 : box->navigateRight(event, control);
    }
    box->caret = detail::nextCharacter(box->content, box->caret, unicode());
    box->skipLiterals();
    return 1;
}

int TextBox::home(int, void* control) {
    self(control)->caret = 0;
    self(control)->skipLiterals();
    return 1;
}

int TextBox::end(int, void* control) {
    TextBox* box = self(control);
    box->caret = box->content.size();
    return 1;
}

// An invalid text is not submitted: Enter shows why and is taken.
int TextBox::enter(int, void* control) {
    TextBox* box = self(control);
    box->endPaste();
    if (!box->check()) {
        return 1;
    }
    return box->submitHandler == nullptr ? 0 : box->submitHandler(Vesk::KeyEnter, control);
}

long long TextBox::cells(std::size_t from, std::size_t to, long long limit) {
    if (hidden) {
        return detail::countCharacters(content, from, to, unicode(), limit);
    }
    return detail::textCells(content.data() + from, to - from, unicode(), limit);
}

// The scroll stays put while the caret is in view, so typing rewrites one
// cell; when the caret leaves the field it comes back about its middle.
long long TextBox::follow(long long room) {
    if (room <= 0) {
        scroll = caret;
        return 0;
    }
    const long long last = room - 1;
    if (cells(0, content.size(), last) <= last) {
        scroll = 0;
    } else if (scroll <= caret) {
        scroll = detail::characterBoundary(content, scroll, unicode());
    }
    if (scroll > caret || cells(scroll, caret, last) > last) {
        std::size_t start = caret;
        long long taken = 0;
        while (start > 0) {
            const std::size_t before = detail::previousCharacter(content, start, unicode());
            taken += cells(before, start, room);
            if (taken > room / 2) {
                break;
            }
            start = before;
        }
        scroll = start;
    }
    return cells(scroll, caret, last);
}

// Box, screen map, the field on the first row (cut to what the frame
// shows), and the page's cursor on the caret when keys reach it. An invalid
// field is red; a mask shows its places still to fill after the text.
int TextBox::painter(int, void* control) {
    TextBox* box = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*box);
    const long long width = std::max(0, box->width());
    const long long height = box->height();
    const bool invalid = !box->message.empty();

    if (box->border() != NoBorder && box->width() >= 0 && height >= 0) {
        detail::drawBox(frame, -1, -1, height + 2LL, width + 2LL, box->border(),
                        invalid ? Red : box->borderColor(), box->background(), frame.keys);
    }

    detail::Tree::claim(*box, frame, height, width);

    long long caretCell = box->follow(width);
    // At the end of a masked text the caret stands past the literals that
    // the next character typed puts in, where that character will show.
    if (!box->places.empty() && box->caret == box->content.size()) {
        std::string literals;
        for (auto at = static_cast<std::size_t>(box->length);
             at < box->places.size() && detail::maskLiteral(box->places[at]); ++at) {
            literals += box->places[at];
        }
        const long long past = detail::textCells(literals, unicode());
        caretCell = caretCell + past < width ? caretCell + past : caretCell;
    }
    const detail::Area area = frame.area(0, 0, 1, width);
    const detail::Span cells = detail::firstRow(area);
    const bool hint = box->content.empty() && !box->hint.empty() && box->places.empty();
    long long taken = 0;
    // In the normal rendition a typed character costs one byte.
    const Color foreground = hint ? BrightBlack : invalid ? Red : box->color();
    std::optional<detail::ColorScope> colors;
    const auto fieldColors = [&] {
        if (!detail::Screen::normal(foreground, box->background(), false)) {
            colors.emplace(foreground, box->background(), false);
        }
    };
    {
        fieldColors();
        std::string stars;
        const std::string* shown = hint ? &box->hint : &box->content;
        std::size_t start = hint ? 0 : box->scroll;
        if (box->hidden && !hint) {
            stars.assign(static_cast<std::size_t>(detail::countCharacters(
                             box->content, box->scroll, box->content.size(), unicode(), width)),
                         '*');
            shown = &stars;
            start = 0;
        }
        detail::TextWalk walk(shown->data() + start, shown->size() - start, unicode());
        taken = detail::putRow(walk, area.row, area.column, width, cells);
    }
    if (!box->places.empty() && taken < width) {
        colors.reset();
        const std::string rest = box->unfilled();
        detail::ColorScope dim(BrightBlack, box->background(), false);
        detail::TextWalk walk(rest.data(), rest.size(), unicode());
        detail::putRow(walk, area.row, area.column + taken, width - taken,
                       {cells.first - taken, cells.last - taken});
        // What putRow gives back leaves out the blanks at a row's end.
        taken += detail::textCells(rest.data(), rest.size(), unicode(), width - taken);
    }
    if (!colors) {
        fieldColors();
    }
    detail::putBlanks(area.row, area.column, {std::max(cells.first, taken), cells.last});

    detail::Tree::cursor(frame, 0, caretCell);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
