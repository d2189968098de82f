#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"

using Vesk::Forms::Session;
using SessionLocale = VeskTest::PseudoTerminal;

namespace {

std::string characterType() {
    return std::setlocale(LC_CTYPE, nullptr);
}

}  // namespace

// A host that chose no locale gets the environment's character type for the
// session only; a host's own choice is never touched.
TEST_F(SessionLocale, TakesTheEnvironmentsCharacterTypeOnlyWhenTheHostChoseNone) {
    const struct {
        const char* host;         // set by the host before start
        const char* environment;  // LC_ALL
        const char* term;
        std::string during;  // LC_CTYPE while the session runs
    } cases[] = {
        {"C", "C.UTF-8", "xterm-256color", "C.UTF-8"},
        {"POSIX", "C.UTF-8", "xterm-256color", "C.UTF-8"},
        {"C.UTF-8", "C", "xterm-256color", "C.UTF-8"},
        {"C", "no_SUCH.UTF-8", "xterm-256color", "C"},
        // A start that fails puts the host's locale back too.
        {"C", "C.UTF-8", "no-such-terminal-vesk", ""},
    };
    for (const auto& c : cases) {
        ASSERT_NE(nullptr, std::setlocale(LC_CTYPE, c.host));
        const std::string before = characterType();
        setenv("LC_ALL", c.environment, 1);
        setenv("TERM", c.term, 1);
        const std::string label = std::string(c.host) + " / " + c.environment + " / " + c.term;
        if (c.during.empty()) {
            try {
                Session::start(Session::None);
                ADD_FAILURE() << label << ": started";
            } catch (std::runtime_error* error) {
                delete error;
            }
        } else {
            ASSERT_TRUE(Session::start(Session::None)) << label;
            EXPECT_EQ(c.during, characterType()) << label;
            EXPECT_STREQ("C", std::setlocale(LC_NUMERIC, nullptr)) << label;
            ASSERT_TRUE(Session::stop()) << label;
        }
        EXPECT_EQ(before, characterType()) << label;
    }
    std::setlocale(LC_CTYPE, "C");
    unsetenv("LC_ALL");
}
