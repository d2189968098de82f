#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "forms/ProgressBar.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using BarPaint = VeskTest::PaintedScreen;

namespace {

std::string textOf(ProgressBar& bar) {
    std::unique_ptr<std::string> text(bar.text());
    return *text;
}

}  // namespace

TEST(ProgressBar, KeepsTheValueAtMostTheMaximumAndPaintsWithoutASession) {
    ProgressBar bar;
    EXPECT_TRUE(bar.paint());
    // clang-format off
    const struct { bool setsMaximum; long double argument, value, maximum; } steps[] = {
        {true, 100, 0, 100}, {false, 30, 30, 100}, {false, 250, 100, 100}, {false, -5, -5, 100},
        {false, 30, 30, 100}, {true, 20, 20, 20}, {true, 200, 20, 200}};
    // clang-format on
    for (const auto& step : steps) {
        const long double stored =
            step.setsMaximum ? bar.valueMax(step.argument) : bar.value(step.argument);
        EXPECT_EQ(step.setsMaximum ? step.argument : step.value, stored);
        EXPECT_EQ(step.value, bar.value()) << static_cast<double>(step.argument);
        EXPECT_EQ(step.maximum, bar.valueMax()) << static_cast<double>(step.argument);
    }
}

// A custom text shows only in its own style; the initial maximum is the
// largest double, 309 digits and six decimals.
TEST(ProgressBar, TextFollowsTheStyle) {
    // clang-format off
    const struct { int style; unsigned precision; long double value, maximum; std::string text; } cases[] = {
        {Value, 0, 25, 100, "25.000000"},
        {Fraction, 0, 25, 100, "25.000000/100.000000"},
        {Percentage, 2, 25, 100, "25.00%"},
        {Percentage, 0, 1, 3, "33%"},
        {CustomText, 0, 25, 100, "custom"},
        {Percentage, 4294967295u, 25, 100, "25." + std::string(4096, '0') + "%"},
        {0, 0, 25, 100, ""},
        {5, 0, 25, 100, ""},
    };
    // clang-format on
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

    ProgressBar bar;
    EXPECT_EQ("0%", textOf(bar));
    bar.style(Fraction);
    const std::string fraction = textOf(bar);
    EXPECT_EQ(9u + 316u, fraction.size());
    EXPECT_EQ(0u, fraction.find("0.000000/1797693134862315708"));
    EXPECT_EQ(fraction.size() - 7, fraction.rfind(".000000"));
}

// F is a filled block, e an empty one.
TEST_F(BarPaint, FilledCellsAreTheQuotientRoundedUpOnEveryRow) {
    // clang-format off
    const struct { long double value, maximum; int filled; } cases[] = {
        {25, 100, 3}, {20, 100, 2}, {100, 100, 10}, {0, 100, 0}, {1, 3, 4}, {0, 0, 0},
        {-5, 100, 0}, {NAN, 100, 0}, {-1e4000L, -1e-4000L, 10}};
    // clang-format on
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
        expectOnly({{4, 30, row}, {5, 30, row}, {6, 30, row}}, std::to_string(c.filled));
    }
}

TEST_F(BarPaint, CellsAndTextAreCutToAHiddenParentAndTheScreen) {
    // clang-format off
    const struct { Parent parent; int row, column, height; std::string text; std::vector<Line> lines; } cases[] = {
        {NoParent, 2, 10, 3, "", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFFFFeeeee"}, {4, 10, "FFFFFeeeee"}}},
        {HiddenParent, 1, -3, 3, "", {{3, 10, "FFeeeee"}, {4, 10, "FFeeeee"}, {5, 10, "FFeeeee"}}},
        {HiddenParent, -1, 0, 3, "", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFFFFeeeee"}}},
        {HiddenParent, 4, 15, 3, "", {{6, 25, "FFFFF"}}},
        {VisibleParent, 1, -3, 3, "", {{3, 7, "FFFFFeeeee"}, {4, 7, "FFFFFeeeee"}, {5, 7, "FFFFFeeeee"}}},
        {HiddenParent, 1, -3, 3, "abcdefghij", {{3, 10, "FFeeeee"}, {4, 10, "defghij"}, {5, 10, "FFeeeee"}}},
        {NoParent, 2, 10, 2, "50%", {{2, 10, "FFFFFeeeee"}, {3, 10, "FFF50%eeee"}}},
        {NoParent, 20, 75, 1, "0123456789abcde", {{20, 73, "0123456"}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        ProgressBar bar;
        bar.parent(parentOf(c.parent));
        bar.position(c.row, c.column);
        bar.width(10);
        bar.height(c.height);
        bar.valueMax(10);
        bar.value(5);
        bar.style(c.text == "50%" ? Percentage : CustomText);
        std::unique_ptr<std::string> text(bar.text(c.text));
        EXPECT_TRUE(bar.paint());
        expectOnly(c.lines, std::to_string(c.row) + ", " + std::to_string(c.column));
    }
}
