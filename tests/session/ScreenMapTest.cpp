#include <gtest/gtest.h>

#include <memory>

#include "forms/Control.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"

using Vesk::Forms::Control;
using Vesk::Forms::Point;
using Vesk::Forms::Session;
using ScreenMap = VeskTest::PseudoTerminal;

namespace {

void fill(int fromRow, int fromColumn, int toRow, int toColumn, Control* control) {
    Point from(fromRow, fromColumn), to(toRow, toColumn);
    Session::fillMap(&from, &to, control);
}

Control* at(int row, int column) {
    Point point(row, column);
    return Session::at(&point);
}

// A control at (row, column) entered into the map over rows x columns cells.
std::unique_ptr<Control> placed(int row, int column, int rows, int columns) {
    auto control = std::make_unique<Control>();
    control->position(row, column);
    fill(row, column, row + rows - 1, column + columns - 1, control.get());
    return control;
}

}  // namespace

TEST_F(ScreenMap, DoesNothingWithoutSession) {
    auto control = placed(0, 0, 3, 3);
    EXPECT_EQ(nullptr, at(0, 0));
    EXPECT_EQ(nullptr, Session::arrowNav(control.get(), "right"));
}

TEST_F(ScreenMap, FillClampsOverlapsAndStaysOnTheScreen) {
    ASSERT_TRUE(Session::start(Session::None));
    Control first, second, third;
    fill(5, 20, 7, 29, &first);
    fill(6, 25, 9, 35, &second);
    // clang-format off
    const struct { int row, column; Control* expected; } cells[] = {
        {7, 29, &second}, {5, 29, &first}, {7, 24, &first}, {8, 19, nullptr}, {10, 35, nullptr},
        {9, 35, &second}, {3, 5, nullptr}, {24, 3, nullptr}, {0, 79, nullptr}, {-1, 0, nullptr}, {0, -1, nullptr}, {25, 0, nullptr}, {0, 80, nullptr}};
    // clang-format on
    for (const auto& c : cells) {
        EXPECT_EQ(c.expected, at(c.row, c.column)) << c.row << "," << c.column;
    }

    Point from(-3, -2), to(40, 100);
    Session::fillMap(&from, &to, &third);
    EXPECT_EQ(24, to.row);
    EXPECT_EQ(79, to.column);
    // Starting below or right of the screen, or ending before the start.
    fill(25, 0, 30, 5, &first);
    fill(0, 80, 5, 90, &first);
    fill(3, 3, 2, 10, &first);
    for (const auto& c : cells) {
        bool inside = c.row >= 0 && c.row < 25 && c.column >= 0 && c.column < 80;
        EXPECT_EQ(inside ? &third : nullptr, at(c.row, c.column)) << c.row << "," << c.column;
    }
}

TEST_F(ScreenMap, ArrowsFindTheNearestOtherControl) {
    ASSERT_TRUE(Session::start(Session::None));
    auto a = placed(2, 10, 1, 5);
    auto b = placed(2, 40, 1, 5);
    auto tall = placed(5, 20, 3, 10);
    auto below = placed(12, 20, 1, 3);
    auto corner = placed(24, 0, 1, 5);
    // clang-format off
    const struct { Control* from; const char* direction; Control* found; } cases[] = {
        {a.get(), "right", b.get()}, {b.get(), "left", a.get()}, {a.get(), "left", nullptr},
        {a.get(), "up", nullptr}, {tall.get(), "down", below.get()}, {below.get(), "up", tall.get()},
        {corner.get(), "left", nullptr}, {corner.get(), "down", nullptr},
        {a.get(), "Right", nullptr}, {a.get(), "", nullptr}, {a.get(), "rightward", nullptr}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(c.found, Session::arrowNav(c.from, c.direction)) << c.direction;
    }
    below->position(-1, 20);  // a walk starting off the screen ends at once
    EXPECT_EQ(nullptr, Session::arrowNav(below.get(), "down"));
}

TEST_F(ScreenMap, DestroyedControlLeavesTheMap) {
    ASSERT_TRUE(Session::start(Session::None));
    auto left = placed(3, 0, 2, 10);
    auto right = placed(3, 20, 2, 10);
    fill(4, 5, 4, 25, right.get());
    right.reset();
    EXPECT_EQ(nullptr, at(3, 20));
    EXPECT_EQ(nullptr, at(4, 5));
    EXPECT_EQ(left.get(), at(3, 5));
    EXPECT_EQ(nullptr, Session::arrowNav(left.get(), "right"));
}
