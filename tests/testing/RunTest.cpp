// The kit starting programs on its pseudo-terminal: their arguments,
// environment, exit codes, and the bytes its keys and clicks send.
#include <signal.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Terminal;

namespace {

TEST(Run, StartsProgramsWithArgumentsEnvironmentAndDirectory) {
    struct Case {
        std::vector<std::string> command;
        std::vector<std::string> environment;
        std::string directory;
        bool starts;
        std::string shown;
        int exitCode;
    };
    const std::string show = "printf '%s|%s|%s|%s' \"$TERM\" \"$GREETING\" \"$PWD\" \"$0\"; exit 3";
    const Case cases[] = {
        {{"sh", "-c", show, "Ünï"}, {"GREETING=héllo 世界"}, "/tmp", true,
         "xterm-256color|héllo 世界|/tmp|Ünï", 3},
        {{"sh", "-c", "kill -TERM $$"}, {}, "", true, "", 128 + SIGTERM},
        {{"/nonexistent/program"}, {}, "", false, "", -1},
        {{"sh", "-c", "true"}, {}, "/nonexistent-directory", false, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.back());
        Terminal terminal(5, 60);
        const std::vector<std::string> arguments(c.command.begin() + 1, c.command.end());
        ASSERT_EQ(c.starts, terminal.run(c.command[0], arguments, c.environment, c.directory));
        if (!c.starts) {
            EXPECT_FALSE(terminal.running());
            continue;
        }
        EXPECT_EQ(c.exitCode, terminal.wait());
        EXPECT_FALSE(terminal.running());
        if (!c.shown.empty()) {
            EXPECT_TRUE(terminal.waitFor(c.shown)) << terminal.text();
        }
        // The program ended: another may start.
        EXPECT_TRUE(terminal.run("true"));
        EXPECT_EQ(0, terminal.wait());
    }
}

// The test's LINES and COLUMNS would override the terminal's size in the
// program; only those the test passes reach it.
TEST(Run, LeavesTheSizeToTheTerminalUnlessTold) {
    struct Case {
        std::vector<std::string> environment;
        std::string shown;
    };
    const Case cases[] = {
        {{}, "[|] 5 60"},
        {{"LINES=7"}, "[7|] 5 60"},
        {{"COLUMNS=33", "LINES=8"}, "[8|33] 5 60"},
    };
    setenv("LINES", "40", 1);
    setenv("COLUMNS", "120", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        Terminal terminal(5, 60);
        ASSERT_TRUE(terminal.run(
            "sh", {"-c", "printf '[%s|%s] %s' \"$LINES\" \"$COLUMNS\" \"$(stty size)\""},
            c.environment));
        EXPECT_EQ(0, terminal.wait());
        EXPECT_TRUE(terminal.waitFor(c.shown)) << terminal.text();
    }
    EXPECT_STREQ("40", std::getenv("LINES"));
    unsetenv("LINES");
    unsetenv("COLUMNS");
}

// Sending waits for the program to take the bytes without holding up the
// reading of its output: a program writing all it reads, with the terminal
// echoing it too, takes a megabyte; one that never reads makes the send give
// up after its timeout.
TEST(Run, SendsAMegabyteWithoutStallingTheReader) {
    struct Case {
        std::string command;
        bool taken;
    };
    const Case cases[] = {
        // Counts what it read once Ctrl+D ends the input.
        {"tee /dev/tty | wc -c", true},
        {"sleep 30", false},
    };
    std::string megabyte;
    for (int line = 0; line < 10000; ++line) {
        megabyte += std::string(99, static_cast<char>('a' + line % 26)) + "\n";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Terminal terminal(5, 60);
        ASSERT_TRUE(terminal.run("sh", {"-c", c.command}));
        const auto timeout = std::chrono::milliseconds(c.taken ? 60000 : 200);
        EXPECT_EQ(c.taken, terminal.type(megabyte, timeout));
        if (c.taken) {
            EXPECT_TRUE(terminal.type("\x04"));
            const auto counted = terminal.waitFor("1000000", std::chrono::seconds(30));
            EXPECT_TRUE(counted) << counted;
        }
    }
}

TEST(Run, EndsTheProgramWhenTheTerminalGoes) {
    int pid = 0;
    {
        Terminal terminal(5, 40);
        // A program that ignores SIGTERM needs the SIGKILL.
        ASSERT_TRUE(terminal.run("sh", {"-c", "trap '' TERM; echo pid=$$; exec sleep 30"}));
        ASSERT_TRUE(terminal.waitFor("pid="));
        EXPECT_FALSE(terminal.run("true")) << "one program at a time";
        EXPECT_FALSE(terminal.attach());
        pid = std::stoi(terminal.row(0).substr(4));
        EXPECT_TRUE(terminal.running());
        EXPECT_EQ(-1, terminal.wait(std::chrono::milliseconds(20)));
    }
    EXPECT_NE(0, kill(pid, 0));
    EXPECT_EQ(ESRCH, errno);
}

// Each key is read raw by od on the other side; application cursor keys
// (DECCKM) change the arrows and Home.
TEST(Run, SendsTheBytesOfATerminalsKeysAndClicks) {
    struct Case {
        const char* what;
        const char* modes;  // written by the program before it reads
        std::function<bool(Terminal&)> act;
        const char* bytes;
    };
    const auto key = [](Vesk::Event event) {
        return [event](Terminal& t) { return t.press(event); };
    };
    const Case cases[] = {
        {"up", "", key(Vesk::KeyUp), "1b 5b 41"},
        {"up, application keys", "\\033[?1h", key(Vesk::KeyUp), "1b 4f 41"},
        {"home, application keys", "\\033[?1h", key(Vesk::KeyHome), "1b 4f 48"},
        {"end", "", key(Vesk::KeyEnd), "1b 5b 46"},
        {"back-tab", "", key(Vesk::KeyBackTab), "1b 5b 5a"},
        {"tab", "", key(Vesk::KeyTab), "09"},
        {"F10", "", key(Vesk::KeyF10), "1b 5b 32 31 7e"},
        {"delete", "", key(Vesk::KeyDelete), "1b 5b 33 7e"},
        {"page down", "", key(Vesk::KeyNextPage), "1b 5b 36 7e"},
        {"page up", "", key(Vesk::KeyPreviousPage), "1b 5b 35 7e"},
        {"enter", "", key(Vesk::KeyEnter), "0d"},
        {"backspace", "", key(Vesk::KeyBackspace), "7f"},
        {"escape", "", key(Vesk::KeyEscape), "1b"},
        {"escape as an int", "", [](Terminal& t) { return t.press(0x1B); }, "1b"},
        {"a char", "", [](Terminal& t) { return t.press('a'); }, "61"},
        {"a tab char", "", [](Terminal& t) { return t.press('\t'); }, "09"},
        {"a code point", "", [](Terminal& t) { return t.press(U'é'); }, "c3 a9"},
        {"a control code point", "", [](Terminal& t) { return t.press(U'\x1b'); }, "1b"},
        {"a character event as an int", "",
         [](Terminal& t) { return t.press(Vesk::CharacterEvent(U'Ж')); }, "d0 96"},
        {"ctrl-c", "", key(static_cast<Vesk::Event>(0x03)), "03"},
        {"CJK", "", key(static_cast<Vesk::Event>(Vesk::CharacterEvent(U'世'))), "e4 b8 96"},
        {"typed", "", [](Terminal& t) { return t.type("é\t"); }, "c3 a9 09"},
        {"click, SGR reports", "\\033[?1000h\\033[?1006h",
         [](Terminal& t) { return t.click(2, 4); },
         "1b 5b 3c 30 3b 35 3b 33 4d 1b 5b 3c 30 3b 35 3b 33 6d"},
        {"wheel up, SGR reports", "\\033[?1000h\\033[?1006h",
         [](Terminal& t) { return t.wheel(0, 9, true); }, "1b 5b 3c 36 34 3b 31 30 3b 31 4d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string expected = c.bytes;
        const std::string count = std::to_string((expected.size() + 1) / 3);
        Terminal terminal(5, 80);
        ASSERT_TRUE(terminal.run(
            "sh", {"-c", std::string("stty raw -echo; printf '") + c.modes +
                             "ready\\r\\n'; head -c " + count + " | od -An -tx1 -w64"}));
        ASSERT_TRUE(terminal.waitFor("ready"));
        EXPECT_TRUE(c.act(terminal));
        EXPECT_EQ(0, terminal.wait());
        EXPECT_TRUE(terminal.waitFor(" " + expected)) << terminal.text();
    }
}

TEST(Run, RefusesWhatNoKeyOrPointerSends) {
    Terminal terminal(5, 40);
    ASSERT_TRUE(terminal.run("sh", {"-c", "stty raw -echo; echo ready; sleep 30"}));
    ASSERT_TRUE(terminal.waitFor("ready"));
    EXPECT_FALSE(terminal.press(Vesk::KeyResize));
    EXPECT_FALSE(terminal.press(
        static_cast<Vesk::Event>(Vesk::MouseEvent(Vesk::MouseButton::Left, true, 0, 1, 1))));
    EXPECT_FALSE(terminal.press(static_cast<char>(0xC3))) << "half of a UTF-8 character";
    EXPECT_FALSE(terminal.press(U'\xD800')) << "a surrogate";
    EXPECT_FALSE(terminal.click(1, 1)) << "mouse reports are off";
    EXPECT_FALSE(terminal.wheel(1, 1, true)) << "mouse reports are off";
    EXPECT_FALSE(terminal.resize(0, 10));
    EXPECT_FALSE(terminal.resize(5, 1)) << "no room for a wide character";
    EXPECT_TRUE(terminal.resize(1, 2));
}

}  // namespace
