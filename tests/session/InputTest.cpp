// What reaches the inbox and when: flow-control keys, the end of input, a
// standard input or output that is not a terminal, timed waits and tickers.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"

using Vesk::Forms::Session;
using Vesk::Forms::SessionAccess;
using SessionInput = VeskTest::PseudoTerminal;
using std::chrono::milliseconds;

namespace {

constexpr milliseconds Soon(2000);  // a bound for what must come, not a measure

bool flowControl(int fd) {
    termios modes{};
    return tcgetattr(fd, &modes) == 0 && (modes.c_iflag & (IXON | IXOFF)) != 0;
}

// Puts `path` on `fd` until the end of the scope.
class Redirect {
public:
    Redirect(int fd, const char* path, int flags) : fd(fd), saved(dup(fd)) {
        const int opened = open(path, flags | O_CLOEXEC, 0600);
        dup2(opened, fd);
        close(opened);
    }
    ~Redirect() {
        dup2(saved, fd);
        close(saved);
    }

private:
    int fd;
    int saved;
};

}  // namespace

TEST_F(SessionInput, CtrlSAndCtrlQAreKeysWhileTheSessionRuns) {
    termios modes{};
    ASSERT_EQ(0, tcgetattr(slave, &modes));
    modes.c_iflag |= IXON | IXOFF;
    ASSERT_EQ(0, tcsetattr(slave, TCSANOW, &modes));
    const std::string host = terminalModes();

    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_FALSE(flowControl(slave));
    type("\x13Q\x11");
    for (int expected : {0x13, int('Q'), 0x11}) {
        EXPECT_EQ(expected, Session::getEvent(Soon));
    }
    ASSERT_TRUE(Session::stop());
    EXPECT_EQ(host, terminalModes());
}

TEST_F(SessionInput, EndOfInputArrivesOnceAndAnOutputThatIsNoTerminalRefusesTheStart) {
    {
        // Keys from a file that ends: the session runs, and is told the end.
        Redirect input(0, "/dev/null", O_RDONLY);
        ASSERT_TRUE(Session::start(Session::None));
        EXPECT_EQ(Vesk::KeyEndOfInput, Session::getEvent(Soon));
        EXPECT_EQ(0, Session::getEvent(milliseconds(100)));
        ASSERT_TRUE(Session::stop());
    }

    const std::string modes = terminalModes();
    type("k");
    {
        Redirect output(1, "out.txt", O_WRONLY | O_CREAT | O_TRUNC);
        EXPECT_EQ("Standard output is not a terminal!",
                  SessionAccess::errorOf([] { Session::start(Session::Basic); }));
    }
    EXPECT_FALSE(Session::running() || SessionAccess::worker() || SessionAccess::collector());
    EXPECT_EQ(modes, terminalModes());
    EXPECT_EQ("", readFile("out.txt"));
    // The key typed meanwhile was left for the next session.
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ('k', Session::getEvent(Soon));
}

TEST_F(SessionInput, TimedWaitsAndTickers) {
    EXPECT_EQ(0, Session::every(milliseconds(10), Vesk::UpdateView)) << "no session";
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(0, Session::getEvent(milliseconds(0)));
    EXPECT_EQ(0, Session::getEvent(milliseconds(-5)));
    EXPECT_EQ(0, Session::getEvent(milliseconds(30)));
    Session::setEvent(static_cast<Vesk::Event>(0x40001));
    EXPECT_EQ(0x40001, Session::getEvent(milliseconds(0)));

    EXPECT_EQ(0, Session::every(milliseconds(0), Vesk::UpdateView));
    const auto fast = static_cast<Vesk::Event>(0x40002);
    const auto slow = static_cast<Vesk::Event>(0x40003);
    const int fastId = Session::every(milliseconds(5), fast);
    const int slowId = Session::every(milliseconds(60000), slow);
    ASSERT_GT(fastId, 0);
    ASSERT_GT(slowId, fastId);
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(fast, Session::getEvent(Soon));
    }
    EXPECT_TRUE(Session::stopEvery(fastId));
    EXPECT_FALSE(Session::stopEvery(fastId));
    EXPECT_FALSE(Session::stopEvery(12345));
    // A tick posted before the stop may still be there; after it, none comes.
    Session::setEvent(Vesk::UpdateView);
    while (Session::getEvent(Soon) == fast) {
    }
    EXPECT_EQ(0, Session::getEvent(milliseconds(30)));

    // Stop ends the tickers still running; a new session starts with none.
    const int again = Session::every(milliseconds(1), fast);
    ASSERT_TRUE(Session::stop());
    EXPECT_FALSE(Session::stopEvery(again));
    EXPECT_FALSE(Session::stopEvery(slowId));
    ASSERT_TRUE(Session::start(Session::None));
    while (Session::getEvent(milliseconds(0)) == fast) {
    }
    EXPECT_EQ(0, Session::getEvent(milliseconds(30)));
}
