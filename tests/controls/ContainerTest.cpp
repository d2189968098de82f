#include <gtest/gtest.h>

#include "controls/Probes.h"

using namespace ControlsTest;

TEST(Container, AttachFillsThePageListInOrderAndKeepsTheActiveControl) {
    Page page;
    Container box, loose;
    Probe x, y, z;
    Control stray;
    EXPECT_FALSE(box.attachChild(nullptr));
    ASSERT_TRUE(page.attachChild(&box));
    for (Control* child : {&x, &y, &z}) {
        ASSERT_TRUE(box.attachChild(child));
        EXPECT_EQ(&box, child->parent());
    }
    EXPECT_EQ((List{&box, &x, &y, &z}), controlList(page));

    // A second entry goes in front of the first; the active entry moves with
    // it, so Tab goes on to y.
    page.activeControl(&x);
    EXPECT_TRUE(box.attachChild(&x));
    EXPECT_EQ(4, box.count());
    EXPECT_EQ((List{&box, &x, &x, &y, &z}), controlList(page));
    EXPECT_EQ(0, page.raiseEvent(Tab));
    EXPECT_EQ(&y, page.activeControl());

    EXPECT_TRUE(box.detachChild(&y));
    EXPECT_FALSE(box.detachChild(&y));
    EXPECT_EQ(3, box.count());
    EXPECT_EQ(&box, y.parent());
    EXPECT_EQ(5, page.controlCount());

    // Outside a page there is no list to enter; a ring of parents is refused.
    EXPECT_TRUE(loose.attachChild(&stray));
    EXPECT_EQ(&loose, stray.parent());
    EXPECT_FALSE(box.attachChild(&page) || box.attachChild(&box));
    EXPECT_EQ(nullptr, page.parent());

    // Nor may the lists of children close into a loop when a child has moved
    // on to another parent: painting would recurse without end.
    Container a, b, other;
    ASSERT_TRUE(a.attachChild(&b) && other.attachChild(&b));
    EXPECT_FALSE(b.attachChild(&a));
    EXPECT_TRUE(a.paint());
}

TEST(Container, PaintsItsChildrenAndRoutesOtherEventsToFocusedChildrenOnly) {
    Container box, inner;
    Probe early, idle, late, deep;
    Control plain;
    attach(box, {&early, &idle, &plain, &inner, &late});
    inner.attachChild(&deep);
    early.attachHandler(Paint, record);
    late.attachHandler(Paint, record);
    calls.clear();
    EXPECT_TRUE(box.paint());
    EXPECT_EQ((Calls{{Paint, &early}, {Paint, &late}}), calls);

    EXPECT_TRUE(inner.focus(true) && inner.focus());  // though it cannot take the focus by Tab
    for (Control* focused : {&early, &late, &deep}) {
        focused->focus(true);
        focused->attachHandler(0xD, record);
    }
    idle.attachHandler(0xD, record);
    early.attachHandler(
        0xD, +[](int, void*) { return 5; });
    calls.clear();
    answer = 0;
    EXPECT_EQ(0, box.raiseEvent(0xD));  // the later child's 0 wins
    EXPECT_EQ((Calls{{0xD, &late}}), calls);

    // A child container answers from its own table; its result is dropped.
    inner.attachHandler(
        0xD, +[](int, void*) { return 8; });
    late.focus(false);
    EXPECT_EQ(5, box.raiseEvent(0xD));
    EXPECT_EQ(1u, calls.size());

    // A handler that gives the container a handler is followed up once.
    early.attachHandler(
        0xD, +[](int, void* self) {
            static_cast<Container*>(static_cast<Control*>(self)->parent())
                ->attachHandler(0xD, record);
            return 0;
        });
    answer = -6;
    EXPECT_EQ(-6, box.raiseEvent(0xD));
    EXPECT_EQ((Calls{{0xD, &late}, {0xD, &box}}), calls);
    EXPECT_EQ(-6, box.raiseEvent(0xD));  // its own handler now; children unasked
    EXPECT_EQ(3u, calls.size());
}

// Placed by hand, a container needs the cells of what it shows.
TEST(Container, NaturalSizeReachesItsFurthestVisibleChild) {
    Container box;
    Control near, far;
    near.position(1, 2);
    near.width(3);
    near.height(1);
    far.position(4, 10);
    far.width(5);
    far.height(2);
    box.attachChild(&near);
    box.attachChild(&far);
    EXPECT_EQ(15, box.naturalWidth());
    EXPECT_EQ(6, box.naturalHeight());
    far.visible(false);
    EXPECT_EQ(5, box.naturalWidth());
    EXPECT_EQ(2, box.naturalHeight());
}
