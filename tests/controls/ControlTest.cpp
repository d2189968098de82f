#include <gtest/gtest.h>

#include "controls/Probes.h"

using namespace ControlsTest;
using ControlLog = VeskTest::PseudoTerminal;

// Routing and navigation rest on which events each kind handles from the start.
TEST(Control, EachKindStartsWithItsOwnHandlerTable) {
    Control control;
    Container box;
    Page page;
    Tabs set;
    const int codes[] = {Paint,      Tab,        BackTab,  0x00020102, 0x00020103,
                         0x00020104, 0x00020105, PageDown, PageUp};
    const std::pair<Control*, std::string> kinds[] = {
        {&control, "000111100"}, {&box, "100000000"}, {&page, "100000000"}, {&set, "111000011"}};
    for (const auto& [kind, expected] : kinds) {
        std::string handled;
        for (int code : codes) {
            handled += kind->handles(code) ? '1' : '0';
        }
        EXPECT_EQ(expected, handled);
    }
}

TEST(Control, HandlerTableColoursAndFocus) {
    Control control;
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
    EXPECT_FALSE(control.paint());
    control.attachHandler(Paint, record);
    EXPECT_TRUE(control.paint());

    // Only the background drops the bright bit.
    EXPECT_EQ((std::vector<int>{0xA, 0xA, 0x1A, 0x1A}),
              (std::vector<int>{control.background(static_cast<Color>(0x1A)), control.background(),
                                control.color(static_cast<Color>(0x1A)),
                                control.borderColor(static_cast<Color>(0x1A))}));
    EXPECT_FALSE(control.focus(true) || control.focus());
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
