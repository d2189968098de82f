// Stacks and grids driven through the testing kit: one form at three screen
// sizes with German and CJK labels lining their fields up, weights, fixed
// and natural sizes and what is cut when they do not fit, a resize while a
// field is focused, and a stack in a scroll box.
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// The step counter on row 0, then a grid of labels (column 0: the widest)
// and blue fields (column -1: the rest) that takes the rows left, OK and
// Abbrechen side by side, and a last line at the bottom.
struct LaidOutForm {
    Page root;
    Stack outer, buttons;
    Grid grid;
    Label status, footer;
    std::deque<Label> labels;
    std::deque<TextBox> fields;
    Button ok, cancel;
    int steps = 0;

    explicit LaidOutForm(const std::vector<std::string>& captions) {
        outer.fill(true);
        root.attachChild(&outer);
        outer.attachChild(&status);
        outer.attachChild(&grid);
        outer.grow(&grid, 1);
        grid.columns({0, -1});
        grid.gap(1);
        grid.padding(1);
        for (const std::string& caption : captions) {
            delete labels.emplace_back().text(caption);
            grid.attachChild(&labels.back());
            fields.emplace_back().background(Blue);
            grid.attachChild(&fields.back());
        }
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
        show();
    }

    void show() { delete status.text("s" + std::to_string(steps)); }
};

std::string drive(int rows, int columns, const std::vector<std::string>& captions,
                  const std::vector<KitStep>& steps) {
    Terminal terminal(rows, columns);
    return driveCounted(
        terminal,
        [&captions] {
            LaidOutForm form(captions);
            countingLoop(form.root, form.steps, [&form] { form.show(); });
        },
        steps);
}

// The field on `row` runs from `left` to the last column but one: blue
// there, not blue just before it nor in the padding column after it.
bool fieldSpans(Terminal& t, int row, int left) {
    const int last = t.columns() - 2;
    return t.cell(row, left).background == Blue && t.cell(row, last).background == Blue &&
           t.cell(row, left - 1).background != Blue && t.cell(row, last + 1).background != Blue;
}

// The whole form as laid out on a screen of `rows`: labels from column 1 on
// rows 2, 4, 6 with their fields from `fieldColumn`, the buttons' captions
// three rows from the bottom, the last line at the bottom.
TerminalCheck laidOut(const std::vector<std::string>& captions, int rows, int fieldColumn) {
    return [=](Terminal& t) {
        for (std::size_t i = 0; i < captions.size(); ++i) {
            const int row = 2 + 2 * static_cast<int>(i);
            if (!showsFrom(t, row, 1, captions[i]) || !fieldSpans(t, row, fieldColumn)) {
                return false;
            }
        }
        return showsFrom(t, rows - 3, 2, "OK") && showsFrom(t, rows - 3, 10, "Abbrechen") &&
               showsFrom(t, rows - 1, 0, "Ende");
    };
}

// Row 1's cells by background: 'a' red, 'b' green, 'c' yellow, 'd' blue.
std::string colours(Terminal& t, int row) {
    std::string shown;
    for (int c = 0; c < t.columns(); ++c) {
        const int background = t.cell(row, c).background;
        shown +=
            background >= Red && background <= Blue ? static_cast<char>('a' + background - 1) : '.';
    }
    return shown;
}

}  // namespace

// The field column is one past the widest label: "Straßenname" (11 cells)
// in the first set, "电子邮件地址" (12 cells) in the second.
TEST(Layout, OneFormFillsEveryScreenSizeWithItsFieldsLinedUp) {
    const std::vector<std::string> german = {"Name", "Straßenname", "电子邮件"};
    const std::vector<std::string> chinese = {"名前", "电子邮件地址", "Straße"};
    struct Case {
        int rows, columns;
        const std::vector<std::string>* captions;
        int fieldColumn;
    };
    for (const Case& c :
         {Case{15, 40, &german, 13}, Case{24, 80, &german, 13}, Case{60, 200, &german, 13},
          Case{15, 40, &chinese, 14}, Case{24, 80, &chinese, 14}, Case{60, 200, &chinese, 14}}) {
        SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.columns));
        const int field = c.fieldColumn;
        EXPECT_EQ(
            "",
            drive(c.rows, c.columns, *c.captions,
                  {{"laid out, the caret in the first field", [](Terminal&) { return true; },
                    [=](Terminal& t) {
                        return laidOut(*c.captions, c.rows, field)(t) && cursorAt(t, 2, field);
                    }},
                   {"typing goes to the first field", typed("Jürgen 王"),
                    [=](Terminal& t) {
                        return showsFrom(t, 2, field, "Jürgen 王") && cursorAt(t, 2, field + 9);
                    }},
                   {"Tab to the second field, the third, then OK",
                    keys({Vesk::KeyTab, Vesk::KeyTab, Vesk::KeyTab}),
                    [=](Terminal& t) { return cursorAt(t, c.rows - 3, 2); }},
                   {"Right from OK goes to Abbrechen where it was laid out", keys({Vesk::KeyRight}),
                    [=](Terminal& t) { return cursorAt(t, c.rows - 3, 11); }}}));
    }
}

