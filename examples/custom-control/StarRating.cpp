#include "StarRating.h"

#include <algorithm>
#include <memory>
#include <string>

#include "forms/Page.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;

namespace {

const char* const LitStar = "\u2605";    // ★
const char* const UnlitStar = "\u2606";  // ☆

// Handlers receive the control as void*: cast back through Control, the
// type it was raised as.
StarRating* self(void* control) {
    return static_cast<StarRating*>(static_cast<Control*>(control));
}

std::string repeat(const char* text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

}  // namespace

StarRating::StarRating() {
    focusable = true;  // Tab, the arrows and clicks may give it the focus
    width(Stars);
    height(1);
    color(BrightYellow);
    // Painting is an event too: the page raises UpdateView on each control.
    attachHandler(Vesk::UpdateView, painter);
    // These replace the arrow handlers every control starts with; Up and
    // Down keep theirs, which move the focus.
    attachHandler(Vesk::KeyLeft, fewer);
    attachHandler(Vesk::KeyRight, more);
    attachHandler(Vesk::KeyHome, none);
    attachHandler(Vesk::KeyEnd, all);
    // Every mouse event that has no handler of its own.
    attachHandler(Vesk::AnyMouse, pointer);
}

int StarRating::rating() {
    return lit;
}

int StarRating::rating(int value) {
    lit = std::clamp(value, 0, Stars);
    return lit;
}

bool StarRating::change(Handler handler) {
    if (handler == nullptr) {
        return false;
    }
    changeHandler = handler;
    return true;
}

int StarRating::rateTo(int value, int event) {
    const int before = lit;
    if (rating(value) != before && changeHandler != nullptr) {
        changeHandler(event, this);
    }
    return 1;  // handled, even at either end: the focus stays here
}

int StarRating::fewer(int event, void* control) {
    return self(control)->rateTo(self(control)->lit - 1, event);
}

int StarRating::more(int event, void* control) {
    return self(control)->rateTo(self(control)->lit + 1, event);
}

int StarRating::none(int event, void* control) {
    return self(control)->rateTo(0, event);
}

int StarRating::all(int event, void* control) {
    return self(control)->rateTo(Stars, event);
}

// The page sends a mouse event to the control the screen map shows under
// the pointer (see the painter); a left press also gives it the focus.
int StarRating::pointer(int event, void* control) {
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || !Vesk::MousePressed(event)) {
        return 0;
    }
    std::unique_ptr<Point> at(self(control)->location());  // our screen cell
    return self(control)->rateTo(Vesk::MouseColumn(event) - at->column + 1, event);
}

// Three steps, as in the library's own controls: claim the cells in the
// screen map, draw, and put the page's cursor on us when we have the focus.
int StarRating::painter(int, void* control) {
    StarRating* stars = self(control);
    // location() is the absolute screen cell; a new Point to delete.
    std::unique_ptr<Point> at(stars->location());

    Point from(*at);
    Point to(at->row, at->column + Stars - 1);
    Session::fillMap(&from, &to, stars);

    // drawText counts from the control's own top-left cell. A focused
    // control is drawn in reverse video (the last argument).
    const bool focused = stars->focus();
    Point first(0, 0);
    stars->drawText(&first, repeat(LitStar, stars->lit), NoWrap, stars->color(),
                    stars->background(), focused);
    Point rest(0, stars->lit);
    stars->drawText(&rest, repeat(UnlitStar, Stars - stars->lit), NoWrap, White,
                    stars->background(), focused);

    // The cursor goes to the page at the top of the tree.
    Control* top = stars->root();
    if (focused && top != nullptr && top->page() == top) {
        Point cursor(at->row, at->column + std::max(stars->lit - 1, 0));
        delete static_cast<Page*>(top)->cursor(cursor);  // cursor() hands back a copy
    }
    return 1;
}
