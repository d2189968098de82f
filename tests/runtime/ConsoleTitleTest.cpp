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
    ssize_t count = 0;
    while (::poll(&ready, 1, 200) == 1 && (count = ::read(source, buffer, sizeof(buffer))) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

}  // namespace

// Needs a process where nothing set a title yet; CTest runs each test alone.
TEST(ConsoleTitle, StartsEmptyAndReturnsWhatWasSet) {
    EXPECT_EQ(GetTitle(), "");
    SetTitle("Inventory \xc3\xa9\n");
    EXPECT_EQ(GetTitle(), "Inventory \xc3\xa9\n");
}

TEST(ConsoleTitle, SendsOnlyToATerminalWithControlsRemoved) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    const std::string title = std::string("Caf\xc3\xa9\x1b]0;evil\x07 A\nB\x7f\x01\0!", 22);
    EXPECT_EQ(sendThrough(slave, master, title), "\x1b]2;Caf\xc3\xa9]0;evil AB!\x07");
    EXPECT_EQ(GetTitle(), title);
    ::close(slave);
    ::close(master);

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_EQ(sendThrough(pipeEnds[1], pipeEnds[0], "Quiet"), "");
    EXPECT_EQ(GetTitle(), "Quiet");
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}
