#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "forms/Page.h"
#include "forms/Session.h"
#include "forms/TextBox.h"
#include "support/LogLines.h"
#include "support/PseudoTerminal.h"
#include "vesk/Event.h"

using Vesk::Forms::Session;
using Log = VeskTest::PseudoTerminal;
using Lines = std::vector<std::string>;

namespace {

Lines logged() {
    return VeskTest::logMessages(VeskTest::PseudoTerminal::readFile("VeskForms.log"));
}

// The worker writes its line from its own thread, possibly after start has
// returned: waits until the file holds `count` lines.
Lines waitForLines(std::size_t count) {
    Lines lines = logged();
    for (int i = 0; i < 200 && lines.size() < count; ++i, lines = logged()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return lines;
}

}  // namespace

TEST_F(Log, LevelsFilterMessagesStayAsGivenAndStartTruncates) {
    EXPECT_FALSE(Session::log("before", Session::None));
    ASSERT_TRUE(Session::start(Session::None));
    EXPECT_FALSE(Session::log("during", Session::None));
    EXPECT_TRUE(Session::stop());
    EXPECT_FALSE(Session::log("after", Session::Basic));
    EXPECT_FALSE(fileExists("VeskForms.log"));

    ASSERT_TRUE(Session::start(Session::Basic));
    EXPECT_EQ((Lines{"Vesk::Forms application session started", "-----"}), waitForLines(2));
    EXPECT_FALSE(Session::log("verbose", Session::Verbose));
    EXPECT_FALSE(Session::log("trace", Session::Trace));
    EXPECT_TRUE(Session::log("basic", Session::Basic));
    EXPECT_TRUE(Session::log("level none", Session::None));
    EXPECT_TRUE(Session::log("", Session::Basic));
    EXPECT_TRUE(Session::log("\tClick, text: \"OK\"", Session::Basic));
    // Each line is flushed as it is written.
    EXPECT_NE(std::string::npos, readFile("VeskForms.log").find("] \n"));
    ASSERT_TRUE(Session::stop());
    EXPECT_EQ((Lines{"Vesk::Forms application session started", "-----", "basic", "level none", "",
                     "\tClick, text: \"OK\"", "Session stopped", "-----"}),
              logged());

    ASSERT_TRUE(Session::start(Session::Basic));
    ASSERT_TRUE(Session::stop());
    EXPECT_EQ(
        (Lines{"Vesk::Forms application session started", "-----", "Session stopped", "-----"}),
        logged());
}

TEST_F(Log, VerboseSessionWritesSixLinesAtStartAndFourAtStop) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Lines started = waitForLines(6);
    // The worker's line may come anywhere after the first; the host's lines
    // keep their order.
    const auto worker =
        std::find_if(started.begin() + 1, started.end(), [](const std::string& line) {
            return line.rfind("Worker thread ID: ", 0) == 0 && line.size() > 18;
        });
    ASSERT_NE(started.end(), worker);
    started.erase(worker);
    EXPECT_EQ((Lines{"Vesk::Forms application session started",
                     "(curses) Screen initialized: noecho keypad colors",
                     "Screen dimensions: 80 x 25 characters", "(curses) 256 color pairs initalized",
                     "-----"}),
              started);

    ASSERT_TRUE(Session::stop());
    const Lines all = logged();
    ASSERT_EQ(10u, all.size());
    EXPECT_EQ((Lines{"(curses) Screen uninitialized", "Worker thread detached", "Session stopped",
                     "-----"}),
              Lines(all.begin() + 6, all.end()));
}

TEST_F(Log, OverlappingCallsWriteWholeLines) {
    ASSERT_TRUE(Session::start(Session::Basic));
    const std::string a(200, 'a'), b(200, 'b');
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
    const Lines lines = logged();
    EXPECT_EQ(604u, lines.size());  // with the session's own four
    EXPECT_EQ(300, std::count(lines.begin(), lines.end(), a));
    EXPECT_EQ(300, std::count(lines.begin(), lines.end(), b));
}

// Only a regular file takes the log: the session starts at once beside a
// named pipe without a reader (which would block the open for good), a socket,
// a device or a symbolic link, and leaves each as it was, a link's target too.
TEST_F(Log, SkipsAPipeASocketADeviceOrALinkWithoutBlocking) {
    const struct {
        const char* kind;
        void (*make)();
        mode_t type;               // as lstat tells
        const char* target;        // a link's target, or null
        const char* targetHolds;   // its contents afterwards; null: still missing
    } cases[] = {
        {"pipe", [] { ASSERT_EQ(0, mkfifo("VeskForms.log", 0600)); }, S_IFIFO, nullptr, nullptr},
        {"socket",
         [] {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strcpy(address.sun_path, "VeskForms.log");
             const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
             ASSERT_EQ(0, bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
             close(fd);
         },
         S_IFSOCK, nullptr, nullptr},
        {"device", [] { ASSERT_EQ(0, symlink("/dev/null", "VeskForms.log")); }, S_IFLNK, nullptr,
         nullptr},
        {"link to a file",
         [] {
             std::ofstream("kept.txt") << "kept\n";
             ASSERT_EQ(0, symlink("kept.txt", "VeskForms.log"));
         },
         S_IFLNK, "kept.txt", "kept\n"},
        {"dangling link", [] { ASSERT_EQ(0, symlink("created.txt", "VeskForms.log")); }, S_IFLNK,
         "created.txt", nullptr},
    };
    for (const auto& c : cases) {
        unlink("VeskForms.log");
        c.make();
        alarm(20);  // a start that blocks ends the test
        ASSERT_TRUE(Session::start(Session::Verbose)) << c.kind;
        EXPECT_TRUE(Session::log("dropped", Session::Basic)) << c.kind;
        ASSERT_TRUE(Session::stop()) << c.kind;
        alarm(0);
        struct stat info {};
        ASSERT_EQ(0, lstat("VeskForms.log", &info)) << c.kind;
        EXPECT_EQ(c.type, info.st_mode & S_IFMT) << c.kind;
        if (c.target != nullptr) {
            EXPECT_EQ(c.targetHolds != nullptr, fileExists(c.target)) << c.kind;
            EXPECT_EQ(c.targetHolds ? c.targetHolds : "", readFile(c.target)) << c.kind;
        }
    }
}

// What is typed into a password field never reaches the log: its characters
// are named without their code; its other keys, and a plain field's
// characters, keep theirs.
TEST_F(Log, PasswordCharactersAreLoggedWithoutTheirCode) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    {
        Vesk::Forms::Page page;
        Vesk::Forms::TextBox box;
        page.attachChild(&box);
        page.activeControl(&box);
        box.password(true);
        for (int event : {int{'s'}, int{Vesk::CharacterEvent(U'\u00e9')},
                          static_cast<int>(Vesk::KeyBackspace)}) {
            page.raiseEvent(event);
        }
        box.password(false);
        page.raiseEvent('t');
    }
    ASSERT_TRUE(Session::stop());
    Lines events;
    for (const std::string& line : logged()) {
        if (line.rfind("Event 0x", 0) == 0 || line.rfind("Event <", 0) == 0) {
            events.push_back(line);
        }
    }
    EXPECT_EQ((Lines{"Event <masked character> raised on Vqrm1TxtBox",
                     "Event <masked character> raised on Vqrm1TxtBox",
                     "Event 0x00020107 raised on Vqrm1TxtBox",  // Backspace
                     "Event 0x00000074 raised on Vqrm1TxtBox"}),
              events);
}
