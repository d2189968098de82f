#include <gtest/gtest.h>

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
    Label* const address = &*child;
    struct Step {
        const char* what;
        void (*leave)(Stack&, std::optional<Label>&);
    };
    const Step steps[] = {
        {"destroyed", [](Stack&, std::optional<Label>& c) { c.reset(); }},
        {"detached", [](Stack& s, std::optional<Label>& c) { s.detachChild(&*c); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(stack.attachChild(&*child));
        EXPECT_TRUE(stack.size(&*child, 4));
        EXPECT_TRUE(stack.grow(&*child, 2));
        EXPECT_TRUE(stack.align(&*child, Align::End));
        page.paint();
        step.leave(stack, child);
        EXPECT_EQ(0, stack.count());
        if (!child) {
            child.emplace();
        }
        ASSERT_EQ(address, &*child);  // the same address, a new control
        EXPECT_EQ(-1, stack.size(&*child));
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
}
