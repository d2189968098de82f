#include "StarRating.h"

#include <algorithm>
#include <string>

#include "forms/Canvas.h"
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
// the pointer (see claim() in the painter), with the cell it hit counted
// from our top-left cell; a left press also gives it the focus.
int StarRating::pointer(int event, void* control) {
    if (Vesk::MouseButtonOf(event) != Vesk::MouseButton::Left || !Vesk::MousePressed(event)) {
        return 0;
    }
    return self(control)->rateTo(self(control)->pointerColumn() + 1, event);
}

// A Canvas knows where this paint puts us, what cuts us (a clipping parent,
// the screen edge) and whether keys reach us; rows and columns count from
// our own top-left cell. Three steps, as in the library's own controls:
// claim our cells in the screen map, draw, and put the page's cursor on us.
int StarRating::painter(int, void* control) {
    StarRating* stars = self(control);
    Canvas canvas(*stars);
    canvas.claim();

    // Drawn in reverse video while keys reach us (the last argument).
    const bool focused = canvas.keysReach();
    const int taken = canvas.text(0, 0, repeat(LitStar, stars->lit), stars->color(),
                                  stars->background(), focused);
    canvas.text(0, taken, repeat(UnlitStar, Stars - stars->lit), White, stars->background(),
                focused);

    // Only placed when keys reach us.
    canvas.cursor(0, std::max(stars->lit - 1, 0));
    return 1;
}
