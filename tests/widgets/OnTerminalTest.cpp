// The text box, check box and list box as a terminal shows them: a session in
// this process on the testing kit's pseudo-terminal, read back through its
// terminal emulator (characters, colours, reverse video and the cursor).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "forms/testing/Terminal.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// Sent after each step: the host counts it on the status row, so a step is
// seen only once every event before it was handled and painted.
constexpr char Sync[] = "\x07";

// The list's items are these names and their indexes; each starts with its
// initial in the list's first column.
const char* const Names[] = {"Äpfel", "世界", "e\u0301té", "😀 ok"};
const char* const Initials[] = {"Ä", "世", "e\u0301", "😀"};

// A status row, a text box on row 2, a check box on row 4 and a list of 20
// items on rows 6 to 10, all from column 2.
struct Form {
    Page page;
    Label status;
    TextBox box;
    CheckBox check;
    ListBox list;

    Form() {
        status.position(0, 0);
        status.width(20);
        box.position(2, 2);
        box.width(10);
        check.position(4, 2);
        check.text("Grüße 世界 e\u0301");
        list.position(6, 2);
        list.width(12);
        for (int i = 0; i < 20; ++i) {
            list.add(Names[i % 4] + std::string(" ") + std::to_string(i));
        }
        for (Control* control : {static_cast<Control*>(&status), static_cast<Control*>(&box),
                                 static_cast<Control*>(&check), static_cast<Control*>(&list)}) {
            page.attachChild(control);
        }
    }
};

// Runs the form prepared by `setup` and takes the steps. After each act the
// test sends Sync, which the host counts on the status row, so a step is seen
// only once every event before it was handled and painted.
std::string drive(const std::function<void(Form&)>& setup, const std::vector<KitStep>& steps) {
    const auto counted = [](Terminal& t, int step) {
        return t.row(0) == "step " + std::to_string(step);
    };
    Terminal terminal(12, 40);
    return driveInProcess(
        terminal,
        [&setup] {
            Form form;
            setup(form);
            form.page.paint();
            int count = 0;
            for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10;) {
                if (event == Sync[0]) {
                    delete form.status.text("step " + std::to_string(++count));
                } else {
                    form.page.raiseEvent(event);
                }
                form.page.paint();
            }
        },
        synced(steps, Sync, counted));
}

// The first step only looks at the first paint.
const TerminalCheck nothing = [](Terminal&) { return true; };

TerminalCheck wheelDown(int row, int column) {
    return [row, column](Terminal& t) { return t.wheel(row, column, false); };
}

// The text box's row shows `text` from column 2 with the caret on `caret`.
TerminalCheck field(std::string text, int caret) {
    return
        [text, caret](Terminal& t) { return t.row(2) == "  " + text && cursorAt(t, 2, 2 + caret); };
}

const Vesk::Event Home = Vesk::KeyHome, End = Vesk::KeyEnd, Left = Vesk::KeyLeft,
                  Right = Vesk::KeyRight, Backspace = Vesk::KeyBackspace, Delete = Vesk::KeyDelete;

}  // namespace

// Ten cells wide; Ж, Ä and é are one cell, 世, 界 and 😀 two.
TEST(OnTerminal, TextBoxEditsScrollsAndKeepsTheCaretOnTheCellsATerminalShows) {
    EXPECT_EQ(
        "",
        drive(
            [](Form& form) { form.page.activeControl(&form.box); },
            {
                {"typed", typed("Grüße"), field("Grüße", 5)},
                {"Home and a Cyrillic letter",
                 [](Terminal& t) { return t.press(Home) && t.type("Ж"); }, field("ЖGrüße", 1)},
                {"End", keys({End}), field("ЖGrüße", 6)},
                {"wide characters past the width scroll the text", typed(" 世界"),
                 field(" 世界", 5)},
                {"a click on the right half of a wide character", click(2, 6), field(" 世界", 3)},
                {"Backspace takes the wide character before the caret", keys({Backspace}),
                 field("ЖGrüße 界", 7)},
                {"Right past it, Left back, Delete", keys({Right, Left, Delete}),
                 field("ЖGrüße", 7)},
                {"a combining mark joins its letter in one cell", typed("e\u0301"),
                 [](Terminal& t) {
                     return field("ЖGrüße e\u0301", 8)(t) && t.cell(2, 9).text == "e\u0301";
                 }},
                {"an emoji scrolls again", typed("😀"), field("e e\u0301😀", 5)},
                {"Backspace takes the emoji whole", keys({Backspace}), field("ЖGrüße e\u0301", 8)},
                {"Left takes the letter with its mark", keys({Left, Backspace}),
                 field("ЖGrüßee\u0301", 6)},
                {"a click past the text puts the caret at the end", click(2, 11),
                 field("ЖGrüßee\u0301", 7)},
                {"a click on a letter puts the caret before it", click(2, 4),
                 [](Terminal& t) {
                     const Testing::Cell cell = t.cell(2, 4);
                     return field("ЖGrüßee\u0301", 2)(t) && cell.text == "r" &&
                            cell.foreground == White && cell.background == Black && !cell.reverse;
                 }},
            }));
}

