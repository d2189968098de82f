#include <gtest/gtest.h>

#include <memory>

#include "forms/Control.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"

using Vesk::Forms::Control;
using Vesk::Forms::Point;
using Vesk::Forms::Session;
using Vesk::Forms::SessionAccess;
using ScreenMap = VeskTest::PseudoTerminal;

namespace {

// A control at (row, column) entered into the map over rows x columns cells.
void place(Control& control, int row, int column, int rows, int columns) {
    control.position(row, column);
    SessionAccess::fill(row, column, row + rows - 1, column + columns - 1, &control);
}

}  // namespace

TEST_F(ScreenMap, FillClampsOverlapsAndStaysOnTheScreen) {
    Control first, second, third;
    SessionAccess::fill(0, 0, 3, 3, &first);  // no session: nothing happens
    EXPECT_EQ(nullptr, SessionAccess::at(0, 0));
    EXPECT_EQ(nullptr, Session::arrowNav(&first, "right"));

    ASSERT_TRUE(Session::start(Session::None));
    SessionAccess::fill(5, 20, 7, 29, &first);
    SessionAccess::fill(6, 25, 9, 35, &second);
    // clang-format off
    const struct { int row, column; Control* expected; } cells[] = {
        {7, 29, &second}, {5, 29, &first}, {7, 24, &first}, {8, 19, nullptr}, {10, 35, nullptr},
        {9, 35, &second}, {3, 5, nullptr}, {24, 3, nullptr}, {0, 79, nullptr}, {-1, 0, nullptr},
        {0, -1, nullptr}, {25, 0, nullptr}, {0, 80, nullptr}};
    // clang-format on
    for (const auto& c : cells) {
        EXPECT_EQ(c.expected, SessionAccess::at(c.row, c.column)) << c.row << "," << c.column;
    }

    Point from(-3, -2), to(40, 100);
    Session::fillMap(&from, &to, &third);
    EXPECT_EQ(24, to.row);
    EXPECT_EQ(79, to.column);
    // Starting below or right of the screen, or ending before the start.
    SessionAccess::fill(25, 0, 30, 5, &first);
    SessionAccess::fill(0, 80, 5, 90, &first);
    SessionAccess::fill(3, 3, 2, 10, &first);
    for (const auto& c : cells) {
        const bool inside = c.row >= 0 && c.row < 25 && c.column >= 0 && c.column < 80;
        EXPECT_EQ(inside ? &third : nullptr, SessionAccess::at(c.row, c.column))
            << c.row << "," << c.column;
    }
}

TEST_F(ScreenMap, ArrowsFindTheNearestOtherControl) {
    ASSERT_TRUE(Session::start(Session::None));
    Control a, tall, below, corner;
    auto b = std::make_unique<Control>();
    place(a, 2, 10, 1, 5);
    place(*b, 2, 40, 1, 5);
    place(tall, 5, 20, 3, 10);  // walks down over its own rows
    place(below, 12, 20, 1, 3);
    place(corner, 24, 0, 1, 5);
    // clang-format off
    const struct { Control* from; const char* direction; Control* found; } cases[] = {
        {&a, "right", b.get()}, {b.get(), "left", &a}, {&a, "left", nullptr}, {&a, "up", nullptr},
        {&tall, "down", &below}, {&below, "up", &tall}, {&corner, "left", nullptr},
        {&corner, "down", nullptr}, {&a, "Right", nullptr}, {&a, "", nullptr}, {&a, "rightward", nullptr}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(c.found, Session::arrowNav(c.from, c.direction)) << c.direction;
    }
    below.position(-1, 20);  // a walk starting off the screen ends at once
    EXPECT_EQ(nullptr, Session::arrowNav(&below, "down"));

    // A destroyed control leaves the map, also where it covered another.
    SessionAccess::fill(2, 12, 2, 44, b.get());
    b.reset();
    EXPECT_EQ(nullptr, SessionAccess::at(2, 12));
    EXPECT_EQ(nullptr, SessionAccess::at(2, 40));
    EXPECT_EQ(&a, SessionAccess::at(2, 11));
    EXPECT_EQ(nullptr, Session::arrowNav(&a, "right"));
}
