#include <curses.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <string>
#include <thread>

#include "../../src/session/TerminalGuard.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"

// Last: it defines a macro for every capability.
#include <term.h>

using Vesk::Forms::Session;
using Vesk::Forms::TerminalGuard::restoreSequence;
using Vesk::Forms::TerminalGuard::resumeSequence;

namespace {

constexpr int guardedSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                  SIGBUS, SIGFPE,  SIGILL, SIGABRT, SIGTSTP};

int reportFd = -1;

bool sameModes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// What a child tells once its session runs.
struct Started {
    termios program;
    char restore[512];
    char resume[512];
};

void report(char byte) {
    (void)!::write(reportFd, &byte, 1);
}

// A session in a child process on the slave end of a pseudo-terminal of its
// own, the way a host runs it, so the child can die of its signal.
class GuardedChild : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, openpty(&master, &slave, nullptr, nullptr, nullptr));
        fcntl(master, F_SETFL, O_NONBLOCK);
        ASSERT_EQ(0, tcgetattr(slave, &hostModes));
    }
    void TearDown() override {
        if (pid > 0 && !finished) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        for (int fd : {master, slave, fromChild}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }

    // Runs `setup` (as the host before start), starts a session, sends back
    // the restore bytes and runs `body` in the child.
    void spawn(const std::function<void()>& setup, const std::function<void()>& body) {
        int pipeFds[2];
        ASSERT_EQ(0, pipe(pipeFds));
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(pipeFds[0]);
            reportFd = pipeFds[1];
            setpgid(0, 0);  // a group of its own that still stops on SIGTSTP
            rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            // Sanitizer runtimes catch some faults themselves.
            for (int number : guardedSignals) {
                ::signal(number, SIG_DFL);
            }
            setup();
            dup2(slave, 0);
            dup2(slave, 1);
            setenv("TERM", "xterm-256color", 1);
            if (!Session::start(Session::None)) {
                _exit(90);
            }
            // The modes are taken here: a child that faults at once gives
            // them back before the parent could look.
            Started started{};
            tcgetattr(1, &started.program);
            std::snprintf(started.restore, sizeof started.restore, "%s", restoreSequence().c_str());
            std::snprintf(started.resume, sizeof started.resume, "%s", resumeSequence().c_str());
            (void)!::write(reportFd, &started, sizeof started);
            body();
            _exit(0);
        }
        close(pipeFds[1]);
        fromChild = pipeFds[0];
        Started started{};
        ASSERT_TRUE(readReport(&started, sizeof started));
        programModes = started.program;
        restore = started.restore;
        resume = started.resume;
        ASSERT_FALSE(sameModes(hostModes, programModes)) << "the session changed no mode";
    }

    bool readReport(void* into, std::size_t size) {
        char* at = static_cast<char*>(into);
        while (size > 0) {
            pollfd fd{fromChild, POLLIN, 0};
            drainOutput();
            if (poll(&fd, 1, 5000) <= 0) {
                return false;
            }
            const ssize_t n = ::read(fromChild, at, size);
            if (n <= 0) {
                return false;
            }
            at += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    char nextReport() {
        char byte = 0;
        return readReport(&byte, 1) ? byte : '?';
    }

    void drainOutput() {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
            output.append(buffer, static_cast<std::size_t>(n));
        }
    }

    // Waits for the child to end (or stop), reading what it writes meanwhile.
    int waitChild(int options = 0) {
        int status = 0;
        for (int round = 0; round < 1000; ++round) {
            drainOutput();
            if (waitpid(pid, &status, WNOHANG | options) == pid) {
                finished = !WIFSTOPPED(status);
                drainOutput();
                return status;
            }
            poll(nullptr, 0, 10);
        }
        ADD_FAILURE() << "child did not end";
        return -1;
    }

    termios slaveModes() {
        termios modes{};
        tcgetattr(slave, &modes);
        return modes;
    }

    // The child's host loop, which reports each KeyResize.
    static void reportResizes() {
        for (;;) {
            if (Session::getEvent() == Vesk::KeyResize) {
                report('K');
            }
        }
    }

    int master = -1;
    int slave = -1;
    int fromChild = -1;
    pid_t pid = -1;
    bool finished = false;
    termios hostModes{};
    termios programModes{};
    std::string restore;
    std::string resume;
    std::string output;
};

