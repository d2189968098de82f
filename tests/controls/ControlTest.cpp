#include <gtest/gtest.h>

#include "controls/Probes.h"

using namespace ControlsTest;
using ControlLog = VeskTest::PseudoTerminal;

TEST(Control, DefaultsHandlerTableColoursAndFocus) {
    Control control;
    EXPECT_TRUE(tagIs(control, "Vqrm1Contrl"));
    EXPECT_EQ(static_cast<std::int32_t>(sizeof(Control)), control.size);
    EXPECT_FALSE(control.focus() || control.canFocus());
    EXPECT_EQ((std::vector<int>{Black, White, BrightBlack, NoBorder}),
              (std::vector<int>{control.background(), control.color(), control.borderColor(),
                                control.border()}));
    for (int code : {0x00020102, 0x00020103, 0x00020104, 0x00020105}) {
        EXPECT_TRUE(control.handles(code));
    }
    for (int code : {0x00010000, 0x9, 0xD, 0x0002015F, 0x00020101, 0x00020106}) {
        EXPECT_FALSE(control.handles(code));
    }
    EXPECT_FALSE(control.paint());

    calls.clear();
    EXPECT_FALSE(control.attachHandler(0xD, nullptr));
    EXPECT_TRUE(control.attachHandler(
        0xD, +[](int, void*) { return 99; }));
    EXPECT_TRUE(control.attachHandler(0xD, record));
    EXPECT_FALSE(control.attachHandler(0xD, nullptr));
    for (int result : {-42, 0, 123456}) {
        answer = result;
        EXPECT_EQ(result, control.raiseEvent(0xD));
    }
    EXPECT_EQ(Calls(3, {0xD, &control}), calls);
    EXPECT_TRUE(control.detachHandler(0xD));
    EXPECT_FALSE(control.detachHandler(0xD));
    EXPECT_EQ(0, control.raiseEvent(0xD));
    EXPECT_EQ(3u, calls.size());
    control.attachHandler(0x00010000, record);
    EXPECT_TRUE(control.paint());

    EXPECT_EQ(0xA, control.background(static_cast<Color>(0x1A)));
    EXPECT_EQ(0xA, control.background());
    EXPECT_EQ(0x1A, control.color(static_cast<Color>(0x1A)));
    EXPECT_EQ(0x1A, control.borderColor(static_cast<Color>(0x1A)));
    EXPECT_EQ(0x1A, control.color());
    EXPECT_FALSE(control.focus(true));
    EXPECT_FALSE(control.focus());
    Probe probe;
    EXPECT_TRUE(probe.focus(true) && probe.focus());
    EXPECT_FALSE(probe.focus(false) || probe.focus());
}

TEST(Control, FindsItsPageAndRoot) {
    Page page;
    Container box, loose;
    Control leaf, stray, alone;
    Region bare;
    page.attachChild(&box);
    box.attachChild(&leaf);
    loose.attachChild(&stray);
    alone.parent(&bare);
    EXPECT_EQ(List({&page, &page, &page, &page}),
              List({page.page(), box.page(), leaf.page(), leaf.root()}));
    EXPECT_EQ(List({nullptr, &loose, &loose}), List({stray.page(), stray.root(), loose.root()}));
    // A bare region at the top is not a control and is not handed out as one.
    EXPECT_EQ(List({nullptr, nullptr}), List({alone.page(), alone.root()}));
}

TEST_F(ControlLog, LogsDispatchAtVerboseAndRootRepaintsAtTrace) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Page page;
    Container box;
    Control control;
    page.attachChild(&box);
    box.attachHandler(0xD, record);
    control.attachHandler(-1, record);
    EXPECT_EQ(0, control.raiseEvent(0x00020104));  // arrow handler without a neighbour
    control.raiseEvent(-1);
    control.raiseEvent(0x7777);
    box.raiseEvent(0xD);
    page.paint();
    EXPECT_EQ(
        (Lines{"Event 0x00020104 raised on Vqrm1Contrl", "Event 0xFFFFFFFF raised on Vqrm1Contrl",
               "Event 0x0000000D raised on Vqrm1Contnr"}),
        routingLines());
    Session::stop();

    ASSERT_TRUE(Session::start(Session::Trace));
    Page root, inner;
    root.attachChild(&inner);
    inner.paint();
    box.paint();
    root.paint();
    root.paint();
    EXPECT_EQ(Lines(2, "Event UpdateView raised on root window"), routingLines());
}
