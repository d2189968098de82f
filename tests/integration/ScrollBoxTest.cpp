// A form taller than the screen in a scroll box, driven through the testing
// kit with the bytes a terminal sends: every way the focus moves shows the
// focused field whole, the arrows and clicks reach what is scrolled, the
// wheel scrolls the innermost that can, a caret and a nested box are
// followed, and a resize keeps the focus in view.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

constexpr int BoxTop = 2;

// Field i's label: Cyrillic and CJK in turn, with the number.
std::string labelOf(int i) {
    const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
    return (i % 2 == 0 ? "Поле " : "字段") + number;
}

// A search field on row 1, then a box from row 2 as high as the screen
// leaves (the host sizes it again on a resize) holding 40 labelled fields on
// content rows 0 to 39 (text boxes at column 10), a list of 20 items on rows
// 41 to 45, a text box wider than the box on row 47 and a box of 8 fields on
// rows 49 to 52; a Send button below the box.
struct LongForm {
    Page root;
    Label status;
    TextBox search, wide;
    ScrollBox box, inner;
    std::deque<Label> labels;
    std::deque<TextBox> fields;
    ListBox list;
    Button send;
    int steps = 0;

    static void put(Container& in, Control& control, int row, int column, int width) {
        control.position(row, column);
        control.width(width);
        in.attachChild(&control);
    }

    LongForm() {
        put(root, status, 0, 0, 30);
        put(root, search, 1, 10, 15);
        put(root, box, BoxTop, 0, 40);
        for (int i = 0; i < 40; ++i) {
            put(box, labels.emplace_back(), i, 0, 9);
            delete labels.back().text(labelOf(i));
            put(box, fields.emplace_back(), i, 10, 15);
        }
        put(box, list, 41, 10, 15);
        for (int i = 0; i < 20; ++i) {
            list.add("Пункт " + std::to_string(i));
        }
        put(box, wide, 47, 0, 50);
        put(box, inner, 49, 0, 30);
        inner.height(4);
        for (int i = 0; i < 8; ++i) {
            put(inner, fields.emplace_back(), i, 10, 10);
            fields.back().text("in" + std::to_string(i));
        }
        send.text("Send");
        root.attachChild(&send);
        fit();
        fields[0].takeFocus();
        show();
    }

    // The box takes the rows between the search field and the button.
    void fit() {
        box.height(Session::screenHeight() - BoxTop - 6);
        send.position(BoxTop + box.height() + 2, 10);
    }

    void show() { delete status.text("s" + std::to_string(steps)); }
};

std::string drive(const std::vector<KitStep>& steps, int rows = 20) {
    Terminal terminal(rows, 40);
    return driveCounted(
        terminal,
        [] {
            LongForm form;
            form.root.tabIntoPages(true);
            countingLoop(form.root, form.steps, [&form] { form.show(); },
                         [&form](Vesk::Event event) {
                             if (event == Vesk::KeyResize) {
                                 form.fit();
                             }
                             return false;  // the page takes the resize too
                         });
        },
        steps);
}

// The row of the box that shows field `i`'s label, with the caret in the
// field's first cell; -1 when the label shows on no row of the box.
int rowOf(Terminal& t, int i, int boxRows) {
    for (int row = BoxTop; row < BoxTop + boxRows; ++row) {
        if (t.row(row).rfind(labelOf(i), 0) == 0) {
            return row;
        }
    }
    return -1;
}

// Field `i` shows whole on a row of the box (label, field cells to the
// right of it) and the caret is in it at `caret`.
TerminalCheck focusedField(int i, int caret = 0, int boxRows = 12) {
    return [=](Terminal& t) {
        const int row = rowOf(t, i, boxRows);
        return row >= 0 && cursorAt(t, row, 10 + caret);
    };
}

// The first row of the box shows field `i`.
TerminalCheck topRowShows(int i) {
    return [=](Terminal& t) { return rowOf(t, i, 1) == BoxTop; };
}

