#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "forms/Session.h"
#include "support/LogLines.h"
#include "support/PseudoTerminal.h"

using Vesk::Forms::Session;
using VeskTest::logMessages;
using Lines = std::vector<std::string>;

namespace {

// The worker writes its id line on its own thread, possibly after start
// has returned; wait until the file holds `count` lines.
Lines waitForLines(std::size_t count) {
    Lines lines;
    for (int i = 0; i < 200; ++i) {
        lines = logMessages(VeskTest::PseudoTerminal::readFile("VeskForms.log"));
        if (lines.size() >= count) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return lines;
}

}  // namespace

using Log = VeskTest::PseudoTerminal;

TEST_F(Log, WritesNothingWithoutSessionOrAtLevelNone) {
    EXPECT_FALSE(Session::log("before", Session::None));
    EXPECT_FALSE(fileExists("VeskForms.log"));

    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_FALSE(Session::log("during", Session::None));
    EXPECT_TRUE(Session::stop());
    EXPECT_FALSE(fileExists("VeskForms.log"));
    EXPECT_FALSE(Session::log("after", Session::Basic));
}

TEST_F(Log, BasicLevelFiltersAndKeepsMessagesAsGiven) {
    ASSERT_TRUE(Session::start(Session::Basic));
    EXPECT_EQ((Lines{"Vesk::Forms application session started", "-----"}), waitForLines(2));

    EXPECT_FALSE(Session::log("verbose", Session::Verbose));
    EXPECT_FALSE(Session::log("trace", Session::Trace));
    EXPECT_TRUE(Session::log("basic", Session::Basic));
    EXPECT_TRUE(Session::log("level none", Session::None));
    EXPECT_TRUE(Session::log("", Session::Basic));
    EXPECT_TRUE(Session::log("\tClick, text: \"OK\"", Session::Basic));

    // Each line is flushed as it is written.
    std::string contents = readFile("VeskForms.log");
    EXPECT_NE(std::string::npos, contents.find("] \n"));

    ASSERT_TRUE(Session::stop());
    EXPECT_EQ((Lines{"Vesk::Forms application session started", "-----", "basic", "level none", "",
                     "\tClick, text: \"OK\"", "Session stopped", "-----"}),
              logMessages(readFile("VeskForms.log")));
}

TEST_F(Log, VerboseSessionWritesSixLinesAtStartAndFourAtStop) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Lines started = waitForLines(6);
    ASSERT_EQ(6u, started.size());

    // The worker writes its line from its own thread, so it may come
    // anywhere after the first line; the host's lines keep their order.
    int workerLines = 0;
    Lines host;
    for (const std::string& line : started) {
        if (line.rfind("Worker thread ID: ", 0) == 0 && line.size() > 18) {
            ++workerLines;
        } else {
            host.push_back(line);
        }
    }
    EXPECT_EQ(1, workerLines);
    EXPECT_NE("Worker thread ID: ", started.front().substr(0, 18));
    EXPECT_EQ((Lines{"Vesk::Forms application session started",
                     "(curses) Screen initialized: noecho keypad colors",
                     "Screen dimensions: 80 x 25 characters", "(curses) 256 color pairs initalized",
                     "-----"}),
              host);

    ASSERT_TRUE(Session::stop());
    Lines all = logMessages(readFile("VeskForms.log"));
    ASSERT_EQ(10u, all.size());
    EXPECT_EQ((Lines{"(curses) Screen uninitialized", "Worker thread detached", "Session stopped",
                     "-----"}),
              Lines(all.begin() + 6, all.end()));
}

TEST_F(Log, OverlappingCallsWriteWholeLines) {
    ASSERT_TRUE(Session::start(Session::Basic));
    const std::string a(200, 'a');
    const std::string b(200, 'b');
    std::thread other([&] {
        for (int i = 0; i < 300; ++i) {
            Session::log(a, Session::Basic);
        }
    });
    for (int i = 0; i < 300; ++i) {
        Session::log(b, Session::Basic);
    }
    other.join();
    ASSERT_TRUE(Session::stop());

    int as = 0;
    int bs = 0;
    for (const std::string& line : logMessages(readFile("VeskForms.log"))) {
        if (line == a) {
            ++as;
        } else if (line == b) {
            ++bs;
        } else {
            EXPECT_TRUE(line == "-----" || line == "Session stopped" ||
                        line == "Vesk::Forms application session started")
                << line;
        }
    }
    EXPECT_EQ(300, as);
    EXPECT_EQ(300, bs);
}

TEST_F(Log, StartTruncatesTheFileOfTheLastSession) {
    ASSERT_TRUE(Session::start(Session::Basic));
    Session::log("first session", Session::Basic);
    ASSERT_TRUE(Session::stop());
    ASSERT_TRUE(Session::start(Session::Basic));
    ASSERT_TRUE(Session::stop());
    EXPECT_EQ(
        (Lines{"Vesk::Forms application session started", "-----", "Session stopped", "-----"}),
        logMessages(readFile("VeskForms.log")));
}