struct FatalCase {
    int signal;
    const char* name;
    void (*fault)();  // null: the parent sends the signal
};

void touchProtectedPage() {
    void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    *static_cast<volatile char*>(page) = 1;
}

void readPastEndOfFile() {
    std::FILE* file = std::tmpfile();
    void* page = mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fileno(file), 0);
    (void)*static_cast<volatile char*>(page);
}

void raiseFloatingPointError() {
    raise(SIGFPE);
}
void executeIllegalInstruction() {
    __builtin_trap();
}
void terminate() {
    std::terminate();
}

void PrintTo(const FatalCase& fatal, std::ostream* out) {
    *out << fatal.name;
}

class FatalSignal : public GuardedChild, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalSignal, GivesTheTerminalBackThenEndsWithTheSignal) {
    const FatalCase& fatal = GetParam();
    spawn([] {},
          [&fatal] {
              if (fatal.fault != nullptr) {
                  fatal.fault();
              }
              for (;;) {
                  pause();
              }
          });
    if (fatal.fault == nullptr) {
        kill(pid, fatal.signal);
    }
    const int status = waitChild();
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(fatal.signal, WTERMSIG(status));
    EXPECT_TRUE(sameModes(hostModes, slaveModes()));
    EXPECT_TRUE(endsWith(output, restore));

    // The restore bytes are the terminal's own, title included.
    setupterm("xterm-256color", slave, nullptr);
    for (const char* name : {"sgr0", "cnorm", "rmkx", "rmcup"}) {
        EXPECT_NE(std::string::npos, restore.find(tigetstr(name))) << name;
    }
    EXPECT_NE(std::string::npos, restore.find("\x1b[23;0t"));
}

INSTANTIATE_TEST_SUITE_P(
    Signals, FatalSignal,
    ::testing::Values(FatalCase{SIGINT, "INT", nullptr}, FatalCase{SIGTERM, "TERM", nullptr},
                      FatalCase{SIGHUP, "HUP", nullptr}, FatalCase{SIGQUIT, "QUIT", nullptr},
                      FatalCase{SIGSEGV, "SEGV", touchProtectedPage},
                      FatalCase{SIGBUS, "BUS", readPastEndOfFile},
                      FatalCase{SIGFPE, "FPE", raiseFloatingPointError},
                      FatalCase{SIGILL, "ILL", executeIllegalInstruction},
                      FatalCase{SIGABRT, "ABRT", terminate}),
    [](const ::testing::TestParamInfo<FatalCase>& info) { return std::string(info.param.name); });

void exitFromInterrupt(int) {
    termios modes{};
    tcgetattr(1, &modes);
    report((modes.c_lflag & ECHO) != 0 ? 'R' : 'N');
    _exit(3);
}

void noteQuit(int, siginfo_t* info, void*) {
    report(info->si_signo == SIGQUIT ? 'Q' : 'q');
}

TEST_F(GuardedChild, HostHandlerRunsAfterTheRestore) {
    spawn([] { ::signal(SIGINT, exitFromInterrupt); }, [] { pause(); });
    kill(pid, SIGINT);
    const int status = waitChild();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(3, WEXITSTATUS(status));
    EXPECT_EQ('R', nextReport());
    EXPECT_TRUE(sameModes(hostModes, slaveModes()));
}

TEST_F(GuardedChild, HostHandlerThatReturnsGetsTheSessionBack) {
    spawn(
        [] {
            struct sigaction action {};
            action.sa_sigaction = noteQuit;
            action.sa_flags = SA_SIGINFO;
            sigaction(SIGQUIT, &action, nullptr);
        },
        reportResizes);
    kill(pid, SIGQUIT);
    EXPECT_EQ('Q', nextReport());
    EXPECT_EQ('K', nextReport());
    drainOutput();
    EXPECT_TRUE(sameModes(programModes, slaveModes()));
    EXPECT_NE(std::string::npos, output.find(restore + resume));
}

