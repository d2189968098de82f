#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/Probes.h"

using namespace ControlsTest;
using ArrowKeys = VeskTest::PseudoTerminal;

namespace {

// Enters a control into the screen map at its place, as a painter does.
void map(Control* control, int row, int column, int rows, int columns) {
    control->position(row, column);
    std::unique_ptr<Point> from(control->location());
    Point to(from->row + rows - 1, from->column + columns - 1);
    Session::fillMap(from.get(), &to, control);
}

}  // namespace

TEST_F(ArrowKeys, MoveTheFocusToTheMappedNeighbourOnlyWhenItsPageListsIt) {
    ASSERT_TRUE(Session::start(Session::None));
    Page page, other;
    Container box;
    Probe a, b, below, stray, unlisted, elsewhere;
    attach(page, {&box, &below});
    attach(box, {&a, &b});
    box.position(1, 0);
    map(&a, 2, 5, 3, 10);  // rows 3 to 5 on the screen
    map(&b, 2, 40, 1, 4);
    map(&below, 9, 5, 1, 1);
    page.activeControl(&a);

    struct Step {
        int key, result;
        Probe* active;
    } steps[] = {{0x00020105, 1, &b}, {0x00020105, 0, &b},     {0x00020104, 1, &a},
                 {0x00020104, 0, &a}, {0x00020102, 1, &below}, {0x00020103, 1, &a},
                 {0x00020103, 0, &a}};
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << std::hex << step.key);
        EXPECT_EQ(step.result, page.raiseEvent(step.key));
        EXPECT_EQ(step.active, page.activeControl());
        for (Probe* probe : {&a, &b, &below}) {
            EXPECT_EQ(probe == step.active, probe->focus());
        }
    }

    // A neighbour in no page, or one its page does not list, cannot be made
    // active: the key stays unhandled and nothing moves.
    page.activeControl(&b);
    unlisted.parent(&page);
    for (Probe* blocker : {&stray, &unlisted}) {
        map(blocker, 3, 50, 1, 1);
        EXPECT_EQ(0, page.raiseEvent(0x00020105));
        EXPECT_EQ(&b, page.activeControl());
        EXPECT_TRUE(b.focus());
        Point cell(3, 50), end(3, 50);
        Session::fillMap(&cell, &end, nullptr);
    }

    // One listed by another page becomes active there.
    other.attachChild(&elsewhere);
    map(&elsewhere, 3, 75, 1, 1);
    EXPECT_EQ(1, page.raiseEvent(0x00020105));
    EXPECT_FALSE(b.focus());
    EXPECT_EQ(&elsewhere, other.activeControl());
    EXPECT_TRUE(elsewhere.focus());
}

// takeFocus goes the arrows' road from code: the control before in the same
// page loses the focus and the tab set showing the page becomes active around
// it. Each page keeps its own focused control: the one inside the tab set
// keeps its flag when a control of the outer page takes the focus.
TEST_F(ArrowKeys, TakeFocusMovesTheFocusAsTheArrowsDo) {
    ASSERT_TRUE(Session::start(Session::None));
    Page root, shown;
    Tabs tabs;
    Probe outer, inner, other, unfocusable(false), stray;
    attach(root, {&outer, &tabs});
    tabs.attachTab(&shown);
    attach(shown, {&inner, &other, &unfocusable});
    root.activeControl(&outer);

    const struct {
        Control* target;
        bool taken;
        Control* rootActive;
        Control* shownActive;
        List focused;  // the probes with the focus flag
    } steps[] = {
        {&inner, true, &tabs, &inner, {&inner}},
        {&unfocusable, false, &tabs, &inner, {&inner}},
        {&stray, false, &tabs, &inner, {&inner}},
        {&other, true, &tabs, &other, {&other}},
        {&outer, true, &outer, &other, {&outer, &other}},
        {&inner, true, &tabs, &inner, {&inner}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        EXPECT_EQ(step.taken, step.target->takeFocus());
        EXPECT_EQ(step.rootActive, root.activeControl());
        EXPECT_EQ(step.shownActive, shown.activeControl());
        for (Probe* probe : {&outer, &inner, &other, &unfocusable, &stray}) {
            const bool expected = std::find(step.focused.begin(), step.focused.end(), probe) !=
                                  step.focused.end();
            EXPECT_EQ(expected, probe->focus());
        }
    }
}
