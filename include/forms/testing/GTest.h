#pragma once

/// @file
/// GoogleTest's results written where the user sees them while a test runs
/// a form in its own process. Optional and header-only: include it in a
/// GoogleTest program and link GoogleTest as usual.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "forms/testing/Terminal.h"

namespace Vesk {
namespace Forms {
namespace Testing {

/// A GoogleTest result printer that writes through
/// Terminal::writeToRealOutput(): while a Terminal is attached, standard
/// output is the pseudo-terminal, and GoogleTest's own printer would put
/// failure messages on the screen the test reads instead of before the user.
/// Its lines are those of GoogleTest's printer, without colours. Installed
/// by reportToRealOutput().
class RealOutputPrinter : public ::testing::EmptyTestEventListener {
public:
    /// The number of tests and suites to run.
    void OnTestIterationStart(const ::testing::UnitTest& unit, int) override {
        write("[==========] Running " + count(unit.test_to_run_count(), "test") + " from " +
              count(unit.test_suite_to_run_count(), "test suite") + ".\n");
    }
    /// The test's name as it starts.
    void OnTestStart(const ::testing::TestInfo& test) override {
        write("[ RUN      ] " + nameOf(test) + "\n");
    }
    /// A failure's place and message, or a skip's.
    void OnTestPartResult(const ::testing::TestPartResult& part) override {
        if (part.type() == ::testing::TestPartResult::kSuccess) {
            return;
        }
        std::ostringstream out;
        if (part.file_name() != nullptr) {
            out << part.file_name() << ":" << part.line_number() << ": ";
        }
        out << (part.skipped() ? "Skipped" : "Failure") << "\n" << part.message() << "\n";
        write(out.str());
    }
    /// The test's outcome and time.
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const ::testing::TestResult& result = *test.result();
        const char* mark = result.Skipped()  ? "[  SKIPPED ] "
                           : result.Passed() ? "[       OK ] "
                                             : "[  FAILED  ] ";
        write(mark + nameOf(test) + " (" + std::to_string(result.elapsed_time()) + " ms)\n");
    }
    /// The totals, and the tests that failed by name.
    void OnTestIterationEnd(const ::testing::UnitTest& unit, int) override {
        std::string out = "[==========] " + count(unit.test_to_run_count(), "test") + " from " +
                          count(unit.test_suite_to_run_count(), "test suite") + " ran. (" +
                          std::to_string(unit.elapsed_time()) + " ms total)\n";
        out += "[  PASSED  ] " + count(unit.successful_test_count(), "test") + ".\n";
        if (unit.skipped_test_count() > 0) {
            out += "[  SKIPPED ] " + count(unit.skipped_test_count(), "test") + ".\n";
        }
        if (unit.failed_test_count() > 0) {
            out += "[  FAILED  ] " + count(unit.failed_test_count(), "test") + ", listed below:\n";
            for (int s = 0; s < unit.total_test_suite_count(); ++s) {
                const ::testing::TestSuite& suite = *unit.GetTestSuite(s);
                for (int t = 0; t < suite.total_test_count(); ++t) {
                    const ::testing::TestInfo& test = *suite.GetTestInfo(t);
                    if (test.result()->Failed()) {
                        out += "[  FAILED  ] " + nameOf(test) + "\n";
                    }
                }
            }
            out += "\n " + std::to_string(unit.failed_test_count()) + " FAILED TEST" +
                   (unit.failed_test_count() == 1 ? "" : "S") + "\n";
        }
        write(out);
    }

private:
    // The test's own buffered output goes first, as with GoogleTest's printer.
    static void write(const std::string& text) {
        std::fflush(stdout);
        Terminal::writeToRealOutput(text);
    }
    static std::string nameOf(const ::testing::TestInfo& test) {
        return std::string(test.test_suite_name()) + "." + test.name();
    }
    static std::string count(int n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    }
};

/// Replaces GoogleTest's result printer with a RealOutputPrinter, so that
/// failure messages and results reach the real standard output even while
/// a Terminal is attached. Call it once, after testing::InitGoogleTest()
/// and before RUN_ALL_TESTS(); later calls change nothing.
inline void reportToRealOutput() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    listeners.Append(new RealOutputPrinter);
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
