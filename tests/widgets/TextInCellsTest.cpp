#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/Button.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using TextInCells = VeskTest::Utf8PaintedScreen;

namespace {

const std::string Han = "\xE4\xB8\xAD\xE6\x96\x87";  // two characters, two cells each
const std::wstring HanCells = L"\u4E2D\u4E2D\u6587\u6587";
const std::string Uber =
    "\xC3\x9C"
    "ber";
const std::string Accented = "e\xCC\x81t\xC3\xA9";  // e and a combining acute, t, é

}  // namespace

// Labels lay their text out in cells; a wide character cut by the label's
// width or a clipping parent's edge shows a blank in its cell inside; a NUL
// ends the text.
TEST_F(TextInCells, LabelsCutBetweenCells) {
    // clang-format off
    const struct { int column, width; std::string text; int shownAt; std::wstring shown; } cases[] = {
        {0, 10, Han + "ab", 10, HanCells + L"ab."},
        {-1, 10, Han + "ab", 10, L" \u6587\u6587ab."},
        {0, 3, "ab" + Han, 10, L"ab ."},
        {17, 10, "ab" + Han, 27, L"ab .."},
        {0, 10, Accented, 10, L"e\u0301t\u00E9."},
        {0, 10, std::string("ab\0cd", 5), 10, L"ab.."},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        Label label;
        label.parent(parentOf(HiddenParent));
        label.position(1, c.column);
        label.width(c.width);
        delete label.text(c.text);
        EXPECT_TRUE(label.paint());
        EXPECT_EQ(c.shown,
                  wide(3, c.shownAt, static_cast<int>(c.shown.size()) - (c.text == Accented)))
            << c.column << " " << c.text;
        EXPECT_EQ(L"..........", wide(3, 0, 10)) << c.text;
    }

    // A text that shows fewer cells than before clears the screen, whatever
    // its bytes.
    Label label;
    delete label.text("abcd");
    mvaddch(20, 40, 'Z');
    delete label.text("\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_EQ(L" ", VeskTest::wideCell(20, 40).text);
}

// A caption is centred by its cells, and the cursor stands on its first
// cell of an even width.
TEST_F(TextInCells, CaptionsAreCentredByTheirCells) {
    // clang-format off
    const struct { int width; std::string caption; std::wstring line; int cursor; } cases[] = {
        {10, Han, L"   " + HanCells + L"   ", 3},
        {10, Uber, L"   \u00DCber   ", 3},
        {10, "e\xCC\x81", L"    e\u0301     ", 5},
        {10, std::string("OK\0xyz", 6), L"    OK    ", 4},
        {10, Han + Han + Han, HanCells + HanCells + L"\u4E2D\u4E2D", -1},
        {9, Han + Han + "\xE4\xB8\xAD", HanCells + HanCells + L" ", -1},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        Page page;
        Button button;
        button.position(5, 20);
        button.width(c.width);
        button.text(c.caption);
        page.attachChild(&button);
        page.activeControl(&button);
        EXPECT_TRUE(button.paint());
        EXPECT_EQ(c.line, wide(5, 20, c.width)) << c.caption;
        std::unique_ptr<Point> cursor(page.cursor());
        EXPECT_EQ(20 + c.cursor, cursor->column) << c.caption;
    }
}

TEST_F(TextInCells, BarTextsAreCentredByTheirCells) {
    // clang-format off
    const struct { std::string text; std::wstring row; } cases[] = {
        {Han, L"\u2588\u2588\u2588" + HanCells + L"\u2588\u2588\u2588"},
        {Uber, L"\u2588\u2588\u2588\u00DCber\u2588\u2588\u2588"},
        {std::string("ab\0cd", 5), L"\u2588\u2588\u2588\u2588ab\u2588\u2588\u2588\u2588"},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        ProgressBar bar;
        bar.style(CustomText);
        bar.position(4, 30);
        bar.width(10);
        bar.height(1);
        delete bar.text(c.text);
        EXPECT_TRUE(bar.paint());
        EXPECT_EQ(c.row, wide(4, 30, 10)) << c.text;
    }
}
