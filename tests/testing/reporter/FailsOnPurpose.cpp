// A GoogleTest program whose test fails on purpose while a terminal is
// attached; ReporterTest runs it and reads what reached its real standard
// output.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "forms/testing/GTest.h"
#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Terminal;

namespace {

// The screen as it is once a line printed after the checks arrived: what
// GoogleTest printed in between would stand above it.
std::string screenAfterChecks(Terminal& terminal) {
    std::printf("after the checks\n");
    std::fflush(stdout);
    return terminal.waitFor("after the checks") ? terminal.text() : "";
}

TEST(OnPurpose, FailsWhileAttached) {
    Terminal terminal(10, 60);
    ASSERT_TRUE(terminal.attach());
    EXPECT_EQ(6 * 9, 42) << "the answer is off";
    const std::string screen = screenAfterChecks(terminal);
    terminal.detach();
    EXPECT_NE("", screen);
    EXPECT_EQ(std::string::npos, screen.find("answer")) << "the message landed on the screen";
}

TEST(OnPurpose, PassesWhileAttached) {
    Terminal terminal(10, 60);
    ASSERT_TRUE(terminal.attach());
    EXPECT_EQ(6 * 7, 42);
    const std::string screen = screenAfterChecks(terminal);
    terminal.detach();
    EXPECT_EQ(std::string::npos, screen.find("RUN")) << "the results landed on the screen";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    Vesk::Forms::Testing::reportToRealOutput();
    return RUN_ALL_TESTS();
}
