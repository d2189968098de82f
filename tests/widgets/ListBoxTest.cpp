#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "forms/Button.h"
#include "forms/ListBox.h"
#include "forms/Page.h"
#include "forms/Tabs.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using ListBoxPaint = VeskTest::PaintedScreen;
using ListBoxText = VeskTest::Utf8PaintedScreen;

namespace {

std::vector<std::pair<int, void*>> calls;
int record(int event, void* control) {
    calls.emplace_back(event, control);
    return 5;
}

void fill(ListBox& list, int count) {
    for (int i = 0; i < count; ++i) {
        list.add("item " + std::to_string(i));
    }
}

}  // namespace

TEST_F(ListBoxPaint, TenThousandItemsScrolledToTheEndShowTheLastRowsIndicatorAndCursor) {
    Page page;
    ListBox list;
    page.attachChild(&list);
    list.position(3, 5);
    list.width(10);
    list.height(4);
    fill(list, 10000);
    page.activeControl(&list);
    EXPECT_EQ(1, page.raiseEvent(Vesk::KeyEnd));
    page.paint();
    EXPECT_EQ(9999, list.selected());
    EXPECT_EQ(9996, list.top());
    const char* rows[] = {"item 9996", "item 9997", "item 9998", "item 9999"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i], glyphs(3 + i, 5, 9)) << i;
        EXPECT_EQ(i == 3, cell(3 + i, 5).reverse) << i;
        EXPECT_EQ(i == 3, VeskTest::isBlock(3 + i, 14)) << i;
        EXPECT_EQ(i == 3 ? "?" : "|", glyphs(3 + i, 14, 1)) << i;
    }
    EXPECT_EQ(6, cursorRow());
    EXPECT_EQ(5, cursorColumn());
    Point inside(6, 14);
    EXPECT_EQ(&list, Session::at(&inside));

    // Home: the first rows, the block at the top, the cursor on row 0.
    EXPECT_EQ(1, page.raiseEvent(Vesk::KeyHome));
    page.paint();
    EXPECT_EQ("item 1   |", glyphs(4, 5, 10));
    EXPECT_TRUE(VeskTest::isBlock(3, 14));
    EXPECT_EQ(3, cursorRow());
}

