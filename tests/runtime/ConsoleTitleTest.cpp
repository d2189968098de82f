#include <cstdio>
#include <string>

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "vesk/ConsoleTitle.h"

using namespace Vesk::Console;

namespace {

// Sets the title with fd 1 pointing at `target`; returns what `source` got.
std::string sendThrough(int target, int source, const std::string& title) {
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(target, STDOUT_FILENO);
    SetTitle(title);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    std::string bytes;
    pollfd ready{source, POLLIN, 0};
    char buffer[256];
    for (ssize_t n;
         ::poll(&ready, 1, 200) == 1 && (n = ::read(source, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

// Needs a process where nothing set a title yet; CTest runs each test alone.
TEST(ConsoleTitle, StartsEmptyAndIsSentOnlyToATerminalWithControlsRemoved) {
    EXPECT_EQ(GetTitle(), "");
    int ends[2];  // master, slave
    ASSERT_EQ(::openpty(&ends[0], &ends[1], nullptr, nullptr, nullptr), 0);
    termios raw{};
    ::tcgetattr(ends[1], &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(ends[1], TCSANOW, &raw);
    const std::string title("Caf\xc3\xa9\x1b]0;evil\x07 A\nB\x7f\x01\0!", 22);
    EXPECT_EQ(sendThrough(ends[1], ends[0], title), "\x1b]2;Caf\xc3\xa9]0;evil AB!\x07");
    EXPECT_EQ(GetTitle(), title);
    // C1 controls in UTF-8 (CSI, ST, ...) go too, also those that a removed
    // control byte would join; other characters (no-break space) stay.
    const struct {
        const char* given;
        const char* sent;
    } c1Cases[] = {
        {"a\xc2\x9bZmb\xc2\x9c\xc2\x80\xc2\x9f", "aZmb"},
        {"\xc2\x0a\x9bXm\xc2\xc2\x9c\x9c!", "Xm!"},
        {"\xc2\xa0\xc3\x9c\xe2\x82\xac\xc2", "\xc2\xa0\xc3\x9c\xe2\x82\xac\xc2"},
    };
    for (const auto& c : c1Cases) {
        EXPECT_EQ(sendThrough(ends[1], ends[0], c.given), std::string("\x1b]2;") + c.sent + "\x07")
            << c.given;
    }
    ::close(ends[0]);
    ::close(ends[1]);

    ASSERT_EQ(::pipe(ends), 0);
    EXPECT_EQ(sendThrough(ends[1], ends[0], "Quiet"), "");
    EXPECT_EQ(GetTitle(), "Quiet");
    ::close(ends[0]);
    ::close(ends[1]);
}

}  // namespace