TEST_F(GuardedChild, StopsWithTheTerminalGivenBackAndResumesWithARedraw) {
    spawn([] {}, reportResizes);
    kill(pid, SIGTSTP);
    int status = waitChild(WUNTRACED);
    ASSERT_TRUE(WIFSTOPPED(status)) << "status " << status;
    EXPECT_EQ(SIGTSTP, WSTOPSIG(status));
    EXPECT_TRUE(sameModes(hostModes, slaveModes()));
    EXPECT_TRUE(endsWith(output, restore));

    // Twice: the handler is in place again after the first round.
    for (int round = 0; round < 2; ++round) {
        kill(pid, SIGCONT);
        EXPECT_EQ('K', nextReport());
        drainOutput();
        EXPECT_TRUE(sameModes(programModes, slaveModes()));
        EXPECT_NE(std::string::npos, output.rfind(restore + resume));
        if (round == 0) {
            kill(pid, SIGTSTP);
            ASSERT_TRUE(WIFSTOPPED(waitChild(WUNTRACED)));
        }
    }
    kill(pid, SIGTERM);
    status = waitChild();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
    EXPECT_TRUE(sameModes(hostModes, slaveModes()));
}

// In this process, on the fixture's terminal.
using GuardedSession = VeskTest::PseudoTerminal;

void hostInterrupt(int) {}

TEST_F(GuardedSession, KeepsIgnoredSignalsAndPutsBackEveryActionAtStop) {
    // Each set once through sigaction, so the flags read back are the ones
    // the C library adds to every action it sets.
    struct sigaction saved[10];
    for (int i = 0; i < 10; ++i) {
        sigaction(guardedSignals[i], nullptr, &saved[i]);
        sigaction(guardedSignals[i], &saved[i], nullptr);
    }
    ::signal(SIGHUP, SIG_IGN);
    ::signal(SIGINT, hostInterrupt);
    ::signal(SIGTERM, SIG_DFL);
    struct sigaction before[10];
    for (int i = 0; i < 10; ++i) {
        sigaction(guardedSignals[i], nullptr, &before[i]);
    }

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(Session::start(Session::None));
        struct sigaction guard {};
        sigaction(SIGTERM, nullptr, &guard);
        ASSERT_TRUE((guard.sa_flags & SA_SIGINFO) != 0);
        for (int i = 0; i < 10; ++i) {
            struct sigaction during {};
            sigaction(guardedSignals[i], nullptr, &during);
            if (guardedSignals[i] == SIGHUP) {
                EXPECT_EQ(SIG_IGN, during.sa_handler);
            } else {
                EXPECT_EQ(guard.sa_sigaction, during.sa_sigaction) << strsignal(guardedSignals[i]);
            }
        }
        ASSERT_TRUE(Session::stop());
        for (int i = 0; i < 10; ++i) {
            struct sigaction after {};
            sigaction(guardedSignals[i], nullptr, &after);
            EXPECT_EQ(before[i].sa_handler, after.sa_handler) << strsignal(guardedSignals[i]);
            EXPECT_EQ(before[i].sa_flags, after.sa_flags) << strsignal(guardedSignals[i]);
        }
    }
    for (int i = 0; i < 10; ++i) {
        sigaction(guardedSignals[i], &saved[i], nullptr);
    }
}

TEST_F(GuardedSession, SavesAndGivesBackTheTitleOnXtermsOnly) {
    const struct {
        const char* term;
        bool stack;
    } cases[] = {{"xterm-256color", true}, {"xterm", true}, {"vt100", false}, {"screen", false}};
    for (const auto& c : cases) {
        setenv("TERM", c.term, 1);
        clearOutput();
        ASSERT_TRUE(Session::start(Session::None));
        if (c.stack) {
            EXPECT_TRUE(waitForOutput("\x1b[22;0t")) << c.term;
            EXPECT_EQ(std::string::npos, output().find("\x1b[23;0t")) << c.term;
        }
        ASSERT_TRUE(Session::stop());
        if (c.stack) {
            ASSERT_TRUE(waitForOutput("\x1b[23;0t")) << c.term;
            const std::string text = output();
            EXPECT_GT(text.rfind("\x1b[23;0t"), text.find("\x1b[22;0t")) << c.term;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_EQ(std::string::npos, output().find("\x1b[22;0t")) << c.term;
            EXPECT_EQ(std::string::npos, output().find("\x1b[23;0t")) << c.term;
        }
    }
}

}  // namespace