// From (selected, top) a key gives (selected, top, result); a button above
// takes the focus from the first item, nothing is below the last.
TEST_F(ListBoxPaint, KeysMoveTheSelectionAndHandTheArrowsOverAtTheEnds) {
    // clang-format off
    const struct { int from; int key; int selected, top, result, changes; bool listFocused; } cases[] = {
        {0, Vesk::KeyDown, 1, 0, 1, 1, true}, {2, Vesk::KeyDown, 3, 1, 1, 1, true},
        {5, Vesk::KeyUp, 4, 3, 1, 1, true}, {0, Vesk::KeyUp, 0, 0, 1, 0, false},
        {9, Vesk::KeyDown, 9, 7, 0, 0, true}, {9, Vesk::KeyEnd, 9, 7, 1, 0, true},
        {4, Vesk::KeyHome, 0, 0, 1, 1, true}, {4, Vesk::KeyEnd, 9, 7, 1, 1, true},
        {0, Vesk::KeyNextPage, 3, 3, 1, 1, true}, {8, Vesk::KeyNextPage, 9, 7, 1, 1, true},
        {9, Vesk::KeyPreviousPage, 6, 4, 1, 1, true}, {1, Vesk::KeyPreviousPage, 0, 0, 1, 1, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        Page page;
        Button above;
        ListBox list;
        page.attachChild(&above);
        page.attachChild(&list);
        above.position(1, 5);
        list.position(5, 5);
        list.height(3);
        fill(list, 10);
        list.selected(c.from);
        list.change(record);
        page.activeControl(&list);
        page.paint();
        calls.clear();
        const int result = page.raiseEvent(c.key);
        EXPECT_EQ(std::make_tuple(c.result, c.selected, c.top, c.listFocused, c.changes),
                  std::make_tuple(result, list.selected(), list.top(), list.focus(),
                                  static_cast<int>(calls.size())))
            << c.from << " " << std::hex << c.key;
        for (const auto& call : calls) {
            EXPECT_EQ(std::make_pair(c.key, static_cast<void*>(&list)), call);
        }
    }
}

TEST(ListBox, HandlersRemoveClearAndIndexesOutOfRange) {
    ListBox list;
    EXPECT_EQ(-1, list.selected(3));
    EXPECT_EQ(0, list.raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ(0, list.raiseEvent(Vesk::KeyHome));
    EXPECT_FALSE(list.submit(nullptr) || list.change(nullptr) || list.remove(0));
    EXPECT_TRUE(list.submit(record) && list.change(record));
    calls.clear();
    EXPECT_EQ(5, list.raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ(std::make_pair(int{Vesk::KeyEnter}, static_cast<void*>(&list)), calls.at(0));
    // clang-format off
    const struct { int count, select, height, removed; bool done; int selected, top; } cases[] = {
        {5, 3, 2, 1, true, 2, 2}, {5, 3, 2, 3, true, 3, 2}, {5, 4, 2, 4, true, 3, 2},
        {5, 3, 2, 4, true, 3, 2}, {1, 0, 2, 0, true, -1, 0}, {5, 2, 2, 5, false, 2, 1},
        {5, 2, 2, -1, false, 2, 1}, {9, 99, 3, 0, true, 7, 5}, {9, -7, -4, 8, true, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        list.clear();
        EXPECT_EQ(-1, list.selected());
        fill(list, c.count);
        list.height(c.height);
        list.selected(c.select);
        const bool done = list.remove(c.removed);
        EXPECT_EQ(
            std::make_tuple(c.done, c.selected, c.top, std::string()),
            std::make_tuple(done, list.selected(), list.top(), list.item(c.count) + list.item(-1)))
            << c.count << " " << c.removed;
    }
    EXPECT_EQ(1u, calls.size());  // the setter and remove do not call change
    EXPECT_EQ("item 0", list.item(0));
}

TEST_F(ListBoxText, WideAndCombiningItemsAreCutAtTheWidthInCells) {
    ListBox list;
    list.position(2, 3);
    list.width(5);
    list.height(6);
    for (const char* text : {"漢字漢", "a漢字", "e\u0301tude", "😀😀😀", "Grüße!"}) {
        list.add(text);
    }
    list.add("\xC3(" + std::string(1000000, 'x'));
    list.paint();
    const std::wstring rows[] = {L"漢漢字字 ", L"a漢漢字字", L"e\u0301tude",
                                 L"😀😀😀😀 ",     L"Grüße",     L"?(xxx"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rows[i], wide(2 + i, 3, 5)) << i;
    }
    EXPECT_EQ(".", glyphs(2, 8, 1));
    EXPECT_EQ(16 * White + BrightBlack + 1, VeskTest::wideCell(2, 7).pair);  // unfocused selection
    EXPECT_EQ(16 * White + Black + 1, VeskTest::wideCell(4, 7).pair);
}

TEST_F(ListBoxPaint, ClipsToAHiddenParentAndTheScreenAndTakesAnySize) {
    const std::string wideRow = "abc" + std::string(7, ' ');
    // clang-format off
    const struct { Parent parent; int row, column, width, height; std::vector<Line> lines; } cases[] = {
        {HiddenParent, 3, -2, 6, 3, {{5, 10, "c   "}, {6, 10, "f   "}}},
        {HiddenParent, -1, 18, 4, 2, {{2, 28, "de"}}},
        {VisibleParent, -1, 18, 4, 2, {{1, 28, "abc?"}, {2, 28, "def|"}}},
        {NoParent, 23, 78, 5, 4, {{23, 78, "ab"}, {24, 78, "de"}}},
        {NoParent, 3, 3, -5, 3, {}}, {NoParent, 3, 3, 5, -3, {}}, {HiddenParent, 1, 1, 0, 0, {}},
        {NoParent, 20, 70, INT_MAX, INT_MAX, {{20, 70, wideRow}, {21, 70, "def" + wideRow.substr(3)},
                                             {22, 70, "ghi" + wideRow.substr(3)}, {23, 70, std::string(10, ' ')},
                                             {24, 70, std::string(10, ' ')}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        ListBox list;
        list.parent(parentOf(c.parent));
        list.position(c.row, c.column);
        list.width(c.width);
        list.height(c.height);
        for (const char* text : {"abc", "def", "ghi"}) {
            list.add(text);
        }
        EXPECT_TRUE(list.paint());
        expectOnly(c.lines, std::to_string(c.row) + ", " + std::to_string(c.column));
    }
}

// The tab set handles Page Up and Page Down itself: inside a set they switch
// pages, and only the other keys reach the list.
TEST_F(ListBoxPaint, InsideATabSetThePageKeysSwitchPages) {
    Page root, first, second;
    Tabs set;
    ListBox list;
    set.width(40);
    set.height(10);
    root.attachChild(&set);
    set.attachTab(&first);
    set.attachTab(&second);
    first.attachChild(&list);
    fill(list, 20);
    root.activeControl(&set);
    first.activeControl(&list);
    EXPECT_EQ(1, root.raiseEvent(Vesk::KeyDown));
    EXPECT_EQ(1, root.raiseEvent(Vesk::KeyNextPage));
    EXPECT_EQ(&second, set.activeTab());
    EXPECT_EQ(1, list.selected());
}