TEST(OnTerminal, TextBoxShowsItsPlaceholderDimmedAndAPasswordAsStars) {
    EXPECT_EQ(
        "",
        drive(
            [](Form& form) {
                form.box.placeholder("Имя 名前");
                form.box.password(true);
                form.page.activeControl(&form.box);
            },
            {
                {"the placeholder in bright black, the caret at the start", nothing,
                 [](Terminal& t) {
                     return field("Имя 名前", 0)(t) && t.cell(2, 2).foreground == BrightBlack &&
                            !t.cell(2, 2).bold && t.cell(2, 6).text == "名" &&
                            t.cell(2, 6).width == 2;
                 }},
                {"one star a character, wide or combining", typed("pä世e\u0301"), field("****", 4)},
                {"a long password scrolls", typed("1234567"), field("******", 6)},
                {"Home shows the start", keys({Home}), field("**********", 0)},
                {"emptied, the placeholder is back",
                 [](Terminal& t) {
                     return t.press(End) && keys(std::vector<Vesk::Event>(11, Backspace))(t);
                 },
                 field("Имя 名前", 0)},
            }));
}

TEST(OnTerminal, CheckBoxTogglesOnSpaceEnterAndClicksAndShowsItsFocusReversed) {
    const std::string caption = "Grüße 世界 e\u0301";
    const auto box = [caption](const char* mark, bool focused) {
        return [=](Terminal& t) {
            return t.row(4) == "  " + std::string(mark) + " " + caption &&
                   t.cell(4, 2).reverse == focused && t.cell(4, 12).reverse == focused &&
                   t.cell(4, 12).text == "世" && (!focused || cursorAt(t, 4, 3));
        };
    };
    EXPECT_EQ(
        "", drive([](Form& form) { form.page.activeControl(&form.check); },
                  {
                      {"focused and clear", nothing, box("[ ]", true)},
                      {"Space checks", typed(" "), box("[x]", true)},
                      {"Enter clears", keys({Vesk::KeyEnter}), box("[ ]", true)},
                      {"Tab moves the focus on", keys({Vesk::KeyTab}), box("[ ]", false)},
                      {"a click on the caption checks and focuses", click(4, 13), box("[x]", true)},
                      {"a click on the mark clears", click(4, 3), box("[ ]", true)},
                  }));
}

// Rows 6 to 10 show five items in columns 2 to 12; column 13 holds the
// scroll indicator.
TEST(OnTerminal, ListBoxShowsTheSelectionReversedOrOnTheBorderColourAndScrolls) {
    // Items `first` to `first + 4`, each starting with its first character
    // in column 2; the selected row reversed through column 12 when focused,
    // else on the border colour; never the indicator.
    const auto list = [](int first, int selected, bool focused) {
        return [=](Terminal& t) {
            for (int row = 6; row < 11; ++row) {
                const int index = first + row - 6;
                const bool chosen = index == selected;
                const std::string item =
                    "  " + std::string(Names[index % 4]) + " " + std::to_string(index) + " ";
                for (int column : {2, 12}) {
                    const Testing::Cell cell = t.cell(row, column);
                    if (cell.reverse != (chosen && focused) ||
                        cell.background != (chosen && !focused ? BrightBlack : Black)) {
                        return false;
                    }
                }
                if ((t.row(row) + " ").compare(0, item.size(), item) != 0 ||
                    t.cell(row, 2).text != Initials[index % 4] || t.cell(row, 13).reverse) {
                    return false;
                }
            }
            return !focused || cursorAt(t, 6 + selected - first, 2);
        };
    };
    EXPECT_EQ(
        "", drive([](Form& form) { form.page.activeControl(&form.list); },
                  {
                      {"the first item selected, the indicator's block at the top", nothing,
                       [&list](Terminal& t) {
                           return list(0, 0, true)(t) && t.cell(6, 13).text == "█" &&
                                  t.cell(10, 13).text == "│";
                       }},
                      {"Down", keys({Vesk::KeyDown}), list(0, 1, true)},
                      {"Page Down moves rows and selection by the height",
                       keys({Vesk::KeyNextPage}), list(5, 6, true)},
                      {"the wheel scrolls three rows, the selection stays in view", wheelDown(8, 4),
                       list(8, 8, true)},
                      {"a click selects its row", click(9, 5), list(8, 11, true)},
                      {"Up", keys({Vesk::KeyUp}), list(8, 10, true)},
                      {"unfocused, the selection is on the border colour", keys({Vesk::KeyBackTab}),
                       list(8, 10, false)},
                      {"a click focuses and selects", click(10, 3), list(8, 12, true)},
                      {"End shows the last rows with the indicator at the bottom", keys({End}),
                       [&list](Terminal& t) {
                           return list(15, 19, true)(t) && t.cell(6, 13).text == "│" &&
                                  t.cell(10, 13).text == "█";
                       }},
                  }));
}
