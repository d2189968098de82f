#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/CheckBox.h"
#include "forms/Page.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using CheckBoxPaint = VeskTest::PaintedScreen;
using CheckBoxText = VeskTest::Utf8PaintedScreen;

namespace {

std::vector<std::pair<int, void*>> toggles;
int recordToggle(int event, void* control) {
    toggles.emplace_back(event, control);
    return 0;
}

}  // namespace

TEST_F(CheckBoxPaint, MarkAndCaptionFillTheFirstRowCutToTheWidthAndParent) {
    // clang-format off
    const struct { Parent parent; bool checked; int row, column, width; std::string caption; std::vector<Line> lines; } cases[] = {
        {VisibleParent, true, 1, 1, 10, "Yes", {{3, 11, "[x] Yes   "}}},
        {VisibleParent, false, 1, 1, 10, "Yes", {{3, 11, "[ ] Yes   "}}},
        {VisibleParent, true, 1, 1, 6, "abcdef", {{3, 11, "[x] ab"}}},
        {VisibleParent, true, 1, 1, 2, "abc", {{3, 11, "[x"}}},
        {VisibleParent, true, 1, 1, 0, "abc", {}},
        {VisibleParent, true, 1, 1, -7, "abc", {}},
        {VisibleParent, true, 1, 1, 10, std::string(1000000, 'y'), {{3, 11, "[x] yyyyyy"}}},
        {VisibleParent, false, 1, -2, 8, "abcd", {{3, 8, "[ ] abcd"}}},
        {HiddenParent, false, 1, -2, 8, "abcd", {{3, 10, "] abcd"}}},
        {HiddenParent, true, 1, 16, 8, "abcd", {{3, 26, "[x] "}}},
        {HiddenParent, true, 5, 1, 8, "abcd", {}},
        {HiddenParent, true, 1, -9, 8, "abcd", {}},
        {VisibleParent, true, 1, 1, 2147483647, "abc", {{3, 11, "[x] abc" + std::string(62, ' ')}}},
        {VisibleParent, true, 1, -100, 2147483647, "abc", {{3, 0, std::string(80, ' ')}}},
        {NoParent, true, 3, 75, 10, "abc", {{3, 75, "[x] a"}}},
        {NoParent, true, -1, 0, 10, "abc", {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        CheckBox box;
        box.parent(parentOf(c.parent));
        box.position(c.row, c.column);
        box.width(c.width);
        box.height(3);
        box.text(c.caption);
        EXPECT_EQ(c.checked, box.checked(c.checked));
        EXPECT_TRUE(box.paint());
        expectOnly(c.lines, c.caption.substr(0, 8) + " at " + std::to_string(c.column) + " width " +
                                std::to_string(c.width));
    }
}

// The focused box shows reversed and holds the page's cursor on its mark;
// a box painted outside a page moves no cursor.
TEST_F(CheckBoxPaint, FocusReversesTheRowAndPutsTheCursorOnTheMark) {
    for (bool checked : {false, true}) {
        for (bool focused : {false, true}) {
            Page page;
            CheckBox box;
            page.attachChild(&box);
            box.position(6, 30);
            box.text("On");
            box.checked(checked);
            Point home(0, 0);
            delete page.cursor(home);
            if (focused) {
                page.activeControl(&box);
            }
            page.paint();
            const std::string label = std::to_string(checked) + std::to_string(focused);
            EXPECT_EQ(checked ? "[x] On  " : "[ ] On  ", glyphs(6, 30, 8)) << label;
            for (int column : {30, 31, 34, 49}) {
                EXPECT_EQ(16 * White + 1, cell(6, column).pair) << label << column;
                EXPECT_EQ(focused, cell(6, column).reverse) << label << column;
            }
            EXPECT_EQ(focused ? 6 : 0, cursorRow()) << label;
            EXPECT_EQ(focused ? 31 : 0, cursorColumn()) << label;
            EXPECT_EQ(0u, attributes()) << label;
        }
    }
}

TEST_F(CheckBoxPaint, SpaceAndEnterToggleAndCallTheHandlerTheSetterDoesNot) {
    Page page;
    CheckBox box;
    page.attachChild(&box);
    box.position(4, 10);
    box.height(2);
    page.activeControl(&box);
    EXPECT_FALSE(box.toggle(nullptr));
    EXPECT_EQ(1, page.raiseEvent(' '));
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(box.toggle(recordToggle));
    EXPECT_FALSE(box.toggle(nullptr));
    toggles.clear();
    EXPECT_FALSE(box.checked(false));
    EXPECT_TRUE(box.checked(true));
    EXPECT_TRUE(toggles.empty());
    // clang-format off
    const struct { int key; int handled; bool checked; } keys[] = {
        {' ', 1, false}, {Vesk::KeyEnter, 1, true}, {'x', 0, true},
        {Vesk::KeyLineFeed, 0, true}, {Vesk::KeyCharacter + 0x3000, 0, true}, {' ', 1, false}};
    // clang-format on
    std::vector<std::pair<int, void*>> expected;
    for (const auto& k : keys) {
        EXPECT_EQ(k.handled, page.raiseEvent(k.key)) << k.key;
        EXPECT_EQ(k.checked, box.checked()) << k.key;
        if (k.handled != 0) {
            expected.emplace_back(k.key, &box);
        }
    }
    EXPECT_EQ(expected, toggles);

    page.paint();
    for (const auto& at : {std::pair<int, int>{4, 10}, {5, 29}, {6, 10}, {4, 30}}) {
        Point point(at.first, at.second);
        EXPECT_EQ(at.first < 6 && at.second < 30 ? &box : nullptr, Session::at(&point))
            << at.first << ", " << at.second;
    }
}

// Wide characters are cut whole, a cut one showing a blank in its cell
// inside the width; combining marks stay on their base.
TEST_F(CheckBoxText, CaptionIsMeasuredAndCutInCells) {
    const std::string han = "\xE6\xBC\xA2\xE5\xAD\x97";      // 漢字
    const std::string emoji = "\xF0\x9F\x98\x80";             // 😀
    const std::string accented = "Gru\xCC\x88\xC3\x9F" "e";  // u + combining diaeresis, ß
    // clang-format off
    const struct { int width; std::string caption; std::wstring row; } cases[] = {
        {10, han, L"[x] \u6F22\u6F22\u5B57\u5B57  ."},
        {7, han, L"[x] \u6F22\u6F22 ."},
        {6, emoji + "!", L"[x] \U0001F600\U0001F600."},
        {5, emoji + "!", L"[x]  ."},
        {10, accented, L"[x] Gru\u0308\u00DFe ."},
        {8, accented + han, L"[x] Gru\u0308\u00DF."},
        {9, "\xFF" "a", L"[x] ?a   ."},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        CheckBox box;
        box.position(2, 5);
        box.width(c.width);
        box.text(c.caption);
        box.checked(true);
        EXPECT_TRUE(box.paint());
        EXPECT_EQ(c.row, wide(2, 5, c.width + 1)) << c.caption;
    }
}
