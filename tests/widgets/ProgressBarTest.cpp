#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "forms/ProgressBar.h"
#include "geometry/PaintedScreen.h"
#include "support/WideCells.h"

using namespace Vesk::Forms;

namespace {

std::string textOf(ProgressBar& bar) {
    std::unique_ptr<std::string> text(bar.text());
    return *text;
}

// Blocks read as F (filled colour pair 161) and e (empty pair 241); any
// other cell as its character.
class BarPaint : public VeskTest::PaintedScreen {
protected:
    std::string cells(int row, int column, int count) {
        std::string codes;
        for (int i = 0; i < count; ++i) {
            const short pair = VeskTest::wideCell(row, column + i).pair;
            bool block = VeskTest::isBlock(row, column + i);
            codes += !block        ? cell(row, column + i).character
                     : pair == 161 ? 'F'
                     : pair == 241 ? 'e'
                                   : '?';
        }
        return codes;
    }
};

}  // namespace

TEST(ProgressBar, StartsEmptyAgainstTheLargestDoubleAndKeepsTheValueAtMostTheMaximum) {
    ProgressBar bar;
    EXPECT_STREQ("Vqrm1PrgsBr", bar.tag);
    EXPECT_EQ(static_cast<int>(sizeof(ProgressBar)), bar.size);
    EXPECT_FALSE(bar.canFocus());
    EXPECT_TRUE(bar.handles(0x00010000));
    EXPECT_EQ(BrightWhite, bar.background());
    EXPECT_EQ(BrightWhite, bar.color());
    EXPECT_EQ(BrightGreen, bar.borderColor());
    EXPECT_EQ(0.0L, bar.value());
    EXPECT_EQ(static_cast<long double>(DBL_MAX), bar.valueMax());
    EXPECT_EQ(0u, bar.precision());
    EXPECT_EQ(Percentage, bar.style());
    EXPECT_EQ("0%", textOf(bar));
    EXPECT_TRUE(bar.paint());  // without a session: nothing to write to

    const struct {
        bool setsMaximum;
        long double argument, value, maximum;
    } steps[] = {{true, 100, 0, 100},  {false, 30, 30, 100}, {false, 250, 100, 100},
                 {false, -5, -5, 100}, {false, 30, 30, 100}, {true, 20, 20, 20},
                 {true, 200, 20, 200}};
    for (const auto& step : steps) {
        long double stored =
            step.setsMaximum ? bar.valueMax(step.argument) : bar.value(step.argument);
        EXPECT_EQ(step.setsMaximum ? step.argument : step.value, stored);
        EXPECT_EQ(step.value, bar.value()) << static_cast<double>(step.argument);
        EXPECT_EQ(step.maximum, bar.valueMax()) << static_cast<double>(step.argument);
    }

    std::unique_ptr<std::string> ignored(bar.text("ignored"));
    EXPECT_EQ("10%", *ignored);
    bar.style(CustomText);
    EXPECT_EQ("", textOf(bar));
    std::unique_ptr<std::string> stored(bar.text("mine"));
    *stored = "changed";
    EXPECT_EQ("mine", textOf(bar));
}

TEST(ProgressBar, TextFollowsTheStyle) {
    const struct {
        int style;
        unsigned precision;
        long double value, maximum;
        std::string text;
    } cases[] = {
        {Value, 0, 25, 100, "25.000000"},
        {Fraction, 0, 25, 100, "25.000000/100.000000"},
        {Percentage, 2, 25, 100, "25.00%"},
        {Percentage, 0, 1, 3, "33%"},
        {CustomText, 0, 25, 100, "custom"},
        {Percentage, 4294967295u, 25, 100, "25." + std::string(4096, '0') + "%"},
        {0, 0, 25, 100, ""},
        {5, 0, 25, 100, ""},
    };
    for (const auto& c : cases) {
        ProgressBar bar;
        bar.style(CustomText);
        std::unique_ptr<std::string> custom(bar.text("custom"));
        bar.style(static_cast<ProgressBarStyle>(c.style));
        bar.precision(c.precision);
        bar.valueMax(c.maximum);
        bar.value(c.value);
        EXPECT_EQ(c.text, textOf(bar)) << c.style;
    }

    // The initial maximum in full: 309 digits and six decimals.
    ProgressBar bar;
    bar.style(Fraction);
    const std::string fraction = textOf(bar);
    EXPECT_EQ(9u + 316u, fraction.size());
    EXPECT_EQ(0u, fraction.find("0.000000/1797693134862315708"));
    EXPECT_EQ(fraction.size() - 7, fraction.rfind(".000000"));
}

