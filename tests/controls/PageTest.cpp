#include <curses.h>
#include <gtest/gtest.h>

#include <memory>

#include "controls/Probes.h"
#include "vesk/ConsoleTitle.h"
#include "vesk/Format.h"

using namespace ControlsTest;
using PageScreen = VeskTest::PseudoTerminal;

TEST(Page, KeepsItsOwnTitleAndCursorAndRefusesStrangers) {
    Vesk::Console::SetTitle("Host title");
    Page page, other;
    EXPECT_EQ("Host title", page.title());
    EXPECT_EQ("Mine", page.title("Mine"));
    EXPECT_EQ("Host title", Vesk::Console::GetTitle());
    EXPECT_EQ(List({nullptr, nullptr}), List({page.activeControl(), page.control(0)}));

    // The cursor goes in and out by copy.
    Point cell(3, 4);
    std::unique_ptr<Point> stored(page.cursor(cell));
    stored->row = 9;
    std::unique_ptr<Point> first(page.cursor()), second(page.cursor());
    EXPECT_EQ(std::make_pair(3, 4), std::make_pair(second->row, second->column));
    EXPECT_NE(first.get(), second.get());

    Probe mine, theirs, loose;
    page.attachChild(&mine);
    other.attachChild(&theirs);
    page.activeControl(&mine);
    for (Control* stranger : List{&theirs, &loose, nullptr}) {
        expectDomainError("Cannot activate control of another page!",
                          [&] { page.activeControl(stranger); });
        EXPECT_EQ(&mine, page.activeControl());
    }
}

TEST_F(PageScreen, TakesTheScreenSizeAndSetsTheConsoleTitleOnlyForStdscr) {
    Vesk::Console::SetTitle("Host title");
    ASSERT_TRUE(Session::start(Session::None));
    Page whole, bound(stdscr);
    EXPECT_EQ(std::make_pair(80, 25), std::make_pair(whole.width(), whole.height()));
    EXPECT_EQ("Host title", whole.title());
    EXPECT_EQ(0, bound.width());
    EXPECT_EQ("", bound.title());
    bound.title("Bound");
    whole.title("Whole");
    EXPECT_EQ("Bound", Vesk::Console::GetTitle());
}

// F can take the focus, l cannot; > is Tab, < back-tab; -1: nothing active.
TEST(Page, TabAndBackTabSkipUnfocusableControlsWithoutWrapping) {
    struct Case {
        const char* layout;
        int start;
        char key;
        int reached;
    } cases[] = {{"FlF", 0, '>', 2},  {"FlF", 2, '>', 2},   {"FlF", 2, '<', 0},
                 {"FlF", 0, '<', 0},  {"Fl", 0, '>', 0},    {"lF", 1, '<', 1},
                 {"FllF", 3, '<', 0}, {"FFlF", 1, '>', 3},  {"FFF", 2, '<', 1},
                 {"lFl", -1, '>', 1}, {"FlFl", -1, '<', 2}, {"ll", -1, '>', -1}};
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.layout) + " " + std::to_string(test.start) + test.key);
        Page page;
        std::vector<std::unique_ptr<Probe>> controls;
        for (const char* c = test.layout; *c != 0; ++c) {
            controls.push_back(std::make_unique<Probe>(*c == 'F'));
            page.attachChild(controls.back().get());
        }
        if (test.start >= 0) {
            page.activeControl(controls[test.start].get());
        }
        EXPECT_EQ(0, page.raiseEvent(test.key == '>' ? Tab : BackTab));
        EXPECT_EQ(test.reached < 0 ? nullptr : controls[test.reached].get(), page.activeControl());
        for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
            EXPECT_EQ(i == test.reached, controls[i]->focus()) << i;
        }
    }
}

TEST_F(PageScreen, ActiveControlGetsKeysFirstAndNavigationIsLogged) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Page page;
    Probe first, second;
    attach(page, {&first, &second});
    EXPECT_EQ(0, page.raiseEvent(0xD));  // nothing active yet
    page.activeControl(&first);
    first.attachHandler(0xD, record);
    first.attachHandler(Tab, record);
    answer = -3;
    EXPECT_EQ(-3, page.raiseEvent(0xD));
    EXPECT_EQ(0, page.raiseEvent(0x41));
    EXPECT_EQ(1, page.raiseEvent(Tab));  // handled Tab: no move
    EXPECT_EQ(&first, page.activeControl());
    answer = 0;
    EXPECT_EQ(0, page.raiseEvent(Tab));
    EXPECT_EQ(&second, page.activeControl());
    EXPECT_EQ(0, page.raiseEvent(BackTab));
    EXPECT_EQ(&first, page.activeControl());

    std::unique_ptr<std::string> self(Vesk::String::Format("%p", static_cast<void*>(&page)));
    EXPECT_EQ(
        (Lines{"Event 0x0000000D raised on Vqrm1Contrl", "Event 0x00000009 raised on Vqrm1Contrl",
               "Event 0x00000009 raised on Vqrm1Contrl",
               "Forward navigation request in page 0x" + *self,
               "Backward navigation request in page 0x" + *self}),
        routingLines());
}

TEST_F(PageScreen, PaintsItsChildrenThenPlacesTheCursorAndRefreshes) {
    ASSERT_TRUE(Session::start(Session::None));
    Page page;
    Container box;
    Control first, nested, dropped;
    attach(page, {&first, &box, &dropped});
    box.attachChild(&nested);
    page.detachChild(&dropped);  // still listed, no longer a child
    for (Control* control : {&first, &nested, &dropped}) {
        control->attachHandler(
            Paint, +[](int event, void* self) {
                mvaddch(2, 3, 'Q');
                return record(event, self);
            });
    }
    Point cell(12, 34);
    delete page.cursor(cell);
    calls.clear();
    answer = 1;
    EXPECT_TRUE(page.paint());
    EXPECT_EQ((Calls{{Paint, &first}, {Paint, &nested}}), calls);
    EXPECT_EQ(std::make_pair(12, 34), std::make_pair(getcury(stdscr), getcurx(stdscr)));
    EXPECT_FALSE(is_wintouched(stdscr));
    EXPECT_TRUE(waitForOutput("Q"));

    // Raised as an event, UpdateView reaches the active control only, and
    // nothing is refreshed.
    page.activeControl(&dropped);
    calls.clear();
    EXPECT_EQ(1, page.raiseEvent(Paint));
    EXPECT_EQ((Calls{{Paint, &dropped}}), calls);
    EXPECT_TRUE(is_wintouched(stdscr));
}
