// Stacks and grids driven through the testing kit: one form resized with a
// field focused, German and CJK labels lining their fields up, weights,
// fixed and natural sizes and what is cut when they do not fit, clamped bad
// input, a stack in a scroll box, a bordered one in a tab page, and hidden
// children giving up their place.
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// A page with the step counter on row 0 of a stack that fills it.
struct Counted {
    Page root;
    Stack outer;
    Label status;
    int steps = 0;

    Counted() {
        outer.fill(true);
        root.attachChild(&outer);
        outer.attachChild(&status);
        show();
    }
    void show() { delete status.text("s" + std::to_string(steps)); }
    void run() {
        countingLoop(root, steps, [this] { show(); });
    }
};

// A label and a blue field for each caption in `grid`: labels as wide as
// the widest (column 0), fields the rest (column -1).
void pairUp(Grid& grid, std::deque<Label>& labels, std::deque<TextBox>& fields,
            const std::vector<std::string>& captions) {
    grid.columns({0, -1});
    for (const std::string& caption : captions) {
        delete labels.emplace_back().text(caption);
        grid.attachChild(&labels.back());
        grid.attachChild(&fields.emplace_back());
        fields.back().background(Blue);
    }
}

// The widest, "电子邮件地址", is 12 cells, 6 code points, 18 bytes.
const std::vector<std::string> captions = {"名前", "电子邮件地址", "Straße"};

// Below the counter a padded grid of labels and blue fields that takes the
// rows left, OK and Abbrechen side by side, and a last line at the bottom.
struct LaidOutForm : Counted {
    Stack buttons;
    Grid grid;
    Label footer;
    std::deque<Label> labels;
    std::deque<TextBox> fields;
    Button ok, cancel;

    LaidOutForm() {
        outer.attachChild(&grid);
        outer.grow(&grid, 1);
        grid.gap(1);
        grid.padding(1);
        pairUp(grid, labels, fields, captions);
        // Built from the page down, so that the page lists the buttons.
        outer.attachChild(&buttons);
        buttons.direction(Direction::Horizontal);
        buttons.gap(2);
        ok.text("OK");
        cancel.text("Abbrechen");
        buttons.attachChild(&ok);
        buttons.attachChild(&cancel);
        delete footer.text("Ende");
        outer.attachChild(&footer);
        fields[0].takeFocus();
    }
};

// Four fields in a row: red fixed at 5, green its natural 8, yellow and
// blue sharing the rest 1:2, a gap of one.
struct SharedRow : Counted {
    Stack row;
    TextBox boxes[4];

    SharedRow() {
        outer.attachChild(&row);
        row.direction(Direction::Horizontal);
        row.gap(1);
        for (int i = 0; i < 4; ++i) {
            boxes[i].background(static_cast<Color>(Red + i));
            row.attachChild(&boxes[i]);
        }
        boxes[1].width(8);
        row.size(&boxes[0], 5);
        row.grow(&boxes[2], 1);
        row.grow(&boxes[3], 2);
    }
};

// Twenty labelled fields in a grid in a stack that fills a scroll box, the
// box a weighted child of the outer stack.
struct ScrolledGrid : Counted {
    Stack inner;
    ScrollBox box;
    Grid grid;
    std::deque<Label> labels;
    std::deque<TextBox> fields;

    ScrolledGrid() {
        outer.attachChild(&box);
        outer.grow(&box, 1);
        inner.fill(true);
        box.attachChild(&inner);
        inner.attachChild(&grid);
        grid.gap(1);
        std::vector<std::string> captions;
        for (int i = 0; i < 20; ++i) {
            captions.push_back((i % 2 == 0 ? "Feld " : "字段 ") + std::to_string(i));
        }
        pairUp(grid, labels, fields, captions);
        fields.front().takeFocus();
    }
};

// A bordered stack filling the first of two tab pages, the tabs a weighted
// child of the outer stack, and in it a grid of two labelled fields.
struct TabbedForm : Counted {
    Stack inner;
    Tabs tabs;
    Page first, second;
    Grid grid;
    std::deque<Label> labels;
    std::deque<TextBox> fields;

