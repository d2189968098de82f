#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "controls/Probes.h"

using namespace ControlsTest;
using LayoutLifetime = VeskTest::PseudoTerminal;

// What a stack keeps per child goes with the child: a control made again at
// the same address, or attached again after leaving, starts from the
// natural size; a stack refuses itself and its ancestors; a grid child
// destroyed before a paint is not laid out.
TEST_F(LayoutLifetime, SettingsLeaveWithTheirChildAndLoopsAreRefused) {
    ASSERT_TRUE(Session::start(Session::None));
    Page page;
    Stack outer, stack;
    Grid grid;
    page.attachChild(&outer);
    outer.attachChild(&stack);
    outer.attachChild(&grid);
    EXPECT_FALSE(stack.attachChild(&stack));
    EXPECT_FALSE(stack.attachChild(&outer));
    EXPECT_FALSE(grid.attachChild(&page));

    std::optional<Label> child{std::in_place};
    for (bool destroyed : {true, false}) {
        SCOPED_TRACE(destroyed ? "destroyed" : "detached");
        ASSERT_TRUE(stack.attachChild(&*child));
        stack.size(&*child, 4);
        stack.grow(&*child, 2);
        stack.align(&*child, Align::End);
        page.paint();
        if (destroyed) {
            child.reset();
        } else {
            stack.detachChild(&*child);
        }
        EXPECT_EQ(0, stack.count());
        if (!child) {
            child.emplace();  // at the same address, a new control
        }
        EXPECT_FALSE(stack.size(&*child, 3));  // not a child
        ASSERT_TRUE(stack.attachChild(&*child));
        EXPECT_EQ(-1, stack.size(&*child));
        EXPECT_EQ(0, stack.grow(&*child));
        EXPECT_EQ(Align::Fill, stack.align(&*child));
        stack.detachChild(&*child);
    }

    {
        Label gone;
        grid.attachChild(&gone);
    }
    page.paint();
    EXPECT_EQ(0, grid.count());

    // A control made at the address of one that went, in its place, with
    // the same natural size, is laid out all the same: one cell in.
    outer.fill(true);
    grid.padding(1);
    stack.padding(1);
    for (Container* holder : {static_cast<Container*>(&grid), static_cast<Container*>(&stack)}) {
        SCOPED_TRACE(holder == &grid ? "in the grid" : "in the stack");
        std::optional<Label> cell{std::in_place};
        holder->attachChild(&*cell);
        page.paint();
        holder->detachChild(&*cell);  // the container's own, for the stack too
        cell.emplace();
        holder->attachChild(&*cell);
        page.paint();
        std::unique_ptr<Point> place(cell->position());
        EXPECT_EQ(1, place->row);
        EXPECT_EQ(1, place->column);
        holder->detachChild(&*cell);
    }
}
