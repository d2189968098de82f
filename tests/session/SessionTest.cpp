#include <curses.h>
#include <dirent.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"

using Vesk::Forms::Session;
using Vesk::Forms::SessionAccess;
using SessionLifecycle = VeskTest::PseudoTerminal;
using WideSession = VeskTest::WidePseudoTerminal;

namespace {

int entries(const char* directory) {
    int count = 0;
    if (DIR* dir = opendir(directory)) {
        while (readdir(dir) != nullptr) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

// Expects `call` to throw the library's pointer-thrown runtime error.
template <typename Call>
std::string runtimeErrorOf(Call call) {
    try {
        call();
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);
        return owned->what();
    }
    return "(nothing thrown)";
}

}  // namespace

TEST_F(SessionLifecycle, StartsAndStopsTwiceAndRefusesRepeats) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Session::start(Session::Verbose));
        EXPECT_FALSE(Session::start(Session::Basic));
        EXPECT_EQ(Session::Verbose, Session::logLevel());
        EXPECT_NE(nullptr, SessionAccess::worker());
        EXPECT_NE(nullptr, SessionAccess::collector());
        EXPECT_NE(nullptr, SessionAccess::logfile());

        EXPECT_TRUE(Session::stop());
        EXPECT_FALSE(Session::stop());
        EXPECT_EQ(nullptr, SessionAccess::worker());
        EXPECT_EQ(nullptr, SessionAccess::collector());
        EXPECT_EQ(nullptr, SessionAccess::logfile());
        EXPECT_EQ(nullptr, SessionAccess::map());
        EXPECT_EQ(80, Session::screenWidth());
        EXPECT_EQ(25, Session::screenHeight());
        EXPECT_EQ(Session::Verbose, Session::logLevel());
    }
}

TEST_F(SessionLifecycle, ReadsScreenSizeAndDefinesAllColorPairs) {
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(80, Session::screenWidth());
    EXPECT_EQ(25, Session::screenHeight());
    Vesk::Forms::Control** map = SessionAccess::map();
    ASSERT_NE(nullptr, map);
    for (int i = 0; i < 80 * 25; ++i) {
        ASSERT_EQ(nullptr, map[i]) << "cell " << i;
    }

    for (int f = 0; f < 16; ++f) {
        for (int b = 0; b < 16; ++b) {
            short fg = -1;
            short bg = -1;
            ASSERT_EQ(OK, pair_content(static_cast<short>(16 * f + b + 1), &fg, &bg));
            EXPECT_EQ(f, fg);
            EXPECT_EQ(b, bg);
        }
    }
}

TEST_F(WideSession, ReadsTheSizeOfALargerTerminal) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    EXPECT_EQ(132, Session::screenWidth());
    EXPECT_EQ(40, Session::screenHeight());
    ASSERT_TRUE(Session::stop());
    EXPECT_NE(std::string::npos,
              readFile("VeskForms.log").find("] Screen dimensions: 132 x 40 characters\n"));
}

TEST_F(SessionLifecycle, InboxNeedsASessionAndOutlivesIt) {
    EXPECT_EQ("Session not started!", runtimeErrorOf([] { Session::getEvent(); }));
    EXPECT_FALSE(Session::setEvent(Vesk::UpdateView));

    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_TRUE(Session::setEvent(Vesk::KeyNextPage));
    EXPECT_EQ(Vesk::KeyNextPage, Session::getEvent());
    EXPECT_TRUE(Session::setEvent(static_cast<Vesk::Event>(0x1234)));
    ASSERT_TRUE(Session::stop());

    EXPECT_EQ("Session not started!", runtimeErrorOf([] { Session::getEvent(); }));
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_EQ(0x1234, Session::getEvent());
}

TEST_F(SessionLifecycle, TypedKeysAndSetEventsArriveInOrder) {
    ASSERT_TRUE(Session::start(Session::None));
    type("a\t");
    // Wait until the worker has queued both keys before setting an event.
    EXPECT_EQ('a', Session::getEvent());
    EXPECT_EQ(Vesk::KeyTab, Session::getEvent());
    Session::setEvent(Vesk::UpdateView);
    type("\x1b[A\x1b[Z\x1b[6~\r");
    EXPECT_EQ(Vesk::UpdateView, Session::getEvent());
    EXPECT_EQ(Vesk::KeyUp, Session::getEvent());
    EXPECT_EQ(Vesk::KeyBackTab, Session::getEvent());
    EXPECT_EQ(Vesk::KeyNextPage, Session::getEvent());
    EXPECT_EQ(Vesk::KeyEnter, Session::getEvent());
}

TEST_F(SessionLifecycle, StopGivesTheTerminalBackAsItWas) {
    const std::string before = terminalModes();
    ASSERT_FALSE(before.empty());
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Session::start(Session::None));
        EXPECT_NE(before, terminalModes()) << "the session should have changed the modes";
        ASSERT_TRUE(Session::stop());
        EXPECT_EQ(before, terminalModes());
    }
}

TEST_F(SessionLifecycle, UnusableTerminalIsReportedAndUndone) {
    // A first session creates what the process keeps for good (terminfo,
    // the keyboard reader's wake-up pipe).
    ASSERT_TRUE(Session::start(Session::None));
    ASSERT_TRUE(Session::stop());
    const int threads = entries("/proc/self/task");
    const int fds = entries("/proc/self/fd");
    for (const char* term : {static_cast<const char*>(nullptr), "no-such-terminal-vesk"}) {
        if (term) {
            setenv("TERM", term, 1);
        } else {
            unsetenv("TERM");
        }
        EXPECT_EQ("Cannot initialize terminal!",
                  runtimeErrorOf([] { Session::start(Session::Verbose); }));
        EXPECT_FALSE(Session::running());
        EXPECT_EQ(nullptr, SessionAccess::collector());
        EXPECT_EQ(nullptr, SessionAccess::logfile());
        EXPECT_FALSE(Session::setEvent(Vesk::UpdateView));
        EXPECT_EQ(threads, entries("/proc/self/task"));
        EXPECT_EQ(fds, entries("/proc/self/fd"));
    }
    // The log of the failed start was written and closed.
    EXPECT_NE(std::string::npos,
              readFile("VeskForms.log").find("Vesk::Forms application session started"));

    setenv("TERM", "xterm-256color", 1);
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_TRUE(Session::stop());
}

TEST_F(SessionLifecycle, ThousandCyclesLeaveNothingBehind) {
    // The first cycle loads terminfo and the reader's wake-up pipe for good.
    ASSERT_TRUE(Session::start(Session::Basic));
    ASSERT_TRUE(Session::stop());
    const int threads = entries("/proc/self/task");
    const int fds = entries("/proc/self/fd");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Session::start(Session::Basic));
        ASSERT_TRUE(Session::stop());
    }
    EXPECT_EQ(threads, entries("/proc/self/task"));
    EXPECT_EQ(fds, entries("/proc/self/fd"));
}
