#pragma once

#include <tuple>

#include "forms/Button.h"
#include "forms/Page.h"
#include "forms/Tabs.h"

namespace VeskTest {

// Four buttons: Alpha and Beta on a root page, Gamma and Delta on the two
// pages of a tab set at (6, 2), 40 x 10 cells; each page's active control is
// its button. Tests attach controls of their own between the two steps.
struct ButtonForm {
    void placeButtons(const char* firstTitle, const char* secondTitle, Vesk::Forms::Handler click) {
        root = new Vesk::Forms::Page();
        tabs.position(6, 2);
        tabs.width(40);
        tabs.height(10);
        one.title(firstTitle);
        two.title(secondTitle);
        for (auto [button, page, caption, row, column] : {std::tuple{&alpha, root, "Alpha", 2, 2},
                                                          {&beta, root, "Beta", 2, 20},
                                                          {&gamma, &one, "Gamma", 2, 0},
                                                          {&delta, &two, "Delta", 4, 12}}) {
            button->text(caption);
            button->position(row, column);
            button->click(click);
            page->attachChild(button);
            page->activeControl(button);
        }
    }

    // The tab set goes into the root page last; Alpha gets the focus and the
    // form is painted.
    void attachTabs() {
        root->attachChild(&tabs);
        tabs.attachTab(&one);
        tabs.attachTab(&two);
        root->activeControl(&alpha);
        root->paint();
    }

    Vesk::Forms::Page* root = nullptr;  // deleted by the test's TearDown
    Vesk::Forms::Button alpha, beta, gamma, delta;
    Vesk::Forms::Tabs tabs;
    Vesk::Forms::Page one, two;
};

}  // namespace VeskTest
