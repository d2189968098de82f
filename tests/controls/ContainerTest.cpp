#include <gtest/gtest.h>

#include "controls/Probes.h"

using namespace ControlsTest;

TEST(Container, StartsEmptyPaintsItsChildrenAndIsKnownByTag) {
    Container box;
    Page page;
    Control first, plain, second;
    EXPECT_TRUE(tagIs(box, "Vqrm1Contnr"));
    EXPECT_EQ(static_cast<std::int32_t>(sizeof(Container)), box.size);
    EXPECT_TRUE(box.handles(0x00010000));
    for (int code : {0x00020102, 0x00020103, 0x00020104, 0x00020105}) {
        EXPECT_FALSE(box.handles(code));
    }
    EXPECT_FALSE(box.canFocus() || box.count() != 0);
    EXPECT_TRUE(box.focus(true) && box.focus());
    EXPECT_TRUE(Container::is(box));
    EXPECT_FALSE(Container::is(page) || Container::is(plain));

    for (Control* child : {&first, &plain, &second}) {
        box.attachChild(child);
    }
    first.attachHandler(0x00010000, record);
    second.attachHandler(0x00010000, record);
    calls.clear();
    EXPECT_TRUE(box.paint());
    EXPECT_EQ((Calls{{0x00010000, &first}, {0x00010000, &second}}), calls);
}

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
    EXPECT_EQ(3, box.count());
    EXPECT_EQ((List{&box, &x, &y, &z}), controlList(page));

    // A second entry goes in front of the first; the active entry moves with
    // it, so Tab goes on to y.
    page.activeControl(&x);
    EXPECT_TRUE(box.attachChild(&x));
    EXPECT_EQ(4, box.count());
    EXPECT_EQ((List{&box, &x, &x, &y, &z}), controlList(page));
    EXPECT_EQ(0, page.raiseEvent(0x9));
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
}

TEST(Container, RoutesUnhandledEventsToFocusedChildrenOnly) {
    Container box, inner;
    Probe early, idle, late, deep;
    for (Control* child : List{&early, &idle, &inner, &late}) {
        box.attachChild(child);
    }
    inner.attachChild(&deep);
    for (Control* focused : {&early, &late, &deep}) {
        focused->focus(true);
        focused->attachHandler(0xD, record);
    }
    idle.attachHandler(0xD, record);
    inner.focus(true);
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
