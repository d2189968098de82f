// The text area as a terminal shows it, driven with the bytes a terminal
// sends: the caret's cell over Latin, Cyrillic, CJK and combining marks, Up
// and Down keeping the caret's column, lines joined and split, undo and
// redo, a paste as one edit, rows wrapped at words, the scroll that follows
// the caret, its bar, clicks and the wheel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// The host turns these into the paste events, standing in for a terminal's
// bracketed paste: Ctrl+], Ctrl+^ and Ctrl+K.
constexpr char PasteOpen[] = "\x1d";
constexpr char PasteClose[] = "\x1e";
constexpr char PastedBreak[] = "\x0b";
// Ctrl+/ and Ctrl+Y.
constexpr char Undo[] = "\x1f";
constexpr char Redo[] = "\x19";

constexpr int Top = 2, Left = 2;
constexpr Vesk::Event Up = Vesk::KeyUp, Down = Vesk::KeyDown, Home = Vesk::KeyHome,
                      End = Vesk::KeyEnd;

// On a 12 x 30 screen: the counts on row 0, the text area at (2, 2) and a
// text box below it.
struct Form {
    Page page;
    Label status;
    TextArea area;
    TextBox after;
    int steps = 0;
    int changes = 0;

    Form(const std::string& text, int width, int height, bool wrap) {
        status.width(30);
        area.position(Top, Left);
        area.width(width);
        area.height(height);
        area.placeholder("Пусто");
        area.wrap(wrap);
        area.text(text);
        after.position(10, 2);
        for (Control* control : std::initializer_list<Control*>{&status, &area, &after}) {
            control->data(this);
            page.attachChild(control);
        }
        area.change(+[](int, void* control) {
            ++static_cast<Form*>(static_cast<Control*>(control)->data())->changes;
            return 1;
        });
        area.takeFocus();
        show();
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " c" + std::to_string(changes) + " |" +
                           std::to_string(area.row()) + ":" + std::to_string(area.column()));
    }
};

std::string drive(const std::string& text, int width, int height,
                  const std::vector<KitStep>& steps, bool wrap = true) {
    Terminal terminal(12, 30);
    return driveCounted(
        terminal,
        [&] {
            Form form(text, width, height, wrap);
            countingLoop(form.page, form.steps, [&form] { form.show(); },
                         [&form](Vesk::Event event) {
                             const Vesk::Event paste =
                                 event == PasteOpen[0]    ? Vesk::PasteBegin
                                 : event == PasteClose[0] ? Vesk::PasteEnd
                                 : event == PastedBreak[0]
                                     ? static_cast<Vesk::Event>(Vesk::PasteLineBreak)
                                     : Vesk::Event{};
                             return paste != Vesk::Event{} && (form.page.raiseEvent(paste), true);
                         });
        },
        steps);
}

// The cursor on the area's cell (row, column), and the status row ends in
// the caret's line and column counted in characters.
TerminalCheck caret(int row, int column, const std::string& lineAndColumn) {
    return [=](Terminal& t) {
        const std::string status = t.row(0);
        return cursorAt(t, Top + row, Left + column) &&
               status.compare(status.size() - lineAndColumn.size(), std::string::npos,
                              lineAndColumn) == 0;
    };
}

// The area's rows from its top, each shown from its first column and blank
// after, over `width` cells.
TerminalCheck rows(const std::vector<std::string>& texts, int width = 12) {
    return [=](Terminal& t) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const int row = Top + static_cast<int>(i);
            if (!showsFrom(t, row, Left, texts[i] + std::string(width, ' '))) {
                // A shorter row: its cells past the text are blanks.
                std::string cells;
                for (int c = Left; c < Left + width; ++c) {
                    cells += t.cell(row, c).text;
                }
                if (cells.rfind(texts[i], 0) != 0 ||
                    cells.find_first_not_of(' ', texts[i].size()) != std::string::npos) {
                    return false;
                }
            }
        }
        return true;
    };
}

// The status row holds `part`: " c3 " for three changes, "|1:" for line 1.
TerminalCheck status(const std::string& part) {
    return [=](Terminal& t) { return t.row(0).find(part) != std::string::npos; };
}

