#include <gtest/gtest.h>

#include <string>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "terminal/Terminal.h"

using namespace Vesk::Forms;
using Guard = Vesk::Forms::detail::Terminal;

namespace {

const std::string on = "\x1b[?1000h\x1b[?1006h";
const std::string off = "\x1b[?1006l\x1b[?1000l";
// xterm-256color's rmcup, the last bytes a stop writes.
const std::string leaveScreen = "\x1b[?1049l";
constexpr auto npos = std::string::npos;

using MouseMode = VeskTest::PseudoTerminal;

// Off at first; switched while the session runs, given back at stop, and
// remembered for the next start. The signal handlers' bytes follow suit.
TEST_F(MouseMode, SwitchesWhileRunningGoesOffAtStopAndIsRememberedAtStart) {
    EXPECT_FALSE(Session::mouse());
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_NE(npos, Guard::restoreSequence().find(off));
    EXPECT_EQ(npos, Guard::resumeSequence().find(on));

    Session::mouse(true);
    EXPECT_TRUE(Session::mouse());
    EXPECT_TRUE(waitForOutput(on));
    EXPECT_NE(npos, Guard::resumeSequence().find(on));
    Session::mouse(false);
    EXPECT_TRUE(waitForOutput(off));
    EXPECT_EQ(npos, Guard::resumeSequence().find(on));
    EXPECT_TRUE(Session::stop());
    // Off already: the stop writes no mode bytes.
    EXPECT_TRUE(waitForOutput(leaveScreen));
    const std::string stopped = output();
    EXPECT_EQ(stopped.rfind(off), stopped.find(off));

    Session::mouse(true);
    EXPECT_TRUE(Session::mouse());
    clearOutput();
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_TRUE(waitForOutput(on));
    EXPECT_TRUE(Session::stop());
    EXPECT_TRUE(waitForOutput(leaveScreen));
    const std::string last = output();
    EXPECT_LT(last.find(on), last.rfind(off));
    Session::mouse(false);
    EXPECT_FALSE(Session::mouse());
}

// Without a session a switch writes nothing; it only takes effect at start.
TEST_F(MouseMode, OffAtStartWritesNoModeBytes) {
    Session::mouse(false);
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_TRUE(Session::stop());
    EXPECT_TRUE(waitForOutput(leaveScreen));
    EXPECT_EQ(npos, output().find("\x1b[?1000"));
    EXPECT_EQ(npos, output().find("\x1b[?1006"));
}

}  // namespace
