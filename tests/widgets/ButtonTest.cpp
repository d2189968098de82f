#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/Button.h"
#include "forms/Container.h"
#include "forms/Page.h"
#include "geometry/PaintedScreen.h"
#include "support/LogLines.h"

using namespace Vesk::Forms;
using ButtonPaint = VeskTest::PaintedScreen;

namespace {

std::vector<std::pair<int, void*>> clicks;
int recordClick(int event, void* control) {
    clicks.emplace_back(event, control);
    return 7;
}

}  // namespace

TEST(Button, HandlesItsKeysKeepsARealClickHandlerAndPaintsWithoutASession) {
    Button button;
    for (int code : {0x0D, 0x00010000, 0x00020102, 0x00020103, 0x00020104, 0x00020105}) {
        EXPECT_TRUE(button.handles(code)) << std::hex << code;
    }
    EXPECT_FALSE(button.handles(0x0A));
    EXPECT_EQ(0, button.click());
    EXPECT_FALSE(button.click(nullptr));
    EXPECT_TRUE(button.click(recordClick));
    EXPECT_FALSE(button.click(nullptr));
    EXPECT_EQ(7, button.click());
    button.focus(true);
    EXPECT_TRUE(button.paint());
}

TEST_F(ButtonPaint, CaptionIsCentredOnTheFirstRowAndCutWithTheBox) {
    // clang-format off
    const struct { Parent parent; int row, column, width; std::string caption; std::vector<Line> lines; } cases[] = {
        {VisibleParent, 1, 1, 10, "OK", {{2, 10, "a----------b"}, {3, 10, "|    OK    |"}, {4, 10, "c----------d"}}},
        {VisibleParent, 1, 1, 10, "Yes", {{2, 10, "a----------b"}, {3, 10, "|   Yes    |"}, {4, 10, "c----------d"}}},
        {VisibleParent, 1, 1, 9, "OK", {{2, 10, "a---------b"}, {3, 10, "|   OK    |"}, {4, 10, "c---------d"}}},
        {VisibleParent, 1, 1, 4, "abcdef", {{2, 10, "a----b"}, {3, 10, "|abcd|"}, {4, 10, "c----d"}}},
        {VisibleParent, 1, 1, 10, std::string(300, 'x'), {{2, 10, "a----------b"}, {3, 10, "|xxxxxxxxxx|"}, {4, 10, "c----------d"}}},
        {VisibleParent, 1, -3, 10, "0123456789", {{2, 6, "a----------b"}, {3, 6, "|0123456789|"}, {4, 6, "c----------d"}}},
        {HiddenParent, 1, -3, 10, "0123456789", {{2, 10, "-------b"}, {3, 10, "3456789|"}, {4, 10, "-------d"}}},
        {HiddenParent, 1, -12, 10, "0123456789", {}},
        {HiddenParent, 1, 15, 10, "0123456789", {{2, 24, "a-----"}, {3, 24, "|01234"}, {4, 24, "c-----"}}},
        {HiddenParent, 0, 0, 10, "0123456789", {{2, 10, "0123456789|"}, {3, 10, "----------d"}}},
        {HiddenParent, 1, 70, 10, "0123456789", {}},
        {VisibleParent, 1, -110, 202, "OK", {{2, 0, std::string(80, '-')}, {3, 0, "OK" + std::string(78, ' ')}, {4, 0, std::string(80, '-')}}},
        {VisibleParent, 1, 1, 2147483647, "OK", {{2, 10, "a" + std::string(69, '-')}, {3, 10, "|" + std::string(69, ' ')}, {4, 10, "c" + std::string(69, '-')}}},
        {NoParent, 3, 5, 10, "OK", {{2, 4, "a----------b"}, {3, 4, "|    OK    |"}, {4, 4, "c----------d"}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        Button button;
        button.parent(parentOf(c.parent));
        button.position(c.row, c.column);
        button.width(c.width);
        button.text(c.caption);
        EXPECT_TRUE(button.paint());
        expectOnly(c.lines, c.caption.substr(0, 12) + " at " + std::to_string(c.column));
    }
}

TEST_F(ButtonPaint, FocusReversesBoxAndCaptionUnlessTheForegroundIsBrightBlack) {
    for (Color border : {BrightBlack, Cyan}) {
        for (bool focused : {false, true}) {
            Button button;
            button.position(3, 5);
            button.borderColor(border);
            button.text("OK");
            button.focus(focused);
            button.paint();
            const VeskTest::Cell corner = cell(2, 4), caption = cell(3, 9);
            EXPECT_EQ('O', caption.character);
            EXPECT_EQ(16 * border + 1, corner.pair);
            EXPECT_EQ(focused && border != BrightBlack, corner.reverse) << border;
            EXPECT_EQ(16 * White + 1, caption.pair);
            EXPECT_EQ(focused, caption.reverse);
            EXPECT_EQ(0u, attributes());
        }
    }
}

TEST_F(ButtonPaint, FocusedButtonPutsThePageCursorOnItsCaption) {
    Page page;
    Button button;
    page.attachChild(&button);
    button.position(5, 20);
    for (const char* caption : {"OK", "Yes"}) {
        button.text(caption);
        page.activeControl(&button);
        page.paint();
        EXPECT_EQ(5, cursorRow()) << caption;
        EXPECT_EQ(24, cursorColumn()) << caption;
    }
    Point home(0, 0);
    delete page.cursor(home);
    button.focus(false);
    page.paint();
    EXPECT_EQ(0, cursorRow());
    EXPECT_EQ(0, cursorColumn());
}

// The arrow down from the three-row button passes over its own rows.
TEST_F(ButtonPaint, PaintedButtonsAreMappedAndReachedByArrowKeys) {
    Page page;
    Button left, right, tall, below;
    for (Button* button : {&left, &right, &tall, &below}) {
        page.attachChild(button);
    }
    left.position(10, 5);
    right.position(10, 40);
    tall.position(14, 5);
    tall.height(3);
    below.position(19, 5);
    page.paint();

    // clang-format off
    const struct { int row, column; Control* owner; } cells[] = {
        {14, 5, &tall}, {16, 14, &tall}, {17, 14, nullptr}, {13, 5, nullptr},
        {14, 4, nullptr}, {14, 15, nullptr}, {10, 49, &right}, {19, 5, &below}};
    const struct { Control* from; int key; Control* to; } moves[] = {
        {&left, Vesk::KeyRight, &right}, {&right, Vesk::KeyLeft, &left},
        {&tall, Vesk::KeyDown, &below}, {&below, Vesk::KeyUp, &tall}};
    // clang-format on
    for (const auto& c : cells) {
        Point point(c.row, c.column);
        EXPECT_EQ(c.owner, Session::at(&point)) << c.row << ", " << c.column;
    }
    for (const auto& move : moves) {
        page.activeControl(move.from);
        EXPECT_EQ(1, page.raiseEvent(move.key));
        EXPECT_EQ(move.to, page.activeControl());
        EXPECT_FALSE(move.from->focus());
    }
}

TEST_F(ButtonPaint, EnterLogsTheClickAtVerboseOnlyAndAlwaysClicks) {
    const struct {
        Session::Logging level;
        std::vector<std::string> lines;
    } cases[] = {
        {Session::Verbose, {"Event 0x0000000D raised on Vqrm1Button", "\tClick, text: \"OK\""}},
        {Session::Basic, {}}};
    for (const auto& c : cases) {
        Session::stop();
        ASSERT_TRUE(Session::start(c.level));
        clicks.clear();
        {
            Page page;
            Button button;
            page.attachChild(&button);
            button.text("OK");
            button.click(recordClick);
            page.activeControl(&button);
            EXPECT_EQ(7, page.raiseEvent(Vesk::KeyEnter));
            EXPECT_EQ((std::vector<std::pair<int, void*>>{{10, &button}}), clicks);
        }
        Session::stop();
        std::vector<std::string> lines;
        for (const std::string& line : VeskTest::logMessages(readFile("VeskForms.log"))) {
            if (line.find("0x0000000D") != std::string::npos ||
                line.find("Click, text") != std::string::npos) {
                lines.push_back(line);
            }
        }
        EXPECT_EQ(c.lines, lines) << c.level;
    }
}

// A parent that is in no page, or no control at all, is only a position.
TEST_F(ButtonPaint, OutsideAPageTheBoxLandsAtItsScreenCells) {
    Container loose;
    Region bare;
    for (Region* parent : {static_cast<Region*>(&loose), &bare}) {
        parent->width(80);
        parent->height(25);
        dots();
        Button button;
        button.parent(parent);
        button.position(3, 5);
        button.text("OK");
        button.focus(true);
        EXPECT_TRUE(button.paint());
        expectOnly({{2, 4, "a----------b"}, {3, 4, "|    OK    |"}, {4, 4, "c----------d"}},
                   parent == &bare ? "region" : "container");
    }
}