TerminalCheck all(const std::vector<TerminalCheck>& checks) {
    return [=](Terminal& t) {
        return std::all_of(checks.begin(), checks.end(), [&t](const auto& c) { return c(t); });
    };
}

const auto nothing = [](Terminal&) { return true; };

}  // namespace

// 12 x 4 cells: "語" wraps to a row of its own; the caret's column in cells
// holds across the wide and the wrapped rows.
TEST(TextArea, CaretCellsAndUpDownKeepTheColumn) {
    const std::vector<KitStep> steps = {
        {"the text wrapped, the caret at its end", nothing,
         all({rows({"Grüße мир", "漢字かなカナ", "語", "e\u0301tude"}), caret(3, 5, "|2:5")})},
        {"Home, then Right over é whole", keys({Home, Vesk::KeyRight}), caret(3, 1, "|2:1")},
        {"Up into 語: before it", keys({Up}), caret(2, 0, "|1:6")},
        {"Up into the row of 漢: before it", keys({Up}), caret(1, 0, "|1:0")},
        {"Up to the first line: cell 1 again", keys({Up}), caret(0, 1, "|0:1")},
        {"Down three times comes back to cell 1", keys({Down, Down, Down}), caret(3, 1, "|2:1")},
        {"End of the first line, then Down into the right half of カ",
         keys({Up, Up, Up, End, Down}), caret(1, 8, "|1:4")},
        {"Down to the end of the shorter rows", keys({Down, Down}), caret(3, 5, "|2:5")},
        {"Up twice keeps cell 9", keys({Up, Up}), caret(1, 8, "|1:4")},
        {"End of a row that goes on stops before its last character", keys({End}),
         caret(1, 10, "|1:5")},
        {"a click on the right half of か puts the caret before it", click(Top + 1, Left + 5),
         caret(1, 4, "|1:2")},
        {"typing there wraps the line anew", typed("x"),
         all({rows({"Grüße мир", "漢字xかなカ", "ナ語", "e\u0301tude"}), caret(1, 5, "|1:3")})},
    };
    EXPECT_EQ("", drive("Grüße мир\n漢字かなカナ語\ne\u0301tude", 12, 4, steps));
}

// Lines joined and split at their ends, marks taken with their letter, a
// run of typing undone at once, each edit one change.
TEST(TextArea, EditsJoinLinesAndUndoAndRedoStepByStep) {
    const auto joined = rows({"abcd", ""});
    const std::vector<KitStep> steps = {
        {"Backspace at the start of a line joins it to the one above",
         keys({Home, Vesk::KeyBackspace}), all({joined, caret(0, 2, "|0:2"), status(" c1 ")})},
        {"Enter at the end, then é typed", all({keys({End, Vesk::KeyEnter}), typed("e\xcc\x81")}),
         all({rows({"abcd", "e\u0301"}), caret(1, 1, "|1:1"), status(" c4 ")})},
        {"Backspace takes é whole", keys({Vesk::KeyBackspace}), all({joined, caret(1, 0, "|1:0")})},
        {"Delete at the end of a line joins the next", keys({Vesk::KeyLeft, Vesk::KeyDelete}),
         all({joined, caret(0, 4, "|0:4"), status(" c6 ")})},
        {"a run of typing", typed("Жук漢"), all({rows({"abcdЖук漢"}), caret(0, 9, "|0:8")})},
        {"one undo takes the run back", typed(Undo),
         all({joined, caret(0, 4, "|0:4"), status(" c11 ")})},
        {"the next undo the join", typed(Undo), all({joined, caret(0, 4, "|0:4")})},
        {"then Backspace of é", typed(Undo), all({rows({"abcd", "e\u0301"}), caret(1, 1, "|1:1")})},
        {"redo twice", typed(std::string(Redo) + Redo),
         all({joined, caret(0, 4, "|0:4"), status(" c15 ")})},
        {"undo past the start restores the text the host gave", typed(std::string(10, Undo[0])),
         all({rows({"ab", "cd"}), caret(1, 0, "|1:0")})},
        {"nothing left to redo after an edit", all({typed("!"), typed(Redo)}), rows({"ab", "!cd"})},
    };
    EXPECT_EQ("", drive("ab\ncd", 12, 4, steps));
}

