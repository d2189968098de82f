#include <curses.h>
#include <signal.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
#include "support/LogLines.h"
#include "support/PseudoTerminal.h"
#include "vesk/Keyboard.h"

using namespace Vesk::Forms;
using ScreenResize = VeskTest::PseudoTerminal;

namespace {

constexpr Vesk::Event Marker = static_cast<Vesk::Event>(0x00030007);

void hostHandler(int) {}

void (*currentWinchHandler())(int) {
    struct sigaction action {};
    sigaction(SIGWINCH, nullptr, &action);
    return action.sa_handler;
}

Control* mapped(int row, int column) {
    Point cell(row, column);
    return Session::at(&cell);
}

void setText(Label& label, const std::string& value) {
    std::unique_ptr<std::string> copy(label.text(value));
}

}  // namespace

TEST_F(ScreenResize, BurstGivesOneEventWithTheNewSizeAnEmptyMapAndABlankScreen) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Page whole;
    Page sized;
    sized.width(40);
    sized.height(10);
    Label edge;
    edge.position(0, 110);
    edge.width(5);
    setText(edge, "EDGE!");
    whole.attachChild(&edge);
    // A tab set as large as the screen gives its page the screen's size; that
    // page still keeps the size of its set.
    Tabs tabs;
    tabs.width(80);
    tabs.height(26);
    whole.attachChild(&tabs);
    Page tab;
    tabs.attachTab(&tab);
    ASSERT_EQ(80, tab.width());
    ASSERT_EQ(25, tab.height());

    mvaddstr(2, 2, "OLD");
    Point from(5, 5), to(6, 6);
    Session::fillMap(&from, &to, &edge);
    ASSERT_EQ(&edge, mapped(5, 5));

    // Several changes before the host looks: the last size counts, and one
    // event stands for all of them.
    for (const auto& size : {std::make_pair(100, 30), {60, 20}, {120, 35}}) {
        resize(size.first, size.second);
        raise(SIGWINCH);
        raise(SIGWINCH);
        // The worker wakes for each change while the host is busy.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // Lets the worker take in every notification before the host does.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    ASSERT_TRUE(Session::setEvent(Marker));
    EXPECT_EQ(Marker, Session::getEvent());

    EXPECT_EQ(120, Session::screenWidth());
    EXPECT_EQ(35, Session::screenHeight());
    EXPECT_EQ(120, COLS);
    EXPECT_EQ(35, LINES);
    EXPECT_EQ("   ", text(2, 2, 3));
    EXPECT_EQ(nullptr, mapped(5, 5));
    // The far corner of the new size is a cell of the map.
    Point corner(34, 119);
    Session::fillMap(&corner, &corner, &edge);
    EXPECT_EQ(&edge, mapped(34, 119));
    EXPECT_EQ(nullptr, mapped(35, 119));

    EXPECT_TRUE(whole.paint());
    EXPECT_EQ(120, whole.width());
    EXPECT_EQ(35, whole.height());
    EXPECT_EQ("EDGE!", text(0, 110, 5));
    EXPECT_TRUE(sized.paint());
    EXPECT_EQ(40, sized.width());
    EXPECT_EQ(10, sized.height());
    EXPECT_EQ(80, tab.width());
    EXPECT_EQ(25, tab.height());

    // A page the host sized after the change stays as the host left it.
    whole.width(50);
    resize(90, 28);
    raise(SIGWINCH);
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    EXPECT_TRUE(whole.paint());
    EXPECT_EQ(50, whole.width());
    EXPECT_EQ(35, whole.height());
    ASSERT_TRUE(Session::stop());

    const std::string log = readFile("VeskForms.log");
    for (const char* line :
         {"Screen dimensions: 80 x 25 characters", "Screen dimensions: 120 x 35 characters",
          "Screen dimensions: 90 x 28 characters"}) {
        EXPECT_NE(std::string::npos, log.find(line)) << line << "\n" << log;
    }
}

TEST_F(ScreenResize, UnchangedSizeStillRedrawsTheWholeScreen) {
    ASSERT_TRUE(Session::start(Session::None));
    Page whole;
    Label label;
    label.position(3, 4);
    label.width(12);
    setText(label, "still here");
    whole.attachChild(&label);
    EXPECT_TRUE(whole.paint());
    ASSERT_TRUE(waitForOutput("still here"));

    // As after the process was stopped and continued.
    Vesk::IO::NotifyResize();
    ASSERT_EQ(Vesk::KeyResize, Session::getEvent());
    EXPECT_EQ(80, Session::screenWidth());
    EXPECT_EQ(25, Session::screenHeight());
    clearOutput();
    EXPECT_TRUE(whole.paint());
    // The whole screen is cleared and drawn again, not only what changed
    // (nothing did).
    EXPECT_TRUE(waitForOutput("\x1b[H\x1b[2J"));
    EXPECT_TRUE(waitForOutput("still here"));
}

TEST_F(ScreenResize, StopAndFailedStartPutTheHostsHandlerBack) {
    struct sigaction host {};
    host.sa_handler = hostHandler;
    sigemptyset(&host.sa_mask);
    ASSERT_EQ(0, sigaction(SIGWINCH, &host, nullptr));

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Session::start(Session::None));
        EXPECT_NE(&hostHandler, currentWinchHandler());
        ASSERT_TRUE(Session::stop());
        EXPECT_EQ(&hostHandler, currentWinchHandler());
    }

    setenv("TERM", "no-such-terminal", 1);
    try {
        Session::start(Session::None);
        ADD_FAILURE() << "start on an unknown terminal succeeded";
    } catch (std::runtime_error* error) {
        delete error;
    }
    EXPECT_EQ(&hostHandler, currentWinchHandler());
    signal(SIGWINCH, SIG_DFL);
}