// Focus and caret survive the screen changing size under the form.
TEST(Layout, AResizeKeepsTheFocusedFieldAndItsCaret) {
    const std::vector<std::string> captions = {"Vorname", "住所"};
    std::vector<KitStep> steps = {
        {"the second field, two characters typed",
         [](Terminal& t) { return t.press(Vesk::KeyTab) && t.type("Ab"); },
         [](Terminal& t) { return cursorAt(t, 4, 11); }},
    };
    for (const auto& size : std::vector<std::pair<int, int>>{{15, 40}, {60, 200}, {24, 80}}) {
        const int rows = size.first;
        steps.push_back({"resized to " + std::to_string(rows) + "x" + std::to_string(size.second),
                         [=](Terminal& t) { return t.resize(rows, size.second); },
                         [=](Terminal& t) {
                             return t.rows() == rows && laidOut(captions, rows, 9)(t) &&
                                    showsFrom(t, 4, 9, "Ab") && cursorAt(t, 4, 11);
                         }});
    }
    EXPECT_EQ("", drive(24, 80, captions, steps));
}

// A row of four fields: red fixed at 5, green its natural 8, yellow and
// blue sharing the rest 1:2, a gap of one. Narrower, the weighted shrink
// first, then the last are cut and the ones left no cells are not drawn.
TEST(Layout, FixedNaturalAndWeightedSizesShareARowAndShrink) {
    struct Case {
        int columns;
        std::string row;
    };
    for (const Case& c : {
             Case{40, "aaaaa.bbbbbbbb.cccccccc.dddddddddddddddd"},
             Case{20, "aaaaa.bbbbbbbb.c.ddd"},
             Case{16, "aaaaa.bbbbbbbb.."},
             Case{12, "aaaaa.bbbbbb"},
             Case{4, "aaaa"},
         }) {
        SCOPED_TRACE(c.columns);
        Terminal terminal(6, c.columns);
        const std::string expected = c.row;
        EXPECT_EQ("", driveCounted(terminal,
                                   [] {
                                       Page root;
                                       Stack outer, row;
                                       Label status;
                                       TextBox boxes[4];
                                       int steps = 0;
                                       outer.fill(true);
                                       root.attachChild(&outer);
                                       outer.attachChild(&status);
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
                                       auto show = [&] {
                                           delete status.text("s" + std::to_string(steps));
                                       };
                                       show();
                                       countingLoop(root, steps, show);
                                   },
                                   {{"laid out", [](Terminal&) { return true; },
                                     [=](Terminal& t) { return colours(t, 1) == expected; }}}));
    }
}

