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
    Point from(fromRow, fromColumn);
    Point to(toRow, toColumn);
    Session::fillMap(&from, &to, control);
}

Control* at(int row, int column) {
    Point point(row, column);
    return Session::at(&point);
}

// A control at (row, column) entered into the map over `rows` x `columns`.
std::unique_ptr<Control> placed(int row, int column, int rows, int columns) {
    auto control = std::make_unique<Control>();
    control->position(row, column);
    fill(row, column, row + rows - 1, column + columns - 1, control.get());
    return control;
}

}  // namespace

TEST_F(ScreenMap, DoesNothingWithoutSession) {
    Control control;
    fill(0, 0, 3, 3, &control);
    EXPECT_EQ(nullptr, at(0, 0));
    EXPECT_EQ(nullptr, Session::arrowNav(&control, "right"));
}

TEST_F(ScreenMap, FillClampsOverlapsAndStaysOnTheScreen) {
    ASSERT_TRUE(Session::start(Session::None));
    Control first, second, third;
    fill(5, 20, 7, 29, &first);
    EXPECT_EQ(&first, at(7, 29));
    EXPECT_EQ(nullptr, at(8, 29));
    EXPECT_EQ(nullptr, at(7, 30));

    fill(6, 25, 9, 35, &second);
    EXPECT_EQ(&first, at(6, 24));
    EXPECT_EQ(&second, at(6, 25));
    EXPECT_EQ(&second, at(9, 35));

    Point from(-3, -2);
    Point to(40, 100);
    Session::fillMap(&from, &to, &third);
    EXPECT_EQ(24, to.row);
    EXPECT_EQ(79, to.column);
    EXPECT_EQ(&third, at(0, 0));
    EXPECT_EQ(&third, at(24, 79));

    for (auto cell : {std::pair{-1, 0}, {0, -1}, {25, 0}, {0, 80}}) {
        EXPECT_EQ(nullptr, at(cell.first, cell.second));
    }

    // Starting below or right of the screen, or ending before it starts.
    fill(25, 0, 30, 5, &first);
    fill(0, 80, 5, 90, &first);
    fill(3, 3, 2, 10, &first);
    fill(3, 3, 10, 2, &first);
    EXPECT_EQ(&third, at(24, 0));
    EXPECT_EQ(&third, at(0, 79));
    EXPECT_EQ(&third, at(3, 3));
}

TEST_F(ScreenMap, ArrowsFindTheNearestOtherControl) {
    ASSERT_TRUE(Session::start(Session::None));
    auto a = placed(2, 10, 1, 5);
    auto b = placed(2, 40, 1, 5);
    auto tall = placed(5, 20, 3, 10);
    auto below = placed(12, 20, 1, 3);
    auto edge = placed(24, 0, 1, 5);

    const struct {
        Control* from;
        const char* direction;
        Control* found;
    } cases[] = {{a.get(), "right", b.get()},     {b.get(), "left", a.get()},
                 {a.get(), "left", nullptr},      {tall.get(), "down", below.get()},
                 {below.get(), "up", tall.get()}, {edge.get(), "left", nullptr},
                 {edge.get(), "down", nullptr},   {a.get(), "up", nullptr},
                 {a.get(), "Right", nullptr},     {a.get(), "", nullptr},
                 {a.get(), "rightward", nullptr}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.found, Session::arrowNav(c.from, c.direction)) << c.direction;
    }

    // A walk starting off the screen ends at once.
    below->position(-1, 20);
    EXPECT_EQ(nullptr, Session::arrowNav(below.get(), "down"));
}

TEST_F(ScreenMap, DestroyedControlLeavesTheMap) {
    ASSERT_TRUE(Session::start(Session::None));
    auto left = placed(3, 0, 2, 10);
    auto right = placed(3, 20, 2, 10);
    fill(4, 5, 4, 25, right.get());
    right.reset();
    for (auto cell : {std::pair{3, 20}, {4, 29}, {4, 5}}) {
        EXPECT_EQ(nullptr, at(cell.first, cell.second));
    }
    EXPECT_EQ(left.get(), at(3, 5));
    EXPECT_EQ(nullptr, Session::arrowNav(left.get(), "right"));
}