// A paste with a line break, an emoji with a modifier, a flag and a mark
// is one change and one undo step; one cut short by the focus leaving is
// kept.
TEST(TextArea, APasteIsOneEditAndOneOpenWhenTheFocusLeavesIsKept) {
    const std::string first = "Привет 👍🏽", second = "🇩🇪 e\u0301!";
    const auto placeholder = [](Terminal& t) { return showsFrom(t, Top, Left, "Пусто"); };
    const std::vector<KitStep> steps = {
        {"the placeholder, dimmed", nothing,
         [=](Terminal& t) { return placeholder(t) && t.cell(Top, Left).foreground == 8; }},
        {"a paste of two lines", typed(PasteOpen + first + PastedBreak + second + PasteClose),
         all({rows({first, second}), status(" c1 |1:")})},
        {"one undo takes it all", typed(Undo), all({status(" c2 "), placeholder})},
        {"redo puts it back", typed(Redo), all({rows({first, second}), status(" c3 ")})},
        {"a paste cut short by Tab is kept, as one change",
         all({typed(std::string(PasteOpen) + "ab" + PastedBreak + "c"), keys({Vesk::KeyTab})}),
         all({rows({first, second + "ab", "c"}), status(" c4 |2:")})},
    };
    EXPECT_EQ("", drive("", 12, 4, steps));
}

// 10 x 3 cells: rows break after spaces, a word wider than the area is cut
// between characters, the bar takes the last column as soon as the rows
// outnumber the area's.
TEST(TextArea, WrapsAtWordsScrollsToTheCaretAndTakesTheWheelAndClicks) {
    auto bar = [](const char* a, const char* b, const char* c) {
        return [=](Terminal& t) {
            return t.cell(Top, Left + 9).text == a && t.cell(Top + 1, Left + 9).text == b &&
                   t.cell(Top + 2, Left + 9).text == c;
        };
    };
    const auto first = rows({"one two", "three", "абвгдежзи"}, 9);
    const auto last = rows({"three", "абвгдежзи", "йклмн"}, 9);
    const std::vector<KitStep> steps = {
        {"scrolled to the caret on the last row, the thumb below", nothing,
         all({last, caret(2, 5, "|1:14"), bar("░", "█", "█")})},
        {"Up three times to the first row, cell 5 kept", keys({Up, Up, Up}),
         all({first, caret(0, 5, "|0:5"), bar("█", "█", "░")})},
        {"the wheel scrolls and takes the caret to the top row shown",
         [](Terminal& t) { return t.wheel(Top + 1, Left + 3, false); },
         all({last, caret(0, 5, "|0:13")})},
        {"a click on к", click(Top + 2, Left + 1), caret(2, 1, "|1:10")},
        {"typed there", typed("!"),
         all({rows({"three", "абвгдежзи", "й!клмн"}, 9), caret(2, 2, "|1:11")})},
        {"Page Up: the first rows, the caret three rows up", keys({Vesk::KeyPreviousPage}),
         all({first, caret(0, 2, "|0:2")})},
    };
    EXPECT_EQ("", drive("one two three\nабвгдежзийклмн", 10, 3, steps));
}

// Unwrapped, each line keeps one row and the area scrolls sideways to the
// caret; a wide character cut by the left edge leaves a blank.
TEST(TextArea, UnwrappedLinesScrollSidewaysToTheCaret) {
    const std::vector<KitStep> steps = {
        {"scrolled to the end of the last line", nothing,
         all({rows({" なカ", "fghij"}, 6), caret(1, 5, "|1:10")})},
        {"Home", keys({Home}), all({rows({"漢字か", "abcdef"}, 6), caret(1, 0, "|1:0")})},
        {"Up and End", keys({Up, End}), all({rows({" カナ", "hij"}, 6), caret(0, 5, "|0:6")})},
        {"Left stays in view", keys({Vesk::KeyLeft}),
         all({rows({" カナ", "hij"}, 6), caret(0, 3, "|0:5")})},
    };
    EXPECT_EQ("", drive("漢字かなカナ\nabcdefghij", 6, 2, steps, false));
}
