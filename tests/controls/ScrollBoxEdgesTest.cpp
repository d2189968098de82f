// A scroll box given what it should not get: children far off in either
// direction, a content of 2^31 rows and more, scrolls past either end,
// boxes of no height and of one row, a focused field taken away while
// scrolled to, the box destroyed first. Nothing is written outside the box
// and nothing is left pointing at what went.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "geometry/PaintedScreen.h"
#include "support/SessionAccess.h"

using namespace Vesk::Forms;

namespace {

// In UTF-8 the bar is drawn in blocks: read here as '#' for the thumb and
// '|' for the track.
class ScrollBoxEdges : public VeskTest::Utf8PaintedScreen {
protected:
    void expectBox(const std::vector<std::string>& rows, const std::string& label) {
        for (int row = 0; row < 25; ++row) {
            std::string expected(80, '.');
            const std::size_t index = static_cast<std::size_t>(row - 2);
            if (row >= 2 && index < rows.size()) {
                expected.replace(10, rows[index].size(), rows[index]);
            }
            std::string shown = glyphs(row, 0, 80);
            const std::wstring bar = VeskTest::wideCell(row, 29).text;
            shown[29] = bar == L"\u2588" ? '#' : bar == L"\u2591" ? '|' : shown[29];
            EXPECT_EQ(expected, shown) << label << ", row " << row;
        }
    }
};

// A box of 20 x `height` cells at (2, 10) on a page, and labels in it.
struct Boxed {
    Page page;
    ScrollBox box;
    std::vector<std::unique_ptr<Label>> labels;
    Tabs set;  // for a tab set and a container inside the box
    Page shown;
    Container group;

    explicit Boxed(int height) {
        box.position(2, 10);
        box.width(20);
        box.height(height);
        page.attachChild(&box);
    }

    void add(int row, int column, const std::string& text, int rows = 1,
             Container* in = nullptr) {
        Label& label = *labels.emplace_back(std::make_unique<Label>());
        label.position(row, column);
        label.width(static_cast<int>(text.size()));
        label.height(rows);
        (in != nullptr ? *in : box).attachChild(&label);
        delete label.text(text);
    }
};

}  // namespace

