#include <curses.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <utility>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"

using Vesk::Forms::Session;
using Vesk::Forms::SessionAccess;
using SessionLifecycle = VeskTest::PseudoTerminal;
using WideSession = VeskTest::WidePseudoTerminal;
using Size = std::pair<int, int>;

namespace {

int entries(const char* directory) {
    using Entries = std::filesystem::directory_iterator;
    return static_cast<int>(std::distance(Entries(directory), Entries()));
}

// A joined thread can stay listed for a moment while the kernel finishes its
// exit, so the count is given a little time to come down to `expected`.
int tasksSettlingAt(int expected) {
    int count = entries("/proc/self/task");
    for (int i = 0; i < 200 && count != expected; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        count = entries("/proc/self/task");
    }
    return count;
}

int emptyCells() {
    return SessionAccess::map()->emptyCells();
}

}  // namespace

TEST_F(SessionLifecycle, StartsAndStopsTwiceRefusesRepeatsAndGivesTheModesBack) {
    const std::string modes = terminalModes();
    ASSERT_FALSE(modes.empty());
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Session::start(Session::Verbose));
        EXPECT_FALSE(Session::start(Session::Basic));
        EXPECT_EQ(Session::Verbose, Session::logLevel());
        EXPECT_NE(modes, terminalModes());
        EXPECT_EQ(Size(80, 25), SessionAccess::screenSize());
        ASSERT_TRUE(SessionAccess::worker() && SessionAccess::collector() &&
                    SessionAccess::logfile() && SessionAccess::map());
        EXPECT_EQ(80 * 25, emptyCells());
        for (short pair = 1; pair <= 256; ++pair) {
            short fg = -1, bg = -1;
            ASSERT_EQ(OK, pair_content(pair, &fg, &bg));
            EXPECT_EQ(Size((pair - 1) / 16, (pair - 1) % 16), Size(fg, bg)) << "pair " << pair;
        }

        EXPECT_TRUE(Session::stop());
        EXPECT_FALSE(Session::stop());
        EXPECT_EQ(modes, terminalModes());
        EXPECT_FALSE(SessionAccess::worker() || SessionAccess::collector() ||
                     SessionAccess::logfile() || SessionAccess::map());
        EXPECT_EQ(Size(80, 25), SessionAccess::screenSize());
    }
}

TEST_F(WideSession, ReadsTheSizeOfALargerTerminal) {
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(Size(132, 40), SessionAccess::screenSize());
    EXPECT_EQ(132 * 40, emptyCells());
}

TEST_F(SessionLifecycle, KeysAndEventsArriveInOrderAndEventsOutliveTheSession) {
    const auto getEvent = [] { Session::getEvent(); };
    EXPECT_EQ("Session not started!", SessionAccess::errorOf(getEvent));
    EXPECT_FALSE(Session::setEvent(Vesk::UpdateView));
    ASSERT_TRUE(Session::start(Session::None));
    type("a\t");
    // Both keys are queued before the event is set.
    EXPECT_EQ('a', Session::getEvent());
    EXPECT_EQ(Vesk::KeyTab, Session::getEvent());
    EXPECT_TRUE(Session::setEvent(Vesk::UpdateView));
    type("\x1b[A\x1b[Z\x1b[6~\r");
    for (Vesk::Event expected :
         {Vesk::UpdateView, Vesk::KeyUp, Vesk::KeyBackTab, Vesk::KeyNextPage, Vesk::KeyEnter}) {
        EXPECT_EQ(expected, Session::getEvent());
    }
    EXPECT_TRUE(Session::setEvent(static_cast<Vesk::Event>(0x1234)));
    ASSERT_TRUE(Session::stop());
    EXPECT_EQ("Session not started!", SessionAccess::errorOf(getEvent));
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(0x1234, Session::getEvent());
}

TEST_F(SessionLifecycle, FailedStartsAndThousandCyclesLeaveNothingBehind) {
    // The first session loads what the process keeps for good (terminfo, the
    // keyboard reader's wake-up pipe).
    ASSERT_TRUE(Session::start(Session::None));
    ASSERT_TRUE(Session::stop());
    const int threads = entries("/proc/self/task");
    const int fds = entries("/proc/self/fd");
    // dumb: curses takes it, but it cannot move the cursor.
    for (const char* term : {static_cast<const char*>(nullptr), "no-such-terminal-vesk", "dumb"}) {
        term != nullptr ? setenv("TERM", term, 1) : unsetenv("TERM");
        EXPECT_EQ("Cannot initialize terminal!",
                  SessionAccess::errorOf([] { Session::start(Session::Verbose); }));
        EXPECT_FALSE(Session::running());
        EXPECT_FALSE(SessionAccess::collector() || SessionAccess::logfile());
        EXPECT_FALSE(Session::setEvent(Vesk::UpdateView));
        EXPECT_EQ(threads, tasksSettlingAt(threads));
        EXPECT_EQ(fds, entries("/proc/self/fd"));
    }
    // The log of the failed start was written and closed.
    EXPECT_NE(std::string::npos,
              readFile("VeskForms.log").find("Vesk::Forms application session started"));

    setenv("TERM", "xterm-256color", 1);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Session::start(Session::Basic));
        ASSERT_TRUE(Session::stop());
    }
    EXPECT_EQ(threads, tasksSettlingAt(threads));
    EXPECT_EQ(fds, entries("/proc/self/fd"));
}
