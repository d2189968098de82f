// GoogleTest's results reach the real standard output of a test that runs
// a form in its own process (forms/testing/GTest.h): a program failing on
// purpose is run with its output read through a pipe.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The program's standard output and exit code.
std::pair<std::string, int> runReporter(const std::string& filter) {
    const std::string command =
        std::string(VESK_FAILURE_REPORTER) + " --gtest_filter=" + filter + " </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {"", -1};
    }
    std::string output;
    char chunk[4096];
    for (std::size_t length; (length = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        output.append(chunk, length);
    }
    const int status = pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Reporter, WritesResultsAndFailureMessagesOutsideTheTerminal) {
    struct Case {
        std::string filter;
        int exitCode;
        std::vector<std::string> shown;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"OnPurpose.FailsWhileAttached",
         1,
         {"[ RUN      ] OnPurpose.FailsWhileAttached", "FailsOnPurpose.cpp:", "Which is: 54",
          "the answer is off", "[  FAILED  ] OnPurpose.FailsWhileAttached (",
          "[  FAILED  ] 1 test, listed below:", " 1 FAILED TEST"},
         {"landed on the screen", "after the checks"}},
        {"OnPurpose.PassesWhileAttached",
         0,
         {"[==========] Running 1 test from 1 test suite.",
          "[       OK ] OnPurpose.PassesWhileAttached (", "[  PASSED  ] 1 test."},
         {"landed on the screen", "FAILED"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        const auto [output, exitCode] = runReporter(c.filter);
        EXPECT_EQ(c.exitCode, exitCode) << output;
        for (const std::string& part : c.shown) {
            EXPECT_NE(std::string::npos, output.find(part)) << part << " missing from\n" << output;
        }
        for (const std::string& part : c.absent) {
            EXPECT_EQ(std::string::npos, output.find(part)) << part << " in\n" << output;
        }
    }
}

}  // namespace
