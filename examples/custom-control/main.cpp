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

StarRating* food = nullptr;
StarRating* service = nullptr;
Label* verdict = nullptr;

// The ratings' change handler.
int showRatings(int, void*) {
    std::string text = "Food " + std::to_string(food->rating()) + "/5, service " +
                       std::to_string(service->rating()) + "/5";
    // Padded to the label's width: a shorter text than before would blank
    // the whole screen for the next paint.
    text.resize(static_cast<std::size_t>(verdict->width()), ' ');
    delete verdict->text(text);
    return 1;
}

void makeRow(Page& page, Label& caption, const char* text, StarRating& stars, int row) {
    caption.position(row, 2);
    caption.width(10);
    delete caption.text(text);
    page.attachChild(&caption);
    stars.position(row, 12);
    stars.change(showRatings);
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

        Label heading;
        heading.position(0, 2);
        heading.width(60);
        heading.color(BrightBlack);
        delete heading.text("Left/Right: rate  Up/Down: move  Esc: quit");
        page.attachChild(&heading);

        Label foodCaption, serviceCaption;
        StarRating foodStars, serviceStars;
        makeRow(page, foodCaption, "Food", foodStars, 2);
        makeRow(page, serviceCaption, "Service", serviceStars, 4);
        food = &foodStars;
        service = &serviceStars;
        serviceStars.rating(3);

        Label result;
        result.position(6, 2);
        result.width(40);
        result.color(BrightCyan);
        page.attachChild(&result);
        verdict = &result;
        showRatings(0, nullptr);

        page.activeControl(&foodStars);

        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape) {
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
