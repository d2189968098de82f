// Custom control: two star ratings, a control this program defines itself
// (see StarRating.h), on a page with the library's own labels.
//
// Keys: Left and Right change the focused rating, Home and End set none or
// all, Up, Down and Tab move between the ratings, Esc or F10 quits. The
// mouse is on: a click on a star sets the rating.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "StarRating.h"
#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;

// The ratings and the line that sums them up, owned by main(). Each rating
// carries their address (Control::data) for its change handler.
struct Meal {
    StarRating food;
    StarRating service;
    Label verdict;
};

// A handler receives only the control; its data() leads back to the meal.
Meal* mealOf(void* control) {
    return static_cast<Meal*>(static_cast<Control*>(control)->data());
}

void showRatings(Meal& meal) {
    std::string text = "Food " + std::to_string(meal.food.rating()) + "/5, service " +
                       std::to_string(meal.service.rating()) + "/5";
    // Padded to the label's width: a shorter text than before would blank
    // the whole screen for the next paint.
    text.resize(static_cast<std::size_t>(meal.verdict.width()), ' ');
    delete meal.verdict.text(text);
}

// The ratings' change handler.
int ratingChanged(int, void* control) {
    showRatings(*mealOf(control));
    return 1;
}

void makeRow(Meal& meal, Page& page, Label& caption, const char* text, StarRating& stars, int row) {
    caption.position(row, 2);
    caption.width(10);
    delete caption.text(text);
    page.attachChild(&caption);
    stars.position(row, 12);
    stars.change(ratingChanged);
    stars.data(&meal);
    page.attachChild(&stars);  // a control of our own attaches like any other
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-custom-control: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        Page page;
        page.title("Rate your meal");
        Meal meal;

        Label heading;
        heading.position(0, 2);
        heading.width(60);
        heading.color(BrightBlack);
        delete heading.text("Left/Right: rate  Up/Down: move  Esc: quit");
        page.attachChild(&heading);

        Label foodCaption, serviceCaption;
        makeRow(meal, page, foodCaption, "Food", meal.food, 2);
        makeRow(meal, page, serviceCaption, "Service", meal.service, 4);
        meal.service.rating(3);

        meal.verdict.position(6, 2);
        meal.verdict.width(40);
        meal.verdict.color(BrightCyan);
        page.attachChild(&meal.verdict);
        showRatings(meal);

        page.activeControl(&meal.food);

        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape || event == Vesk::KeyEndOfInput) {
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