    TabbedForm() {
        outer.attachChild(&tabs);
        outer.grow(&tabs, 1);
        first.title("Eins");
        second.title("二");
        tabs.attachTab(&first);
        tabs.attachTab(&second);
        inner.fill(true);
        (inner.border)(SingleLine);
        first.attachChild(&inner);
        inner.attachChild(&grid);
        pairUp(grid, labels, fields, {"Größe", "大小"});
        root.activeControl(&tabs);
        first.activeControl(&fields[0]);
        fields[0].focus(true);
    }
};

// The counter straight on the page, eight cells wide, and a stack placed by
// hand at (2, 2), 4 x 10 cells, holding three long labels and a grid with
// one, then given the settings of `setup`.
struct PlacedStack : Counted {
    Stack stack;
    Grid grid;
    Label labels[3];
    Label cell;

    explicit PlacedStack(void (*setup)(PlacedStack&)) {
        root.detachChild(&outer);
        outer.detachChild(&status);
        root.attachChild(&status);
        status.width(8);
        root.attachChild(&stack);
        stack.position(2, 2);
        stack.height(4);
        stack.width(10);
        for (Label& label : labels) {
            delete label.text("Größenänderung");
            stack.attachChild(&label);
        }
        stack.attachChild(&grid);
        delete cell.text("日本語のテキスト");
        grid.attachChild(&cell);
        setup(*this);
    }
};

// The form's loop, in which '-' and '+' call `change` with false and true.
template <typename Form>
void runToggled(Form& form, void (*change)(Form&, bool)) {
    countingLoop(
        form.root, form.steps, [&form] { form.show(); },
        [&](Vesk::Event event) {
            if (event == '-' || event == '+') {
                change(form, event == '+');
            }
            return event == '-' || event == '+';
        });
}

// In column 0 of a grid a stack of a label and a mark side by side, in
// column -1 a blue field; '+' makes the change given.
struct Relaid : Counted {
    Grid grid;
    Stack left;
    Label label, mark;
    TextBox field;
    void (*change)(Relaid&, bool);

    explicit Relaid(void (*change)(Relaid&, bool)) : change(change) {
        outer.attachChild(&grid);
        grid.columns({0, -1});
        grid.attachChild(&left);
        left.direction(Direction::Horizontal);
        delete label.text("Ab");
        delete mark.text("|");
        left.attachChild(&label);
        left.attachChild(&mark);
        field.background(Blue);
        grid.attachChild(&field);
    }
    void run() { runToggled(*this, change); }
};

// The shared row, a gap apart, above a stack of the labelled fields and a
// last line; '-' hides what `hide` names and '+' shows it again.
struct Hiding : SharedRow {
    Stack inner;
    Grid grid;
    Label footer;
    std::deque<Label> labels;
    std::deque<TextBox> fields;
    void (*hide)(Hiding&, bool);

    explicit Hiding(void (*hide)(Hiding&, bool)) : hide(hide) {
        outer.gap(1);
        outer.attachChild(&inner);
        inner.attachChild(&grid);
        grid.gap(1);
        pairUp(grid, labels, fields, captions);
        delete footer.text("Ende");
        outer.attachChild(&footer);
    }
    void run() { runToggled(*this, hide); }
};

// A fresh Form(args...) run on a fresh screen of rows x columns.
template <typename Form, typename... Args>
std::string drive(int rows, int columns, const std::vector<KitStep>& steps, Args... args) {
    Terminal terminal(rows, columns);
    return driveCounted(
        terminal, [=] { Form(args...).run(); }, steps);
}

// The whole form as laid out on a screen of `rows`: labels from column 1 on
// rows 2, 4, 6 with their blue fields from column 14, one past the widest,
// to the last column but one, the buttons' captions three rows from the bottom, the last line at
// the bottom.
bool laidOut(Terminal& t, int rows) {
    const int field = 14, last = t.columns() - 2;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int row = 2 + 2 * static_cast<int>(i);
        if (!showsFrom(t, row, 1, captions[i]) || t.cell(row, field).background != Blue ||
            t.cell(row, last).background != Blue || t.cell(row, field - 1).background == Blue ||
            t.cell(row, last + 1).background == Blue) {
            return false;
        }
    }
    return showsFrom(t, rows - 3, 2, "OK") && showsFrom(t, rows - 3, 10, "Abbrechen") &&
           showsFrom(t, rows - 1, 0, "Ende");
}