// `notches` turns of the wheel over the cell.
TerminalCheck wheel(int row, int column, bool up, int notches = 1) {
    return [=](Terminal& t) {
        bool sent = true;
        for (int i = 0; i < notches; ++i) {
            sent = sent && t.wheel(row, column, up);
        }
        return sent;
    };
}

}  // namespace

// Twelve rows of box on a screen of 20 (rows 2 to 13), the bar in column 39;
// the content is 53 rows, so the thumb is 3 rows long.
TEST(ScrollBox, TabAndBackTabShowEachFocusedFieldWholeAndTheBarFollows) {
    std::vector<KitStep> steps = {
        {"the first field focused, the thumb at the top of the bar",
         [](Terminal&) { return true; },
         [](Terminal& t) {
             return focusedField(0)(t) && t.cell(BoxTop + 2, 39).text == "█" &&
                    t.cell(BoxTop + 3, 39).text == "░" && t.cell(BoxTop, 0).text == "П" &&
                    t.cell(BoxTop + 1, 0).text == "字";
         }},
    };
    for (int i = 1; i < 40; ++i) {
        steps.push_back({"Tab to field " + std::to_string(i), keys({Vesk::KeyTab}),
                         focusedField(i)});
    }
    steps.push_back({"Tab into the list: the list whole at the bottom, the thumb moved down",
                     keys({Vesk::KeyTab}), [](Terminal& t) {
                         return t.row(BoxTop + 7).find("Пункт 0") == 10 &&
                                t.row(BoxTop + 11).find("Пункт 4") == 10 &&
                                cursorAt(t, BoxTop + 7, 10) && t.cell(BoxTop + 8, 39).text == "█" &&
                                t.cell(BoxTop, 39).text == "░";
                     }});
    for (const int i : {39, 38, 37}) {
        steps.push_back({"back-tab to field " + std::to_string(i), keys({Vesk::KeyBackTab}),
                         focusedField(i)});
    }
    steps.push_back({"the wheel scrolls the box three rows up; the focus stays",
                     wheel(BoxTop + 3, 2, true),
                     [](Terminal& t) { return topRowShows(31)(t) && focusedField(37)(t); }});
    steps.push_back({"Page Up, which the field leaves, scrolls the box by its height",
                     keys({Vesk::KeyPreviousPage}), topRowShows(19)});
    steps.push_back({"typing in the field scrolled away brings its caret back", typed("x"),
                     focusedField(37, 1)});
    steps.push_back({"a click on the search field above the box, then Tab: the first field "
                     "shows at the top",
                     [](Terminal& t) { return t.click(1, 12) && t.press(Vesk::KeyTab); },
                     [](Terminal& t) { return focusedField(0)(t) && topRowShows(0)(t); }});
    steps.push_back({"back-tab from the first field goes to the search field",
                     keys({Vesk::KeyBackTab}),
                     [](Terminal& t) { return cursorAt(t, 1, 10) && topRowShows(0)(t); }});
    EXPECT_EQ("", drive(steps));
}

