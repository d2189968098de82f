// Every example as a shell runs it with its input or output redirected: it
// ends at the end of its input, and refuses to start on an output that is
// not a terminal, leaving the keyboard's terminal as it was.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

namespace {

// Runs an example on a new pseudo-terminal with fd `redirected` (0 or 1) on
// /dev/null; returns its exit status, or -1 when it did not end within the
// bound. The terminal's modes after the run go to `modesAfter`.
int runRedirected(const std::string& name, int redirected, termios& modesBefore,
                  termios& modesAfter) {
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        return -2;
    }
    tcgetattr(slave, &modesBefore);
    const std::string path = std::string(VESK_BINARY_DIR) + "/examples/" + name + "/vesk-" + name;
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("TERM", "xterm-256color", 1);
        for (int fd : {0, 1, 2}) {
            dup2(slave, fd);
        }
        const int null = open("/dev/null", redirected == 0 ? O_RDONLY : O_WRONLY);
        dup2(null, redirected);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The screen output is read all along, so a paint never blocks the example.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = -1;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            status = -1;
            break;
        }
        pollfd ready{master, POLLIN, 0};
        char buffer[4096];
        if (poll(&ready, 1, 10) == 1 && (ready.revents & POLLIN) != 0) {
            (void)!read(master, buffer, sizeof buffer);
        }
    }
    tcgetattr(slave, &modesAfter);
    close(master);
    close(slave);
    return status;
}

bool sameModes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

TEST(Examples, EndAtTheEndOfInputAndRefuseAnOutputThatIsNoTerminal) {
    for (const char* name : {"demo", "hello", "login", "settings", "progress", "custom-control",
                             "dialog", "long-form"}) {
        SCOPED_TRACE(name);
        termios before{}, after{};
        const int ended = runRedirected(name, 0, before, after);
        EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == 0) << "status " << ended;
        EXPECT_TRUE(sameModes(before, after));

        const int refused = runRedirected(name, 1, before, after);
        EXPECT_TRUE(WIFEXITED(refused) && WEXITSTATUS(refused) == 1) << "status " << refused;
        EXPECT_TRUE(sameModes(before, after));
    }
}

}  // namespace
