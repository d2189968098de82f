// The drop-down choice and the radio group as a terminal shows them, driven
// with the bytes a terminal sends: the list below or above its row, moving
// and jumping by letter in it, picking, Esc and clicks outside, one list
// open at a time; options picked by keys and by the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// Ctrl+B: the host opens the second choice's list from the program.
constexpr char OpenSecond = '\x02';

const char* const Countries[] = {"Österreich", "Česko", "Deutschland", "España",
                                 "France",     "Ελλάδα", "日本",        "Россия",
                                 "Sverige",    "Türkiye", "Україна",    "Ísland"};

// On a 12 x 40 screen: the countries at (2, 2), 14 wide, 5 rows open; a
// radio group at (4, 20); a second choice at (10, 2), which opens above.
struct Form {
    Page page;
    Label status;
    Choice country;
    Choice letter;
    RadioGroup delivery;
    int steps = 0;
    int changes = 0;

    Form() {
        status.width(40);
        country.position(2, 2);
        country.width(14);
        country.rows(5);
        for (const char* name : Countries) {
            country.add(name);
        }
        letter.position(10, 2);
        letter.width(12);
        for (const char* name : {"Alpha", "Beta", "Gamma", "Δέλτα", "Ε", "Ζήτα"}) {
            letter.add(name);
        }
        letter.rows(5);
        delivery.position(4, 20);
        for (const char* name : {"Почта", "快递", "Pickup"}) {
            delivery.add(name);
        }
        for (Control* control : {static_cast<Control*>(&status), static_cast<Control*>(&country),
                                 static_cast<Control*>(&letter), static_cast<Control*>(&delivery)}) {
            control->data(this);
            page.attachChild(control);
        }
        const Handler changed = +[](int, void* control) {
            ++static_cast<Form*>(static_cast<Control*>(control)->data())->changes;
            return 1;
        };
        country.change(changed);
        delivery.change(changed);
        country.takeFocus();
        show();
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " c" + std::to_string(changes) + " r" +
                           std::to_string(delivery.selected()) + "|");
    }
};

std::string drive(const std::vector<KitStep>& steps) {
    Terminal terminal(12, 40);
    return driveCounted(
        terminal,
        [] {
            Form form;
            countingLoop(form.page, form.steps, [&form] { form.show(); },
                         [&form](Vesk::Event event) {
                             if (event != OpenSecond) {
                                 return false;
                             }
                             form.letter.takeFocus();
                             form.letter.opened(true);
                             return true;
                         });
        },
        steps);
}

// The open list of the countries: items `first` on from row 3, `lit`
// reversed and holding the cursor.
TerminalCheck countries(int first, int lit) {
    return [=](Terminal& t) {
        for (int row = 3; row < 8; ++row) {
            const int index = first + row - 3;
            if (!showsFrom(t, row, 2, Countries[index]) || t.cell(row, 2).reverse != (index == lit)) {
                return false;
            }
        }
        return cursorAt(t, 3 + lit - first, 2);
    };
}

TerminalCheck closedOn(const std::string& country, const std::string& changes) {
    return [=](Terminal& t) {
        return showsFrom(t, 2, 2, country) && t.cell(2, 15).text == "▼" && t.cell(3, 2).text == " " &&
               t.row(0).find(" c" + changes + " ") != std::string::npos;
    };
}

const Vesk::Event Enter = Vesk::KeyEnter, Up = Vesk::KeyUp, Down = Vesk::KeyDown,
                  End = Vesk::KeyEnd, Tab = Vesk::KeyTab, Esc = static_cast<Vesk::Event>(0x1B);

}  // namespace

