#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"

using Vesk::Forms::Session;
using SessionLocale = VeskTest::PseudoTerminal;

// A host that chose no locale gets the environment's character type for the
// session only; a host's own choice is never touched.
TEST_F(SessionLocale, TakesTheEnvironmentsCharacterTypeOnlyWhenTheHostChoseNone) {
    const struct {
        const char* host;         // set by the host before start
        const char* environment;  // LC_ALL
        const char* term;
        const char* during;  // LC_CTYPE while the session runs; null: start fails
    } cases[] = {
        {"C", "C.UTF-8", "xterm-256color", "C.UTF-8"},
        {"POSIX", "C.UTF-8", "xterm-256color", "C.UTF-8"},
        {"C.UTF-8", "C", "xterm-256color", "C.UTF-8"},
        {"C", "no_SUCH.UTF-8", "xterm-256color", "C"},
        {"C", "C.UTF-8", "no-such-terminal-vesk", nullptr},  // the host's locale comes back
    };
    for (const auto& c : cases) {
        ASSERT_NE(nullptr, std::setlocale(LC_CTYPE, c.host));
        const std::string before = std::setlocale(LC_CTYPE, nullptr);
        setenv("LC_ALL", c.environment, 1);
        setenv("TERM", c.term, 1);
        const std::string label = std::string(c.host) + " / " + c.environment + " / " + c.term;
        if (c.during == nullptr) {
            EXPECT_EQ("Cannot initialize terminal!",
                      Vesk::Forms::SessionAccess::errorOf([] { Session::start(Session::None); }))
                << label;
        } else {
            ASSERT_TRUE(Session::start(Session::None)) << label;
            EXPECT_STREQ(c.during, std::setlocale(LC_CTYPE, nullptr)) << label;
            EXPECT_STREQ("C", std::setlocale(LC_NUMERIC, nullptr)) << label;
            ASSERT_TRUE(Session::stop()) << label;
        }
        EXPECT_EQ(before, std::setlocale(LC_CTYPE, nullptr)) << label;
    }
    std::setlocale(LC_CTYPE, "C");
    unsetenv("LC_ALL");
}