// Whether anything shows in rows 1 to 7 of a 16-column screen, and nothing
// outside rows 2 to 5, columns 2 to 11: 1 drawn inside, 0 blank, -1 outside.
int drawnInside(Terminal& t) {
    int drawn = 0;
    for (int row = 1; row < 8; ++row) {
        for (int column = 0; column < 16; ++column) {
            const std::string& text = t.cell(row, column).text;
            if (text != " " && !text.empty()) {
                if (row < 2 || row >= 6 || column < 2 || column >= 12) {
                    return -1;
                }
                drawn = 1;
            }
        }
    }
    return drawn;
}

// A row by background, a letter a cell: 'a' red to 'd' blue, else '.'.
std::string backgrounds(Terminal& t, int row) {
    std::string shown;
    for (int c = 0; c < t.columns(); ++c) {
        const int b = t.cell(row, c).background;
        shown += b >= Red && b <= Blue ? static_cast<char>('a' + b - 1) : '.';
    }
    return shown;
}

const TerminalCheck nothing = [](Terminal&) { return true; };

}  // namespace

// Started at 24 x 80 and resized, down to two cells (the kit's emulator
// does not take one column) and back, the form is laid out again and focus,
// text and caret stay with the second field.
TEST(Layout, OneFormFillsEveryScreenSizeWithItsFieldsLinedUp) {
    std::vector<KitStep> steps = {
        {"laid out, the caret in the first field", nothing,
         [](Terminal& t) { return laidOut(t, 24) && cursorAt(t, 2, 14); }},
        {"typing goes to the first field", typed("Jürgen 王"),
         [](Terminal& t) { return showsFrom(t, 2, 14, "Jürgen 王") && cursorAt(t, 2, 23); }},
        {"Tab to the second field, two characters typed",
         [](Terminal& t) { return t.press(Vesk::KeyTab) && t.type("Ab"); },
         [](Terminal& t) { return cursorAt(t, 4, 16); }},
        {"two cells: the counter's first letter", [](Terminal& t) { return t.resize(2, 2); },
         [](Terminal& t) { return t.columns() == 2 && t.cell(0, 0).text == "s"; }},
    };
    for (const auto& size : std::vector<std::pair<int, int>>{{15, 40}, {60, 200}, {24, 80}}) {
        const int rows = size.first;
        steps.push_back({"resized to " + std::to_string(rows) + "x" + std::to_string(size.second),
                         [=](Terminal& t) { return t.resize(rows, size.second); },
                         [=](Terminal& t) {
                             return laidOut(t, rows) && showsFrom(t, 2, 14, "Jürgen 王") &&
                                    showsFrom(t, 4, 14, "Ab") && cursorAt(t, 4, 16);
                         }});
    }
    steps.push_back({"Tab to the third field, then OK", keys({Vesk::KeyTab, Vesk::KeyTab}),
                     [](Terminal& t) { return cursorAt(t, 21, 2); }});
    steps.push_back({"Right from OK goes to Abbrechen where it was laid out",
                     keys({Vesk::KeyRight}), [](Terminal& t) { return cursorAt(t, 21, 11); }});
    EXPECT_EQ("", drive<LaidOutForm>(24, 80, steps));
}

// Row 1 by background, 'a' red to 'd' blue: narrower, the weighted shrink
// first, then the last are cut and the ones left no cells are not drawn.
TEST(Layout, FixedNaturalAndWeightedSizesShareARowAndShrink) {
    for (const std::string expected :
         {"aaaaa.bbbbbbbb.cccccccc.dddddddddddddddd", "aaaaa.bbbbbbbb.c.ddd", "aaaaa.bbbbbbbb..",
          "aaaaa.bbbbbb", "aaaa"}) {
        SCOPED_TRACE(expected);
        EXPECT_EQ("", drive<SharedRow>(6, static_cast<int>(expected.size()),
                                       {{"laid out", nothing, [=](Terminal& t) {
                                             return backgrounds(t, 1) == expected;
                                         }}}));
    }
}