TEST_F(BarPaint, FilledCellsAreTheQuotientRoundedUpOnEveryRow) {
    const struct {
        long double value, maximum;
        int filled;
    } cases[] = {{25, 100, 3}, {20, 100, 2},  {100, 100, 10},
                 {0, 100, 0},  {1, 3, 4},     {0, 0, 0},
                 {-5, 100, 0}, {NAN, 100, 0}, {-1e4000L, -1e-4000L, 10}};
    for (const auto& c : cases) {
        ProgressBar bar;
        bar.style(CustomText);
        bar.position(4, 30);
        bar.width(10);
        bar.height(3);
        bar.valueMax(c.maximum);
        bar.value(c.value);
        EXPECT_TRUE(bar.paint());
        const std::string row = std::string(c.filled, 'F') + std::string(10 - c.filled, 'e');
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ("." + row + ".", cells(4 + i, 29, 12)) << static_cast<double>(c.value);
        }
        EXPECT_EQ(0u, attributes());
    }
}

TEST_F(BarPaint, CellsAreCutToAHiddenParentAndTheTextOnlyToTheScreen) {
    enum Parent { HiddenParent, VisibleParent, NoParent };
    struct Line {
        int row, column;
        std::string codes;
    };
    // clang-format off
    const struct { Parent parent; int row, column, height; std::string text; std::vector<Line> lines; } cases[] = {
        {NoParent, 2, 10, 3, "", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFFFFeeeee"}, {4, 10, "FFFFFeeeee"}}},
        {HiddenParent, 1, -3, 3, "", {{3, 10, "FFeeeee"}, {4, 10, "FFeeeee"}, {5, 10, "FFeeeee"}}},
        {HiddenParent, -1, 0, 3, "", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFFFFeeeee"}}},
        {HiddenParent, 4, 15, 3, "", {{6, 25, "FFFFF"}}},
        {VisibleParent, 1, -3, 3, "", {{3, 7, "FFFFFeeeee"}, {4, 7, "FFFFFeeeee"}, {5, 7, "FFFFFeeeee"}}},
        {HiddenParent, 1, -3, 3, "abcdefghij", {{3, 10, "FFeeeee"}, {4, 7, "abcdefghij"}, {5, 10, "FFeeeee"}}},
        {NoParent, 2, 10, 2, "50%", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFF50%eeee"}}},
        {NoParent, 20, 75, 1, "0123456789abcde", {{20, 73, "0123456"}}},
    };
    // clang-format on
    Region parent;  // 20 x 5 cells whose top-left cell is (2, 10)
    parent.position(2, 10);
    parent.width(20);
    parent.height(5);
    for (const auto& c : cases) {
        dots();
        ProgressBar bar;
        parent.overflow(c.parent == VisibleParent ? Visible : Hidden);
        bar.parent(c.parent == NoParent ? nullptr : &parent);
        bar.position(c.row, c.column);
        bar.width(10);
        bar.height(c.height);
        bar.valueMax(10);
        bar.value(5);
        bar.style(c.text == "50%" ? Percentage : CustomText);
        std::unique_ptr<std::string> text(bar.text(c.text));
        EXPECT_TRUE(bar.paint());

        std::vector<std::string> expected(25, std::string(80, '.'));
        for (const Line& line : c.lines) {
            expected[line.row].replace(line.column, line.codes.size(), line.codes);
        }
        for (int row = 0; row < 25; ++row) {
            EXPECT_EQ(expected[row], cells(row, 0, 80))
                << c.row << ", " << c.column << " row " << row;
        }
    }
}
