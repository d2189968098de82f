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
    stamp(detail::Tag::TextBox, sizeof(TextBox));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    navigateLeft = handler(Vesk::KeyLeft);
    navigateRight = handler(Vesk::KeyRight);
    attachHandler(Vesk::AnyCharacter, type);
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

TextBox::~TextBox() = default;

std::string TextBox::text() {
    return content;
}

std::string TextBox::text(std::string value) {
    content = detail::validText(value);
    if (limit > 0) {
        content.resize(detail::skipCharacters(content, 0, limit, unicode()));
    }
    caret = content.size();
    scroll = 0;
    return content;
}

int TextBox::maxLength() {
    return limit;
}

int TextBox::maxLength(int value) {
    limit = std::max(0, value);
    if (limit > 0) {
        content.resize(detail::skipCharacters(content, 0, limit, unicode()));
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
    return cursor();
}

bool TextBox::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

bool TextBox::submit(Handler handler) {
    return detail::storeHandler(submitHandler, handler);
}

int TextBox::changed(int event) {
    if (changeHandler != nullptr) {
        changeHandler(event, static_cast<Control*>(this));
    }
    return 1;
}

// Refused (0): a character that is not printable, or one past maxLength. A
// combining mark joins the character before the caret and adds none.
int TextBox::type(int event, void* control) {
    TextBox* box = self(control);
    const char32_t code = Vesk::CodePoint(event);
    if (code == 0 || !detail::typeable(code, unicode())) {
        return 0;
    }
    const std::string bytes = Vesk::EncodeUtf8(code);
    box->content.insert(box->caret, bytes);
    if (box->limit > 0 && detail::countCharacters(box->content, 0, box->content.size(), unicode(),
                                                  box->limit) > box->limit) {
        box->content.erase(box->caret, bytes.size());
        return 0;
    }
    // Typed before a mark with no character of its own, the character takes it.
    box->caret = detail::characterBoundary(box->content, box->caret + bytes.size(), unicode());
    return box->changed(event);
}

int TextBox::erase(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == 0) {
        return 0;
    }
    const std::size_t from = detail::previousCharacter(box->content, box->caret, unicode());
    box->content.erase(from, box->caret - from);
    box->caret = from;
    return box->changed(event);
}

int TextBox::eraseForward(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == box->content.size()) {
        return 0;
    }
    const std::size_t to = detail::nextCharacter(box->content, box->caret, unicode());
    box->content.erase(box->caret, to - box->caret);
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
    return 1;
}

int TextBox::left(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == 0) {
        return box->navigateLeft == nullptr ? 0 : box->navigateLeft(event, control);
    }
    box->caret = detail::previousCharacter(box->content, box->caret, unicode());
    return 1;
}

int TextBox::right(int event, void* control) {
    TextBox* box = self(control);
    if (box->caret == box->content.size()) {
        return box->navigateRight == nullptr ? 0 : box->navigateRight(event, control);
    }
    box->caret = detail::nextCharacter(box->content, box->caret, unicode());
    return 1;
}

int TextBox::home(int, void* control) {
    self(control)->caret = 0;
    return 1;
}

int TextBox::end(int, void* control) {
    TextBox* box = self(control);
    box->caret = box->content.size();
    return 1;
}

int TextBox::enter(int, void* control) {
    TextBox* box = self(control);
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
// shows), and the page's cursor on the caret when keys reach it.
int TextBox::painter(int, void* control) {
    TextBox* box = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*box);
    const long long width = std::max(0, box->width());
    const long long height = box->height();

    if (box->border() != NoBorder) {
        detail::drawFrame(*box, frame);
    }

    detail::Tree::claim(*box, frame, height, width);

    const long long caretCell = box->follow(width);
    const detail::Area area = frame.area(0, 0, 1, width);
    const detail::Span cells = detail::firstRow(area);
    const bool hint = box->content.empty() && !box->hint.empty();
    {
        // In the normal rendition a typed character costs one byte.
        const Color foreground = hint ? BrightBlack : box->color();
        std::optional<detail::ColorScope> colors;
        if (!detail::Screen::normal(foreground, box->background(), false)) {
            colors.emplace(foreground, box->background(), false);
        }
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
        const long long taken = detail::putRow(walk, area.row, area.column, width, cells);
        detail::putBlanks(area.row, area.column, {std::max(cells.first, taken), cells.last});
    }

    detail::Tree::cursor(frame, 0, caretCell);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
