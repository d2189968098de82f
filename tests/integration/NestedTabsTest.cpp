// Tab sets in pages of tab sets, one to four deep, driven through the testing
// kit with the bytes a terminal sends: the control painted focused is the
// one that gets the keys, clicks reach the innermost controls, and with
// tabIntoPages Tab walks the shown pages' controls in order.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {


// `depth` tab sets, each at row 1 of the page around it with pages "a" and
// "b"; the innermost page "a" holds a text box at its row 2 and a button
// at its row 4 that counts its clicks through the form it carries in data().
struct Nested {
    Page root;
    Label status;
    std::deque<Tabs> sets;
    std::deque<Page> pages;
    TextBox box;
    TextBox second;
    Button go;
    Button quit;
    int steps = 0;
    int clicks = 0;

    explicit Nested(int depth) {
        status.width(30);
        root.attachChild(&status);
        Page* around = &root;
        for (int level = 0; level < depth; ++level) {
            Tabs& set = sets.emplace_back();
            set.position(1, 0);
            set.width(60);
            set.height(20 - 2 * level);
            around->attachChild(&set);
            Page& shown = pages.emplace_back();
            Page& other = pages.emplace_back();
            shown.title("a" + std::to_string(level));
            other.title("b" + std::to_string(level));
            set.attachTab(&shown);
            set.attachTab(&other);
            around = &shown;
        }
        box.position(2, 2);
        box.width(10);
        second.position(2, 20);
        second.width(10);
        go.position(4, 2);
        go.text("Go");
        go.data(this);
        go.click(+[](int, void* control) {
            Nested* form = static_cast<Nested*>(static_cast<Control*>(control)->data());
            ++form->clicks;
            return 1;
        });
        for (Control* control : {static_cast<Control*>(&box), static_cast<Control*>(&second),
                                 static_cast<Control*>(&go)}) {
            around->attachChild(control);
        }
        quit.position(22, 2);
        quit.text("Quit");
        root.attachChild(&quit);
        box.takeFocus();
        show();
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " c" + std::to_string(clicks) + " ");
    }
};

// Runs the form and takes the steps, each seen once the host has handled
// and painted everything before it (the CountedSync byte it counts).
std::string drive(int depth, bool intoPages, const std::vector<KitStep>& steps) {
    Terminal terminal(24, 64);
    return driveCounted(
        terminal,
        [depth, intoPages] {
            Nested form(depth);
            form.root.tabIntoPages(intoPages);
            countingLoop(form.root, form.steps, [&form] { form.show(); });
        },
        steps);
}

}  // namespace

TEST(NestedTabs, KeysAndClicksReachTheControlPaintedFocusedAtEveryDepth) {
    for (int depth = 1; depth <= 4; ++depth) {
        const int boxRow = 2 * depth + 2;
        const int goRow = boxRow + 2;
        const std::vector<KitStep> steps = {
            {"typed text in the innermost box, the cursor on it", typed("aЖ世"),
             [=](Terminal& t) { return showsFrom(t, boxRow, 2, "aЖ世") && cursorAt(t, boxRow, 6); }},
            {"a click on the button clicks and lights it, and Enter clicks it again",
             [=](Terminal& t) { return t.click(goRow, 6) && t.press(Vesk::KeyEnter); },
             [=](Terminal& t) {
                 return t.row(0).find(" c2") != std::string::npos && t.cell(goRow, 6).reverse &&
                        cursorAt(t, goRow, 6);
             }},
            {"a click back in the box, then typing", [=](Terminal& t) {
                 return t.click(boxRow, 9) && t.type("b");
             },
             [=](Terminal& t) {
                 return showsFrom(t, boxRow, 2, "aЖ世b") && cursorAt(t, boxRow, 7) &&
                        !t.cell(goRow, 6).reverse;
             }},
            {"Page Down shows the outer set's other page: keys stay off the box",
             [](Terminal& t) { return t.press(Vesk::KeyNextPage) && t.type("x"); },
             [=](Terminal& t) { return !showsFrom(t, boxRow, 2, "aЖ世b"); }},
            {"Page Up shows it again and the box takes keys again",
             [](Terminal& t) { return t.press(Vesk::KeyPreviousPage) && t.type("c"); },
             [=](Terminal& t) { return showsFrom(t, boxRow, 2, "aЖ世bc") && cursorAt(t, boxRow, 8); }},
        };
        EXPECT_EQ("", drive(depth, false, steps)) << "depth " << depth;
    }
}

TEST(NestedTabs, TabIntoPagesWalksTheShownPagesInOrderAndLeavesAfterTheLast) {
    const int boxRow = 6, goRow = 8;
    EXPECT_EQ("",
              drive(2, true,
                    {
                        {"Tab to the second box", keys({Vesk::KeyTab}),
                         [=](Terminal& t) { return cursorAt(t, boxRow, 20); }},
                        {"what is typed goes there", typed("e\u0301"),
                         [=](Terminal& t) {
                             return t.cell(boxRow, 20).text == "e\u0301" && cursorAt(t, boxRow, 21);
                         }},
                        {"Tab to the button", keys({Vesk::KeyTab}),
                         [=](Terminal& t) { return t.cell(goRow, 5).reverse; }},
                        {"Tab leaves the sets for the root page's button", keys({Vesk::KeyTab}),
                         [](Terminal& t) { return t.cell(22, 5).reverse; }},
                        {"at the last stop Tab stays", keys({Vesk::KeyTab}),
                         [](Terminal& t) { return t.cell(22, 5).reverse; }},
                        {"back-tab twice returns to the second box",
                         keys({Vesk::KeyBackTab, Vesk::KeyBackTab}),
                         [=](Terminal& t) { return cursorAt(t, boxRow, 21) && !t.cell(22, 5).reverse; }},
                        {"back-tab to the first box, which takes the keys", [](Terminal& t) {
                             return t.press(Vesk::KeyBackTab) && t.type("1");
                         },
                         [=](Terminal& t) { return showsFrom(t, boxRow, 2, "1") && cursorAt(t, boxRow, 3); }},
                    }));
}
