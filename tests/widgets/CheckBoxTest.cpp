#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "forms/CheckBox.h"
#include "forms/Page.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using CheckBoxPaint = VeskTest::Utf8PaintedScreen;

namespace {

std::vector<std::pair<int, void*>> toggles;
int recordToggle(int event, void* control) {
    toggles.emplace_back(event, control);
    return 0;
}

}  // namespace

// The row shows `shown` from screen column `at` over the dots; nothing else
// changes. A wide character fills its cells, a cut one leaves a blank.
TEST_F(CheckBoxPaint, MarkAndCaptionFillTheFirstRowCutInCellsToTheWidthAndParent) {
    const std::string han = "\xE6\xBC\xA2\xE5\xAD\x97", emoji = "\xF0\x9F\x98\x80";
    const std::string accented =
        "Gru\xCC\x88\xC3\x9F"
        "e";  // u and a combining diaeresis
    // clang-format off
    const struct { Parent parent; bool checked; int row, column, width; std::string caption; int at; std::wstring shown; } cases[] = {
        {VisibleParent, false, 1, 1, 10, "Yes", 11, L"[ ] Yes   "},
        {VisibleParent, true, 1, 1, 6, "abcdef", 11, L"[x] ab"},
        {VisibleParent, true, 1, 1, 2, "abc", 11, L"[x"},
        {VisibleParent, true, 1, 1, -7, "abc", 0, L""},
        {VisibleParent, true, 1, 1, 10, std::string(1000000, 'y'), 11, L"[x] yyyyyy"},
        {HiddenParent, false, 1, -2, 8, "abcd", 10, L"] abcd"},
        {HiddenParent, true, 1, 16, 8, "abcd", 26, L"[x] "},
        {HiddenParent, true, 5, 1, 8, "abcd", 0, L""},
        {HiddenParent, true, 1, -9, 8, "abcd", 0, L""},
        {VisibleParent, true, 1, 1, 2147483647, "abc", 11, L"[x] abc" + std::wstring(62, ' ')},
        {VisibleParent, true, 1, -100, 2147483647, "abc", 0, std::wstring(80, ' ')},
        {NoParent, true, 3, 75, 10, "abc", 75, L"[x] a"},
        {NoParent, true, 3, 0, 10, han, 0, L"[x] \u6F22\u6F22\u5B57\u5B57  "},
        {NoParent, true, 3, 0, 7, han, 0, L"[x] \u6F22\u6F22 "},
        {NoParent, true, 3, 0, 6, emoji + "!", 0, L"[x] \U0001F600\U0001F600"},
        {NoParent, true, 3, 0, 5, emoji + "!", 0, L"[x]  "},
        {NoParent, true, 3, 0, 10, accented, 0, L"[x] Gru\u0308\u00DFe "},
        {NoParent, true, 3, 0, 8, accented + han, 0, L"[x] Gru\u0308\u00DF"},
        {NoParent, true, 3, 0, 9, "\xFF" "a", 0, L"[x] ?a   "},
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
        const long long cells =
            c.shown.size() - std::count(c.shown.begin(), c.shown.end(), L'\u0308');
        for (int row = 0; row < 25; ++row) {
            const bool painted = row == 3 && !c.shown.empty();
            EXPECT_EQ(painted
                          ? std::wstring(c.at, '.') + c.shown + std::wstring(80 - c.at - cells, '.')
                          : std::wstring(80, '.'),
                      wide(row, 0, 80))
                << c.caption.substr(0, 8) << " at " << c.column << " width " << c.width;
        }
        EXPECT_EQ(0u, attributes());
    }
}

// Unfocused, the box takes no key; focused, it shows reversed with the
// page's cursor on its mark, and only Space and Enter toggle it and call
// the handler. The setter calls no handler.
TEST_F(CheckBoxPaint, KeysToggleAFocusedBoxThatHoldsTheCursorOnItsMark) {
    Page page;
    CheckBox box;
    page.attachChild(&box);
    box.position(4, 10);
    box.height(2);
    box.text("On");
    EXPECT_FALSE(box.toggle(nullptr));
    EXPECT_TRUE(box.toggle(recordToggle));
    // clang-format off
    const struct { bool focused; int key, handled; bool checked; } steps[] = {
        {false, ' ', 0, false}, {true, ' ', 1, true}, {true, Vesk::KeyEnter, 1, false},
        {true, 'x', 0, false}, {true, Vesk::KeyLineFeed, 0, false},
        {true, Vesk::KeyCharacter + 0x3000, 0, false}, {true, ' ', 1, true}};
    // clang-format on
    for (const auto& s : steps) {
        if (s.focused) {
            page.activeControl(&box);
        }
        Point home(0, 0);
        delete page.cursor(home);
        toggles.clear();
        EXPECT_EQ(s.handled, page.raiseEvent(s.key)) << s.key;
        EXPECT_EQ(s.checked, box.checked()) << s.key;
        EXPECT_EQ(s.handled, static_cast<int>(toggles.size())) << s.key;
        EXPECT_TRUE(s.handled == 0 ||
                    toggles[0] == std::make_pair(s.key, static_cast<void*>(&box)));
        page.paint();
        EXPECT_EQ(s.checked ? L"[x] On " : L"[ ] On ", wide(4, 10, 7)) << s.key;
        for (int column : {10, 11, 14, 29}) {
            EXPECT_EQ(16 * White + 1, cell(4, column).pair) << column;
            EXPECT_EQ(s.focused, cell(4, column).reverse) << column;
        }
        EXPECT_EQ(s.focused ? 4 : 0, cursorRow()) << s.key;
        EXPECT_EQ(s.focused ? 11 : 0, cursorColumn()) << s.key;
    }
    toggles.clear();
    EXPECT_FALSE(box.checked(false));
    EXPECT_TRUE(toggles.empty());
    for (const auto& at : {std::pair<int, int>{4, 10}, {5, 29}, {6, 10}, {4, 30}}) {
        Point point(at.first, at.second);
        EXPECT_EQ(at.first < 6 && at.second < 30 ? &box : nullptr, Session::at(&point));
    }
}