// A grid of twenty labelled fields in a stack that fills a scroll box,
// itself a weighted child of a stack: the box scrolls the grid's natural
// height, and Tab reaches the last field.
TEST(Layout, AStackInAScrollBoxScrollsItsNaturalHeight) {
    Terminal terminal(12, 40);
    EXPECT_EQ("", driveCounted(terminal,
                               [] {
                                   Page root;
                                   Stack outer, inner;
                                   ScrollBox box;
                                   Grid grid;
                                   Label status;
                                   std::deque<Label> labels;
                                   std::deque<TextBox> fields;
                                   int steps = 0;
                                   outer.fill(true);
                                   root.attachChild(&outer);
                                   outer.attachChild(&status);
                                   outer.attachChild(&box);
                                   outer.grow(&box, 1);
                                   inner.fill(true);
                                   box.attachChild(&inner);
                                   inner.attachChild(&grid);
                                   grid.columns({0, -1});
                                   grid.gap(1);
                                   for (int i = 0; i < 20; ++i) {
                                       delete labels.emplace_back().text(
                                           (i % 2 == 0 ? "Feld " : "字段 ") + std::to_string(i));
                                       grid.attachChild(&labels.back());
                                       grid.attachChild(&fields.emplace_back());
                                   }
                                   fields.front().takeFocus();
                                   auto show = [&] {
                                       delete status.text("s" + std::to_string(steps));
                                   };
                                   show();
                                   countingLoop(root, steps, show);
                               },
                               {{"the first field at the top, the bar in the last column",
                                 [](Terminal&) { return true; },
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

// Sizes, gaps, padding, weights and columns past any sense: a stack placed
// by hand at (2, 2), 4 x 10 cells, draws inside itself or nothing, and
// never outside.
TEST(Layout, BadInputIsClampedAndNothingIsDrawnOutsideTheHolder) {
    using Setup = void (*)(Stack&, Grid&, Label(&)[3]);
    struct Case {
        const char* what;
        Setup setup;
        bool drawsInside;
    };
    const Case cases[] = {
        {"negative gap, padding past the holder",
         [](Stack& s, Grid&, Label(&)[3]) {
             s.gap(-5);
             s.padding(INT_MAX);
         },
         false},
        {"a child fixed at the largest int, the rest cut",
         [](Stack& s, Grid&, Label(&l)[3]) { s.size(&l[0], INT_MAX); }, true},
        {"weights summing past 2^31 in a row",
         [](Stack& s, Grid&, Label(&l)[3]) {
             s.direction(Direction::Horizontal);
             for (Label& label : l) {
                 s.grow(&label, INT_MAX);
             }
         },
         true},
        {"negative sizes and weights go back to the natural size",
         [](Stack& s, Grid&, Label(&l)[3]) {
             s.size(&l[0], -7);
             s.grow(&l[1], INT_MIN);
         },
         true},
        {"a grid of no columns, then of extreme ones",
         [](Stack&, Grid& g, Label(&)[3]) {
             g.columns({});
             g.columns({INT_MIN, INT_MAX, 0});
             g.gap(INT_MAX);
         },
         true},
        {"a child in the stack and the grid, the grid in itself refused",
         [](Stack& s, Grid& g, Label(&l)[3]) {
             g.attachChild(&l[0]);
             s.grow(&l[0], 1);
             g.attachChild(&g);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal terminal(8, 16);
        const Setup setup = c.setup;
        const bool inside = c.drawsInside;
        EXPECT_EQ("", driveCounted(
                          terminal,
                          [setup] {
                              Page root;
                              Label status;
                              Stack stack;
                              Grid grid;
                              Label labels[3];
                              Label cell;
                              int steps = 0;
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
                              setup(stack, grid, labels);
                              auto show = [&] { delete status.text("s" + std::to_string(steps)); };
                              show();
                              countingLoop(root, steps, show);
                          },
                          {{"painted", [](Terminal&) { return true; },
                            [inside](Terminal& t) {
                                bool drawn = false;
                                for (int row = 1; row < 8; ++row) {
                                    for (int column = 0; column < 16; ++column) {
                                        const bool in =
                                            row >= 2 && row < 6 && column >= 2 && column < 12;
                                        const bool blank = t.cell(row, column).text == " " ||
                                                           t.cell(row, column).text.empty();
                                        if (!in && !blank) {
                                            return false;
                                        }
                                        drawn = drawn || (in && !blank);
                                    }
                                }
                                return drawn == inside;
                            }}}));
    }
}

// A screen of two cells (the kit's emulator does not take one column): the
// form paints what fits, and lays itself out again when the screen grows.
TEST(Layout, ATinyScreenAndBack) {
    const std::vector<std::string> captions = {"Name", "名前"};
    Terminal terminal(15, 40);
    EXPECT_EQ("", driveInProcess(
                      terminal,
                      [&captions] {
                          LaidOutForm form(captions);
                          countingLoop(form.root, form.steps, [&form] { form.show(); });
                      },
                      {{"two cells: the counter's first letter",
                        [](Terminal& t) { return t.resize(2, 2); },
                        [](Terminal& t) { return t.columns() == 2 && t.cell(0, 0).text == "s"; }},
                       {"back to 15 x 40, laid out as before",
                        [](Terminal& t) { return t.resize(15, 40) && t.type("é"); },
                        [&captions](Terminal& t) {
                            return laidOut(captions, 15, 6)(t) && showsFrom(t, 2, 6, "é") &&
                                   cursorAt(t, 2, 7);
                        }}}));
}

// A bordered stack filling a tab page, the tab set a weighted child of a
// stack: the border runs round the page, a grid inside it, and all of it
// follows a resize.
TEST(Layout, ABorderedStackFillsATabPageThroughAResize) {
    Terminal terminal(10, 30);
    auto framed = [](int rows, int columns) {
        return [=](Terminal& t) {
            return t.cell(2, 0).text == "┌" && t.cell(rows - 1, columns - 1).text == "┘" &&
                   showsFrom(t, 3, 1, "Größe") && showsFrom(t, 4, 1, "大小") && cursorAt(t, 3, 6);
        };
    };
    EXPECT_EQ("",
              driveCounted(terminal,
                           [] {
                               Page root;
                               Stack outer, inner;
                               Tabs tabs;
                               Page first, second;
                               Grid grid;
                               Label status, sizes[2];
                               TextBox fields[2];
                               int steps = 0;
                               outer.fill(true);
                               root.attachChild(&outer);
                               outer.attachChild(&status);
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
                               grid.columns({0, -1});
                               delete sizes[0].text("Größe");
                               delete sizes[1].text("大小");
                               for (int i = 0; i < 2; ++i) {
                                   grid.attachChild(&sizes[i]);
                                   grid.attachChild(&fields[i]);
                               }
                               root.activeControl(&tabs);
                               first.activeControl(&fields[0]);
                               fields[0].focus(true);
                               auto show = [&] { delete status.text("s" + std::to_string(steps)); };
                               show();
                               countingLoop(root, steps, show);
                           },
                           {{"framed in the page", [](Terminal&) { return true; }, framed(10, 30)},
                            {"resized, framed again", [](Terminal& t) { return t.resize(12, 40); },
                             framed(12, 40)}}));
}
