// A control of our own: a row of five stars, some of them lit.
#pragma once

#include "forms/Control.h"

// Like the library's controls, it derives from Control and overrides
// nothing (there are no virtual functions): everything it does, painting
// included, is a handler in its handler table, filled in by the constructor.
//
// Left and Right light one star fewer or more, Home none and End all; a
// click lights the stars up to the one clicked. Up, Down and Tab move the
// focus on, as on any control.
class StarRating : public Vesk::Forms::Control {
public:
    static constexpr int Stars = 5;

    StarRating();

    // How many stars are lit, 0 to Stars.
    int rating();
    // Lights `value` stars (clamped to 0..Stars) and returns how many are
    // lit; the change handler does not run.
    int rating(int value);

    // Runs after a key or a click changed the rating, with that event and
    // this control; a null handler is refused.
    bool change(Vesk::Forms::Handler handler);

private:
    // One plain function per event the control takes. `control` is the
    // Control the event was raised on: this object.
    static int painter(int event, void* control);
    static int fewer(int event, void* control);
    static int more(int event, void* control);
    static int none(int event, void* control);
    static int all(int event, void* control);
    static int pointer(int event, void* control);

    // Sets the rating after `event` and runs the change handler when it moved.
    int rateTo(int value, int event);

    int lit = 0;
    Vesk::Forms::Handler changeHandler = nullptr;
};