// The scroll box scrolls the grid's natural height, and Tab reaches the
// last field.
TEST(Layout, AStackInAScrollBoxScrollsItsNaturalHeight) {
    EXPECT_EQ("", drive<ScrolledGrid>(
                      12, 40,
                      {{"the first field at the top, the bar in the last column", nothing,
                        [](Terminal& t) {
                            return showsFrom(t, 1, 0, "Feld 0") && cursorAt(t, 1, 8) &&
                                   t.cell(1, 39).text == "█";
                        }},
                       {"Tab to the last field scrolls it in at the bottom",
                        keys(std::vector<Vesk::Event>(19, Vesk::KeyTab)), [](Terminal& t) {
                            return showsFrom(t, 11, 0, "字段 19") && cursorAt(t, 11, 8) &&
                                   t.cell(11, 39).text == "█";
                        }}}));
}

// Sizes, gaps, padding, weights and columns past any sense: the placed
// stack draws inside itself or nothing, and never outside.
TEST(Layout, BadInputIsClampedAndNothingIsDrawnOutsideTheHolder) {
    const std::tuple<const char*, void (*)(PlacedStack&), int> cases[] = {
        {"negative gap, padding past the holder",
         [](PlacedStack& p) { p.stack.gap(-5), p.stack.padding(INT_MAX); }, 0},
        {"a child fixed at the largest int, the rest cut",
         [](PlacedStack& p) { p.stack.size(&p.labels[0], INT_MAX); }, 1},
        {"weights summing past 2^31 in a row",
         [](PlacedStack& p) {
             p.stack.direction(Direction::Horizontal);
             for (Label& label : p.labels) {
                 p.stack.grow(&label, INT_MAX);
             }
         },
         1},
        {"negative sizes and weights go back to the natural size",
         [](PlacedStack& p) {
             p.stack.size(&p.labels[0], -7), p.stack.grow(&p.labels[1], INT_MIN);
         },
         1},
        {"a grid of no columns, then of extreme ones",
         [](PlacedStack& p) {
             p.grid.columns({});
             p.grid.columns({INT_MIN, INT_MAX, 0});
             p.grid.gap(INT_MAX);
         },
         1},
        {"a child in the stack and the grid, the grid in itself refused",
         [](PlacedStack& p) {
             p.grid.attachChild(&p.labels[0]);
             p.stack.grow(&p.labels[0], 1);
             p.grid.attachChild(&p.grid);
         },
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::get<0>(c));
        const int drawn = std::get<2>(c);
        EXPECT_EQ("",
                  drive<PlacedStack>(8, 16,
                                     {{"painted", nothing,
                                       [drawn](Terminal& t) { return drawnInside(t) == drawn; }}},
                                     std::get<1>(c)));
    }
}

// The border runs round the tab page, the grid inside it, and all of it
// follows a resize.
TEST(Layout, ABorderedStackFillsATabPageThroughAResize) {
    auto framed = [](int rows, int columns) {
        return [=](Terminal& t) {
            return t.cell(2, 0).text == "┌" && t.cell(rows - 1, columns - 1).text == "┘" &&
                   showsFrom(t, 3, 1, "Größe") && showsFrom(t, 4, 1, "大小") && cursorAt(t, 3, 6);
        };
    };
    EXPECT_EQ("",
              drive<TabbedForm>(10, 30,
                                {{"framed in the page", nothing, framed(10, 30)},
                                 {"resized, framed again",
                                  [](Terminal& t) { return t.resize(12, 40); }, framed(12, 40)}}));
}