// The list on content rows 41 to 45 shows on screen rows 3 to 7 once the box
// is scrolled to row 40.
TEST(ScrollBox, ArrowsClicksAndTheWheelReachWhatIsScrolled) {
    EXPECT_EQ(
        "",
        drive({
            {"Down from the bottom row's field to a hidden one scrolls it in",
             keys(std::vector<Vesk::Event>(12, Vesk::KeyDown)),
             [](Terminal& t) { return focusedField(12)(t) && topRowShows(1)(t); }},
            {"the wheel down six rows; the focused field stays where it is",
             wheel(BoxTop + 2, 5, false, 2),
             [](Terminal& t) { return topRowShows(7)(t) && focusedField(12)(t); }},
            {"a click maps through the scroll to the field under it, and typing goes there",
             [](Terminal& t) { return t.click(BoxTop + 4, 12) && t.type("Ж世"); },
             [](Terminal& t) {
                 return t.cell(BoxTop + 4, 10).text == "Ж" && t.cell(BoxTop + 4, 11).text == "世" &&
                        focusedField(11, 3)(t);
             }},
            {"a click below the box never reaches the field scrolled there",
             click(BoxTop + 12, 12), focusedField(11, 3)},
            {"Up from a field scrolled off the top reaches the nearest one above it",
             [](Terminal& t) { return wheel(BoxTop + 2, 5, false, 2)(t) && t.press(Vesk::KeyUp); },
             [](Terminal& t) { return focusedField(10)(t) && topRowShows(10)(t); }},
            {"the wheel over a label scrolls the box to row 40", wheel(BoxTop + 1, 2, false, 10),
             [](Terminal& t) { return t.row(BoxTop + 1).find("Пункт 0") == 10; }},
            {"the wheel over the list scrolls the list", wheel(BoxTop + 3, 12, false),
             [](Terminal& t) {
                 return t.row(BoxTop + 1).find("Пункт 3") == 10 && t.cell(BoxTop, 10).text != "П";
             }},
            {"down to the list's end", wheel(BoxTop + 3, 12, false, 4),
             [](Terminal& t) { return t.row(BoxTop + 1).find("Пункт 15") == 10; }},
            {"at its end the wheel scrolls the box", wheel(BoxTop + 3, 12, false),
             [](Terminal& t) {
                 return t.row(BoxTop).find("Пункт 15") == 10 &&
                        t.row(BoxTop + 4).find("Пункт 19") == 10;
             }},
        }));
}

TEST(ScrollBox, ACaretANestedBoxAndAResizeKeepTheFocusInView) {
    EXPECT_EQ(
        "",
        drive({
            {"the wide text box focused by Tab shows from its left column",
             keys(std::vector<Vesk::Event>(41, Vesk::KeyTab)),
             [](Terminal& t) { return cursorAt(t, BoxTop + 11, 0); }},
            {"typed past the box's width, the box follows the caret sideways",
             typed("abcdefghijklmnopqrstuvwxyzАБВГДЕЖЗИЙКЛМ"),
             [](Terminal& t) {
                 return cursorAt(t, BoxTop + 11, 38) && t.cell(BoxTop + 11, 37).text == "М";
             }},
            {"Home brings the box back to the left", keys({Vesk::KeyHome}),
             [](Terminal& t) {
                 return cursorAt(t, BoxTop + 11, 0) && t.cell(BoxTop + 11, 0).text == "a";
             }},
            {"Tab into the inner box: both show its first field", keys({Vesk::KeyTab}),
             [](Terminal& t) {
                 return cursorAt(t, BoxTop + 11, 13) && t.row(BoxTop + 11).find("in0") == 10;
             }},
            {"Tab to the inner box's sixth field: the inner box scrolls, the outer shows it",
             keys(std::vector<Vesk::Event>(5, Vesk::KeyTab)),
             [](Terminal& t) {
                 const Testing::Cursor cursor = t.cursor();
                 return cursor.row >= BoxTop && cursor.row < BoxTop + 12 &&
                        t.row(cursor.row).find("in5") == 10 && cursor.column == 13;
             }},
            {"a click on the search field, then Tab to field 20",
             [](Terminal& t) {
                 return t.click(1, 12) && keys(std::vector<Vesk::Event>(21, Vesk::KeyTab))(t);
             },
             focusedField(20)},
            {"the screen shrinks: the box with it, the field still in view",
             [](Terminal& t) { return t.resize(12, 40); },
             [](Terminal& t) { return t.rows() == 12 && focusedField(20, 0, 4)(t); }},
            {"the screen grows back: still in view", [](Terminal& t) { return t.resize(20, 40); },
             focusedField(20)},
        }));
}