// Each case: the box, what it holds, a scroll asked for, and the box's rows
// as they must show (columns 10 to 29; every other cell keeps its dot).
TEST_F(ScrollBoxEdges, FarChildrenHugeContentAndScrollsPastTheEndsAreCutToTheBox) {
    struct Case {
        const char* what;
        int height;
        std::function<void(Boxed&)> fill;
        int row, column;  // asked for
        int scrolledRow, scrolledColumn, contentHeight;
        std::vector<std::string> rows;
    };
    // A row of the box: `text` from `at`, the bar's cell ('.' for none),
    // and dots where nothing is drawn: the box draws nothing of its own.
    const auto row = [](const std::string& text, char bar, int at = 0) {
        std::string cells(20, '.');
        cells.replace(static_cast<std::size_t>(at), text.size(), text);
        cells[19] = bar == '.' ? cells[19] : bar;
        return cells;
    };
    const std::vector<Case> cases = {
        {"children above, left of and far past the content's start", 5,
         [](Boxed& b) {
             b.add(-3, -5, "above");
             b.add(1, -2, "abcdef");
             b.add(INT_MAX, INT_MAX, "far", INT_MAX);
         },
         0, 0, 0, 0, INT_MAX,
         {row("", '#'), row("cdef", '|'), row("", '|'), row("", '|'), row("", '|')}},
        {"scrolled to the largest int: the far child shows, 64-bit sums", 5,
         [](Boxed& b) { b.add(INT_MAX, INT_MAX, "far", INT_MAX); }, INT_MAX, INT_MAX, INT_MAX,
         INT_MAX - 16, INT_MAX,
         {row("far", '|', 16), row("", '|'), row("", '#'), row("", '|'), row("", '|')}},
        {"past the start: clamped to 0", 5, [](Boxed& b) { b.add(0, 0, "top"); }, -7, -9, 0, 0, 1,
         {row("top", '.')}},
        {"past the end: the last rows fill the box, the thumb at the bottom", 5,
         [](Boxed& b) {
             for (int i = 0; i < 10; ++i) {
                 b.add(i, 0, "row" + std::to_string(i));
             }
         },
         1000, 1000, 5, 0, 10,
         {row("row5", '|'), row("row6", '|'), row("row7", '#'), row("row8", '#'),
          row("row9", '#')}},
        {"a box of no height shows nothing", 0, [](Boxed& b) { b.add(0, 0, "none"); }, 3, 0, 1,
         0, 1, {}},
        {"a box of one row: one row of content and a one-cell thumb", 1,
         [](Boxed& b) {
             b.add(0, 0, "one");
             b.add(1, 0, "two");
         },
         1, 0, 1, 0, 2, {row("two", '#')}},
        {"a tab set and a container scrolled half out: cut at the box's top", 5,
         [](Boxed& b) {
             b.set.width(25);
             b.set.height(4);
             b.box.attachChild(&b.set);
             b.shown.title("Вкладка");
             b.set.attachTab(&b.shown);
             b.add(1, 0, "in page", 1, &b.shown);
             b.group.position(4, 3);
             b.group.width(30);
             b.group.height(3);
             b.box.attachChild(&b.group);
             b.add(2, 0, "0123456789abcdefghijklmnopqrstuvwxyz", 1, &b.group);
         },
         2, 0, 2, 0, 7,
         {row("in page            ", '|'), row(std::string(19, ' '), '#'), row("", '#'),
          row("", '#'), row("0123456789abcdef", '#', 3)}},
    };
    for (const Case& c : cases) {
        dots();
        Boxed b(c.height);
        c.fill(b);
        b.box.scrollRow(c.row);
        b.box.scrollColumn(c.column);
        EXPECT_EQ(c.scrolledRow, b.box.scrollRow()) << c.what;
        EXPECT_EQ(c.scrolledColumn, b.box.scrollColumn()) << c.what;
        EXPECT_EQ(c.contentHeight, b.box.contentHeight()) << c.what;
        b.page.paint();
        expectBox(c.rows, c.what);
    }
}

// Taken away while scrolled to, the focused field leaves no cell in the map
// and no pointer behind; the box destroyed before its children leaves them
// as roots that a page paint no longer reaches.
TEST_F(ScrollBoxEdges, AFieldTakenAwayAndTheBoxDestroyedFirstLeaveNothingBehind) {
    Page page;
    std::optional<ScrollBox> box(std::in_place);
    box->position(2, 10);
    box->width(20);
    box->height(3);
    page.attachChild(&*box);
    std::vector<std::unique_ptr<TextBox>> fields;
    for (int i = 0; i < 10; ++i) {
        fields.push_back(std::make_unique<TextBox>());
        fields.back()->position(i, 2);
        fields.back()->width(10);
        box->attachChild(fields.back().get());
    }
    fields[8]->takeFocus();
    page.paint();
    EXPECT_EQ(6, box->scrollRow());
    EXPECT_EQ(fields[8].get(), SessionAccess::at(4, 12));

    fields[8].reset();
    page.paint();
    EXPECT_EQ(nullptr, page.activeControl());
    EXPECT_EQ(box.operator->(), SessionAccess::at(4, 12));
    EXPECT_EQ(fields[7].get(), SessionAccess::at(3, 12));

    fields[9]->takeFocus();
    page.paint();
    box.reset();
    page.paint();
    for (int row = 2; row < 5; ++row) {
        EXPECT_EQ(nullptr, SessionAccess::at(row, 12)) << row;
    }
    EXPECT_EQ(nullptr, fields[9]->parent());
    // Tab still walks the page's list without the box.
    EXPECT_EQ(0, page.raiseEvent(0x9));
}
