#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/Region.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;

namespace {

// A 10 x 10 region whose top-left cell is screen cell (2, 2).
class Drawing : public VeskTest::PaintedScreen {
protected:
    void SetUp() override {
        PaintedScreen::SetUp();
        region.position(2, 2);
        region.width(10);
        region.height(10);
    }

    Region region;
};

}  // namespace

// Pair 16 * foreground + background + 1, where 256 is pair 0; highlight is
// reverse video except on BrightBlack.
TEST_F(Drawing, ColorsSelectPairAndReverseAndAreSwitchedOffAgain) {
    // clang-format off
    const struct { Color foreground, background; bool highlight; int pair; bool reverse; } cases[] = {
        {White, Black, false, 113, false}, {White, Black, true, 113, true},
        {BrightBlack, Black, true, 129, false}, {BrightWhite, BrightWhite, false, 0, false},
        {Red, Blue, true, 21, true}};
    // clang-format on
    int column = 0;
    for (const auto& c : cases) {
        Session::setColors(c.foreground, c.background, c.highlight);
        EXPECT_EQ(COLOR_PAIR(c.pair) | (c.reverse ? A_REVERSE : 0), attributes());
        Session::unsetColors(c.foreground, c.background, c.highlight);
        EXPECT_EQ(0u, attributes());

        EXPECT_TRUE(region.drawCharacter(new Point(0, column), 'x', c.foreground, c.background,
                                         c.highlight));
        VeskTest::Cell painted = cell(2, 2 + column++);
        EXPECT_EQ(c.pair, painted.pair);
        EXPECT_EQ(c.reverse, painted.reverse);
        EXPECT_EQ(0u, attributes());
    }
}

// A written character takes its point; a refused one leaves it to the caller
// (AddressSanitizer reports a leak or a double delete).
TEST_F(Drawing, CharacterStaysInsideHiddenRegionAndPointIsTakenOnlyOnSuccess) {
    // clang-format off
    const struct { OverflowStyle overflow; int row, column; bool written; } cases[] = {
        {Hidden, 9, 9, true}, {Hidden, 10, 0, false}, {Hidden, 0, 10, false},
        {Hidden, -1, 0, false}, {Hidden, 0, -1, false},
        {Visible, 10, 0, true}, {Visible, 0, 10, true}, {Visible, -1, -2, true}};
    // clang-format on
    for (const auto& c : cases) {
        dots();
        region.overflow(c.overflow);
        Point* point = new Point(c.row, c.column);
        const bool written = region.drawCharacter(point, 'x', White, Black, true);
        EXPECT_EQ(c.written, written) << c.row << "," << c.column;
        if (!written) {
            delete point;
        }
        expectOnly(
            c.written ? std::vector<Line>{{2 + c.row, 2 + c.column, "x"}} : std::vector<Line>{},
            "character");
    }

    // Exactly the one cell, in a Hidden region's last column too: values
    // curses would spread over other cells or move the cursor with show as '?'.
    region.overflow(Hidden);
    // clang-format off
    const struct { unsigned long value; std::string shown; } spreading[] = {
        {'\t', "?"}, {'\n', "?"}, {'\b', "?"}, {0xFF, "?"}, {0x7F, "?"}, {0, "?"}, {0xE9, "?"},
        {'x' | A_BOLD, "x"}, {ACS_VLINE, "|"}};
    // clang-format on
    for (const auto& c : spreading) {
        dots();
        EXPECT_TRUE(region.drawCharacter(new Point(3, 9), c.value, White, Black, false));
        expectOnly({{5, 11, c.shown}}, "value " + std::to_string(c.value));
        move(3, 9);  // the region's last column, counted from the screen's
        EXPECT_TRUE(region.drawCharacter(nullptr, c.value, White, Black, false));
        EXPECT_EQ(std::make_pair(3, 10), std::make_pair(cursorRow(), cursorColumn()));
        expectOnly({{3, 9, c.shown}, {5, 11, c.shown}}, "at the cursor " + std::to_string(c.value));
    }

    // Without a point: at the cursor, whose cell is tested against the size.
    region.overflow(Hidden);
    dots();
    move(4, 5);
    EXPECT_TRUE(region.drawCharacter(nullptr, 'y', White, Black, false));
    EXPECT_EQ(6, cursorColumn());
    move(10, 0);
    EXPECT_FALSE(region.drawCharacter(nullptr, 'y', White, Black, false));
    expectOnly({{4, 5, "y"}}, "cursor");
}