// A paint that finds nothing changed lays nothing out, yet a change below a
// layout after it, at any depth, is laid out at the next paint: the field
// (row 1, from its first to its last blue column) follows.
TEST(Layout, AChangeAfterAnIdlePaintIsLaidOut) {
    auto field = [](std::size_t from, std::size_t to) {
        return [=](Terminal& t) {
            const std::string shown = backgrounds(t, 1);
            return shown.find('d') == from && shown.rfind('d') == to;
        };
    };
    const TerminalCheck plus = typed("+");
    const std::tuple<const char*, void (*)(Relaid&, bool), TerminalCheck, int, int> cases[] = {
        {"the label's text grows", [](Relaid& r, bool) { delete r.label.text("Abcde"); }, plus, 6,
         39},
        {"the label's natural width set", [](Relaid& r, bool) { r.label.naturalWidth(6); }, plus, 7,
         39},
        {"the mark detached", [](Relaid& r, bool) { r.left.detachChild(&r.mark); }, plus, 2, 39},
        {"a gap in the stack", [](Relaid& r, bool) { r.left.gap(2); }, plus, 5, 39},
        {"the label's size fixed", [](Relaid& r, bool) { r.left.size(&r.label, 4); }, plus, 5, 39},
        {"the first column fixed",
         [](Relaid& r, bool) {
             r.grid.columns({5, -1});
         },
         plus, 5, 39},
        {"a border round the label", [](Relaid& r, bool) { (r.label.border)(SingleLine); }, plus, 5,
         39},
        {"the screen narrowed", [](Relaid&, bool) {}, [](Terminal& t) { return t.resize(8, 30); },
         3, 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::get<0>(c));
        EXPECT_EQ("", drive<Relaid>(
                          8, 40,
                          {{"laid out", nothing, field(3, 39)},
                           {"painted again, nothing changed", nothing, field(3, 39)},
                           {std::get<0>(c), std::get<2>(c), field(std::get<3>(c), std::get<4>(c))}},
                          std::get<1>(c)));
    }
}

// A hidden child gives up its cells, gap and weight, in a grid its row when
// the whole row is hidden, and has them back when shown again.
TEST(Layout, AHiddenChildGivesUpItsPlaceUntilShownAgain) {
    const std::string wide = std::string(13, '.') + std::string(27, 'd');
    const std::string narrow = std::string(7, '.') + std::string(33, 'd');
    const TerminalCheck whole = [=](Terminal& t) {
        return backgrounds(t, 2) == "aaaaa.bbbbbbbb.cccccccc.dddddddddddddddd" &&
               showsFrom(t, 6, 0, captions[1]) && backgrounds(t, 6) == wide &&
               showsFrom(t, 8, 0, captions[2]) && showsFrom(t, 10, 0, "Ende");
    };
    const std::tuple<const char*, void (*)(Hiding&, bool), TerminalCheck> cases[] = {
        {"the row: the fields close up to the counter, a gap below it",
         [](Hiding& h, bool on) { h.row.visible(on); },
         [=](Terminal& t) { return backgrounds(t, 4) == wide && showsFrom(t, 8, 0, "Ende"); }},
        {"the grid: its stack needs no rows", [](Hiding& h, bool on) { h.grid.visible(on); },
         [](Terminal& t) { return showsFrom(t, 5, 0, "Ende"); }},
        {"the yellow field: its cells, gap and weight go to the blue one",
         [](Hiding& h, bool on) { h.boxes[2].visible(on); },
         [](Terminal& t) { return backgrounds(t, 2) == "aaaaa.bbbbbbbb." + std::string(25, 'd'); }},
        {"a label and its field: the row and its gap go, the labels narrow",
         [](Hiding& h, bool on) { h.labels[1].visible(on), h.fields[1].visible(on); },
         [=](Terminal& t) {
             return showsFrom(t, 6, 0, "Straße") && backgrounds(t, 6) == narrow &&
                    showsFrom(t, 8, 0, "Ende");
         }},
        {"the widest label and the last field: the others keep their cells",
         [](Hiding& h, bool on) { h.labels[1].visible(on), h.fields[2].visible(on); },
         [=](Terminal& t) {
             return t.cell(6, 0).text == " " && backgrounds(t, 6) == narrow &&
                    showsFrom(t, 8, 0, "Straße") && backgrounds(t, 8) == std::string(40, '.');
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::get<0>(c));
        EXPECT_EQ("", drive<Hiding>(12, 40,
                                    {{"laid out", nothing, whole},
                                     {"hidden", typed("-"), std::get<2>(c)},
                                     {"shown again", typed("+"), whole}},
                                    std::get<1>(c)));
    }
}
