#include <curses.h>
#include <signal.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"
#include "vesk/Keyboard.h"

using namespace Vesk::Forms;
using ScreenResize = VeskTest::PseudoTerminal;
using Size = std::pair<int, int>;

namespace {

Size sizeOf(Page& page) {
    return {page.width(), page.height()};
}

}  // namespace

TEST_F(ScreenResize, BurstGivesOneEventWithTheNewSizeAnEmptyMapAndABlankScreen) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Page whole, sized;
    sized.width(40);
    sized.height(10);
    Label edge;
    edge.position(0, 110);
    edge.width(5);
    std::unique_ptr<std::string>(edge.text("EDGE!"));
    whole.attachChild(&edge);
    // A tab set as large as the screen gives its page the screen's size; that
    // page still keeps the size of its set.
    Tabs tabs;
    tabs.width(80);
    tabs.height(26);
    whole.attachChild(&tabs);
    Page tab;
    tabs.attachTab(&tab);
    ASSERT_EQ(Size(80, 25), sizeOf(tab));
    mvaddstr(2, 2, "OLD");
    SessionAccess::fill(5, 5, 6, 6, &edge);
    ASSERT_EQ(&edge, SessionAccess::at(5, 5));

    // Several changes, each seen by the worker, before the host looks: the
    // last size counts and one event stands for all of them.
    for (const Size& size : {Size(100, 30), Size(60, 20), Size(120, 35)}) {
        resize(size.first, size.second);
        raise(SIGWINCH);
        raise(SIGWINCH);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    ASSERT_TRUE(Session::setEvent(Vesk::UpdateView));
    EXPECT_EQ(Vesk::UpdateView, Session::getEvent());

    EXPECT_EQ(Size(120, 35), SessionAccess::screenSize());
    EXPECT_EQ(Size(120, 35), Size(COLS, LINES));
    EXPECT_EQ("   ", text(2, 2, 3));
    EXPECT_EQ(nullptr, SessionAccess::at(5, 5));
    SessionAccess::fill(34, 119, 34, 119, &edge);
    EXPECT_EQ(&edge, SessionAccess::at(34, 119));
    EXPECT_EQ(nullptr, SessionAccess::at(35, 119));

    EXPECT_TRUE(whole.paint());
    EXPECT_EQ(Size(120, 35), sizeOf(whole));
    EXPECT_EQ("EDGE!", text(0, 110, 5));
    EXPECT_TRUE(sized.paint());
    EXPECT_EQ(Size(40, 10), sizeOf(sized));
    EXPECT_EQ(Size(80, 25), sizeOf(tab));

    // As after a stop and continue: the size is the same, yet the screen is
    // cleared and drawn again in full.
    Vesk::IO::NotifyResize();
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    EXPECT_EQ(Size(120, 35), SessionAccess::screenSize());
    clearOutput();
    EXPECT_TRUE(whole.paint());
    EXPECT_TRUE(waitForOutput("\x1b[H\x1b[2J"));
    EXPECT_TRUE(waitForOutput("EDGE!"));

    // A page the host sized after the change stays as the host left it.
    whole.width(50);
    resize(90, 28);
    raise(SIGWINCH);
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    EXPECT_TRUE(whole.paint());
    EXPECT_EQ(Size(50, 35), sizeOf(whole));
    ASSERT_TRUE(Session::stop());

    const std::string log = readFile("VeskForms.log");
    for (const char* size : {"80 x 25", "120 x 35", "90 x 28"}) {
        EXPECT_NE(std::string::npos, log.find(std::string("Screen dimensions: ") + size))
            << size << "\n"
            << log;
    }
}

// LINES and COLUMNS in the environment win over the terminal's size, at start
// and after every resize, whether from SIGWINCH or, as after a stop and
// continue or a host signal handler that returned, from a notification.
TEST_F(ScreenResize, KeepsTheSizeGivenByTheEnvironment) {
    setenv("LINES", "10", 1);
    setenv("COLUMNS", "40", 1);
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(Size(40, 10), SessionAccess::screenSize());
    for (bool signal : {true, false, true}) {
        resize(90, 30);
        if (signal) {
            raise(SIGWINCH);
        } else {
            Vesk::IO::NotifyResize();
        }
        ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
        EXPECT_EQ(Size(40, 10), SessionAccess::screenSize()) << signal;
        EXPECT_EQ(Size(40, 10), Size(COLS, LINES)) << signal;
    }
    // Only the dimension given is kept.
    unsetenv("LINES");
    raise(SIGWINCH);
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    EXPECT_EQ(Size(40, 30), SessionAccess::screenSize());
    ASSERT_TRUE(Session::stop());
    unsetenv("COLUMNS");
}