TEST_F(Drawing, RectanglesDrawBordersAndBlanksClippedAtEachEdge) {
    // clang-format off
    const struct {
        const char* label; OverflowStyle overflow; BorderStyle border;
        int row, column, width, height; std::vector<Line> lines;
    } cases[] = {
        {"box", Hidden, SingleLine, 0, 0, 3, 1, {{2, 2, "a---b"}, {3, 2, "|   |"}, {4, 2, "c---d"}}},
        {"flat", Hidden, SingleLine, 1, 1, 2, 0, {{3, 3, "a--b"}, {4, 3, "c--d"}}},
        {"bottom", Hidden, SingleLine, 6, 0, 3, 3, {{8, 2, "a---b"}, {9, 2, "|   |"}, {10, 2, "|   |"}, {11, 2, "|   |"}}},
        {"top", Hidden, SingleLine, -1, 0, 3, 3, {{2, 2, "|   |"}, {3, 2, "|   |"}, {4, 2, "|   |"}, {5, 2, "c---d"}}},
        {"right", Hidden, SingleLine, 0, 7, 3, 0, {{2, 9, "a--"}, {3, 9, "c--"}}},
        {"left", Hidden, SingleLine, 0, -2, 3, 0, {{2, 2, "--b"}, {3, 2, "--d"}}},
        {"blank", Hidden, NoBorder, 0, -2, 4, 0, {{2, 2, "    "}, {3, 2, "    "}}},
        {"other", Hidden, BorderStyle(5), 3, 3, 0, 0, {{5, 5, "  "}, {6, 5, "  "}}},
        {"visible", Visible, SingleLine, 9, -3, 1, 1, {{11, 0, "-b"}, {12, 0, " |"}, {13, 0, "-d"}}},
        {"negative", Hidden, SingleLine, 0, 0, -1, 2, {}},
        {"screen edge", Visible, SingleLine, 0, 75, 3, 0, {{2, 77, "a--"}, {3, 77, "c--"}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        region.overflow(c.overflow);
        Point point(c.row, c.column);
        EXPECT_TRUE(region.drawRectangle(&point, c.width, c.height, White, Black, c.border, true))
            << c.label;
        expectOnly(c.lines, c.label);
    }
}

// Plain characters: no printf conversions, controls shown as '?'.
TEST_F(Drawing, TextIsCutOrWrappedAndWrittenAsPlainCharacters) {
    // clang-format off
    const struct { WordWrapStyle wrap; int width; std::string text; bool result; std::vector<Line> lines; } cases[] = {
        {NoWrap, 10, "hello", true, {{3, 3, "hello"}}},
        {NoWrap, 10, "abcdefghijkl", false, {{3, 3, "abcdefghij"}}},
        {NoWrap, 10, "", true, {}},
        {NoWrap, 10, "100%d %s%n", true, {{3, 3, "100%d %s%n"}}},
        {NoWrap, -3, "whole", false, {{3, 3, "whole"}}},
        {NoWrap, 10, "a\nb\tc", true, {{3, 3, "a?b?c"}}},
        {CharacterWrap, 10, "abcdefghijklmnopqrstuvwxy", false, {{3, 3, "abcdefghij"}, {4, 3, "klmnopqrst"}, {5, 3, "uvwxy"}}},
        {CharacterWrap, 3, "%s%%d", false, {{3, 3, "%s%"}, {4, 3, "%d"}}},
        {CharacterWrap, 10, "", false, {}},
        {CharacterWrap, 0, "abc", false, {}},
        {CharacterWrap, -1, "abc", false, {}},
        {WordWrapStyle(2), 10, "abc", false, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        region.width(c.width);
        Point point(1, 1);
        EXPECT_EQ(c.result, region.drawText(&point, c.text, c.wrap, White, Black, false)) << c.text;
        expectOnly(c.lines, c.text);
    }

    // Cut at the screen's right edge rather than run on into the next line.
    dots();
    region.position(0, 75);
    Point point(0, 0);
    EXPECT_TRUE(region.drawText(&point, "abcdefghij", NoWrap, White, Black, false));
    expectOnly({{0, 75, "abcde"}}, "screen edge");
}