TEST(Choice, OpensBelowOrAboveMovesJumpsByLetterPicksAndKeepsOneListOpen) {
    EXPECT_EQ(
        "",
        drive({
            {"closed: the selected item and the mark, lit", [](Terminal&) { return true; },
             [](Terminal& t) { return closedOn("Österreich", "0")(t) && t.cell(2, 2).reverse; }},
            {"Enter opens the list below, the selected item lit", keys({Enter}), countries(0, 0)},
            {"Down twice", keys({Down, Down}), countries(0, 2)},
            {"s jumps to Sverige and scrolls", typed("s"), countries(4, 8)},
            {"a Cyrillic letter jumps to Россия", typed("Р"), countries(4, 7)},
            {"Enter picks it, the list closes", keys({Enter}), closedOn("Россия", "1")},
            {"Alt+Down opens, Up, Esc closes unchanged", keys({Vesk::KeyAltDown, Up, Esc}),
             closedOn("Россия", "1")},
            {"a click on the row opens it at the selection", click(2, 5), countries(7, 7)},
            {"a click on an item picks it", click(4, 6), closedOn("Sverige", "2")},
            {"opened, a click outside closes it unchanged",
             [](Terminal& t) { return t.press(Enter) && t.click(11, 30); },
             closedOn("Sverige", "2")},
            {"Tab closes it too and moves on", keys({Enter, Tab}),
             [](Terminal& t) { return closedOn("Sverige", "2")(t) && !t.cell(2, 2).reverse; }},
            {"the second list, opened while the first is, closes the first and opens above",
             [](Terminal& t) { return t.press(Vesk::KeyBackTab) && t.press(Enter) && t.type(std::string(1, OpenSecond)); },
             [](Terminal& t) {
                 return t.cell(3, 2).text == " " && showsFrom(t, 5, 2, "Alpha") && t.cell(5, 2).reverse &&
                        showsFrom(t, 9, 2, "Ε") && cursorAt(t, 5, 2);
             }},
            {"End scrolls it; Enter picks the last", keys({End, Enter}),
             [](Terminal& t) { return showsFrom(t, 10, 2, "Ζήτα") && t.cell(5, 2).text == " "; }},
        }));
}

TEST(Choice, RadioGroupPicksByKeysAndByTheMouse) {
    const auto options = [](int picked, int lit) {
        return [=](Terminal& t) {
            const char* names[] = {"Почта", "快递", "Pickup"};
            for (int i = 0; i < 3; ++i) {
                const std::string mark = i == picked ? "(•) " : "( ) ";
                if (!showsFrom(t, 4 + i, 20, mark + names[i]) || t.cell(4 + i, 20).reverse != (i == lit)) {
                    return false;
                }
            }
            return cursorAt(t, 4 + lit, 21) &&
                   t.row(0).find(" r" + std::to_string(picked) + "|") != std::string::npos;
        };
    };
    EXPECT_EQ("", drive({
                      {"painted, none picked: a click needs the group on the screen map",
                       [](Terminal&) { return true; },
                       [](Terminal& t) { return showsFrom(t, 6, 20, "( ) Pickup"); }},
                      {"a click on the group focuses and picks the option under it", click(5, 24),
                       options(1, 1)},
                      {"Down moves the highlight, Space picks", keys({Down, static_cast<Vesk::Event>(' ')}),
                       options(2, 2)},
                      {"Up twice, Enter picks the first", keys({Up, Up, Enter}), options(0, 0)},
                      {"Up at the first hands over to the arrows: nothing above, it stays",
                       keys({Up}), options(0, 0)},
                  }));
}

TEST(Choice, EmptiedWhileOpenOrDestroyedLeavesNoListAndTenThousandItemsOpenAtTheSelection) {
    Choice choice;
    EXPECT_EQ(-1, choice.selected());
    EXPECT_FALSE(choice.opened(true));  // empty
    for (int i = 0; i < 10000; ++i) {
        choice.add("Пункт " + std::to_string(i));
    }
    EXPECT_EQ(9999, choice.selected(20000));
    EXPECT_EQ("", choice.item(10000));
    EXPECT_FALSE(choice.opened(true));  // no screen without a session
    EXPECT_TRUE(choice.remove(9999));
    EXPECT_EQ(9998, choice.selected());
    EXPECT_TRUE(choice.clear());
    EXPECT_EQ(-1, choice.selected());
    EXPECT_EQ(1, choice.rows(0));
}
