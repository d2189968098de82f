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

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "forms/Control.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/SessionAccess.h"
#include "terminal/Terminal.h"

// Last: it defines a macro for every capability.
#include <term.h>

using Vesk::Forms::Session;
using Guard = Vesk::Forms::detail::Terminal;
constexpr auto npos = std::string::npos;

namespace {

// The signals whose actions a session changes while it runs.
constexpr int signalsTaken[] = {SIGINT, SIGTERM, SIGHUP,  SIGQUIT, SIGSEGV, SIGBUS,
                                SIGFPE, SIGILL,  SIGABRT, SIGTSTP, SIGWINCH};
constexpr int takenCount = sizeof signalsTaken / sizeof *signalsTaken;
int reportFd = -1;

void report(char byte) {
    (void)!::write(reportFd, &byte, 1);
}

bool sameModes(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// What a child tells once its session runs.
struct Started {
    termios program;
    char restore[512];
    char resume[512];
};

// A session in a child process on a pseudo-terminal of its own, the way a
// host runs it, so the child can die of its signal.
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
            close(fd);
        }
    }

    // Runs `setup` as the host before start, starts a session, then `body`.
    void spawn(void (*setup)(), void (*body)()) {
        int pipeFds[2];
        ASSERT_EQ(0, pipe(pipeFds));
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            reportFd = pipeFds[1];
            setpgid(0, 0);  // a group of its own that still stops on SIGTSTP
            rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            for (int number : signalsTaken) {
                ::signal(number, SIG_DFL);  // sanitizer runtimes catch some faults themselves
            }
            setup();
            dup2(slave, 0);
            dup2(slave, 1);
            setenv("TERM", "xterm-256color", 1);
            if (!Session::start(Session::None)) {
                _exit(90);
            }
            // Taken here: a child that faults at once gives the modes back
            // before the parent could look.
            Started started{};
            tcgetattr(1, &started.program);
            std::snprintf(started.restore, sizeof started.restore, "%s",
                          Guard::restoreSequence().c_str());
            std::snprintf(started.resume, sizeof started.resume, "%s",
                          Guard::resumeSequence().c_str());
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

    // A child's report is one write of less than PIPE_BUF bytes: it arrives whole.
    bool readReport(void* into, std::size_t size) {
        pollfd fd{fromChild, POLLIN, 0};
        for (int round = 0; round < 500 && poll(&fd, 1, 10) == 0; ++round) {
            drainOutput();
        }
        drainOutput();
        return ::read(fromChild, into, size) == static_cast<ssize_t>(size);
    }
    char nextReport() {
        char byte = '?';
        readReport(&byte, 1);
        return byte;
    }
    void drainOutput() {
        char buffer[4096];
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) {
            output.append(buffer, static_cast<std::size_t>(n));
        }
    }

    // Waits for the child to end or stop, reading its output meanwhile so
    // that it never blocks on a full terminal. `resend`, when given, is sent
    // again each second under ThreadSanitizer, which can hold back a signal
    // sent from outside for good; elsewhere one signal must do.
    int waitChild(int options = 0, int resend = 0) {
        int status = -1;
        for (int round = 1;; ++round) {
            const pid_t ended = waitpid(pid, &status, options | WNOHANG);
            if (ended != 0) {
                break;
            }
            drainOutput();
            usleep(1000);
#ifdef __SANITIZE_THREAD__
            if (resend != 0 && round % 1000 == 0) {
                kill(pid, resend);
            }
#else
            (void)resend;
#endif
        }
        finished = !WIFSTOPPED(status);
        drainOutput();
        return status;
    }

    bool slaveHas(const termios& expected) {
        termios modes{};
        tcgetattr(slave, &modes);
        return sameModes(expected, modes);
    }
    bool outputEndsWithRestore() {
        return output.size() >= restore.size() &&
               output.compare(output.size() - restore.size(), npos, restore) == 0;
    }

    // The child's host loop, which reports each KeyResize.
    static void reportResizes() {
        for (;;) {
            if (Session::getEvent() == Vesk::KeyResize) {
                report('K');
            }
        }
    }

    int master = -1, slave = -1, fromChild = -1;
    pid_t pid = -1;
    bool finished = false;
    termios hostModes{}, programModes{};
    std::string restore, resume, output;
};

struct FatalCase {
    int signal;
    const char* name;
    void (*fault)();  // null: the parent sends the signal
};

void PrintTo(const FatalCase& fatal, std::ostream* out) {
    *out << fatal.name;  // keeps addresses out of the names CTest sees
}

// clang-format off
const FatalCase fatalCases[] = {
    {SIGINT, "INT", nullptr}, {SIGTERM, "TERM", nullptr}, {SIGHUP, "HUP", nullptr}, {SIGQUIT, "QUIT", nullptr},
    {SIGSEGV, "SEGV", [] { *static_cast<volatile char*>(mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)) = 1; }},
    {SIGBUS, "BUS", [] { (void)*static_cast<volatile char*>(mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fileno(std::tmpfile()), 0)); }},
    {SIGFPE, "FPE", [] { raise(SIGFPE); }},
    {SIGILL, "ILL", [] { __builtin_trap(); }},
    {SIGABRT, "ABRT", [] { std::terminate(); }}};
// clang-format on

class FatalSignal : public GuardedChild, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalSignal, GivesTheTerminalBackThenEndsWithTheSignal) {
    const FatalCase& fatal = GetParam();
    // Short sleeps rather than pause(): ThreadSanitizer runs a handler only
    // when the thread next enters an intercepted call, and a signal that
    // lands just before pause() would otherwise wait for another one.
    spawn([] {}, fatal.fault != nullptr ? fatal.fault : [] {
        for (;;) {
            usleep(10000);
        }
    });
    if (fatal.fault == nullptr) {
        kill(pid, fatal.signal);
    }
    const int status = waitChild(0, fatal.fault == nullptr ? fatal.signal : 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(fatal.signal, WTERMSIG(status));
    EXPECT_TRUE(slaveHas(hostModes));
    EXPECT_TRUE(outputEndsWithRestore());

    // The restore bytes are the terminal's own, title included.
    setupterm("xterm-256color", slave, nullptr);
    for (const char* name : {"sgr0", "cnorm", "rmkx", "rmcup"}) {
        EXPECT_NE(npos, restore.find(tigetstr(name))) << name;
    }
    EXPECT_NE(npos, restore.find("\x1b[23;0t"));
    // Bracketed paste goes off with the rest, and on again after a stop.
    EXPECT_NE(npos, restore.find("\x1b[?2004l"));
    EXPECT_NE(npos, resume.find("\x1b[?2004h"));
}

INSTANTIATE_TEST_SUITE_P(Signals, FatalSignal, ::testing::ValuesIn(fatalCases),
                         [](const ::testing::TestParamInfo<FatalCase>& info) {
                             return std::string(info.param.name);
                         });

void exitFromInterrupt(int) {
    termios modes{};
    tcgetattr(1, &modes);
    report((modes.c_lflag & ECHO) != 0 ? 'R' : 'N');
    _exit(3);
}

void noteQuit(int, siginfo_t* info, void*) {
    report(info->si_signo == SIGQUIT ? 'Q' : 'q');
}

// A host handler that returns gets the session back; one that exits has
// the terminal as it was.
TEST_F(GuardedChild, HostHandlersRunAfterTheRestore) {
    spawn(
        [] {
            ::signal(SIGINT, exitFromInterrupt);
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
    EXPECT_TRUE(slaveHas(programModes));
    EXPECT_NE(npos, output.find(restore + resume));

    kill(pid, SIGINT);
    const int status = waitChild(0, SIGINT);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(3, WEXITSTATUS(status));
    EXPECT_EQ('R', nextReport());
    EXPECT_TRUE(slaveHas(hostModes));
}

TEST_F(GuardedChild, StopsWithTheTerminalGivenBackAndResumesWithARedraw) {
    spawn([] {}, reportResizes);
    // Flow control among the modes: on while stopped, off again after.
    EXPECT_TRUE((hostModes.c_iflag & IXON) != 0 && (programModes.c_iflag & IXON) == 0);
    // Twice: the handler is in place again after the first round.
    for (int round = 0; round < 2; ++round) {
        kill(pid, SIGTSTP);
        const int status = waitChild(WUNTRACED);
        ASSERT_TRUE(WIFSTOPPED(status) && WSTOPSIG(status) == SIGTSTP) << "status " << status;
        EXPECT_TRUE(slaveHas(hostModes));
        EXPECT_TRUE(outputEndsWithRestore());
        const std::size_t stopped = output.size() - restore.size();
        kill(pid, SIGCONT);
        EXPECT_EQ('K', nextReport());
        drainOutput();
        EXPECT_TRUE(slaveHas(programModes));
        EXPECT_EQ(stopped, output.find(restore + resume, stopped));
    }
    kill(pid, SIGTERM);
    const int status = waitChild(0, SIGTERM);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
    EXPECT_TRUE(slaveHas(hostModes));
}

// A host that ends with exit() and forgets stop, keys still coming in:
// the terminal is given back and the keyboard worker ends before the
// statics it posts to are destroyed.
TEST_F(GuardedChild, ExitWithoutStopGivesTheTerminalBack) {
    spawn([] {}, [] {
        while (Session::getEvent() != 'q') {
        }
        std::exit(0);
    });
    ASSERT_EQ(5, ::write(master, "abcdq", 5));
    const int status = waitChild();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(0, WEXITSTATUS(status));
    EXPECT_TRUE(slaveHas(hostModes));
    // The normal screen is back, as after a stop.
    const std::size_t left = output.rfind("\x1b[?1049l");
    EXPECT_TRUE(left != npos && left > output.rfind("\x1b[?1049h"));
}

// Mouse reports, on since start: off while stopped, on again after.
TEST_F(GuardedChild, MouseReportsGoOffAtAStopAndOnAtTheResume) {
    spawn([] { Session::mouse(true); }, reportResizes);
    const std::string on = "\x1b[?1000h\x1b[?1006h";
    EXPECT_NE(npos, restore.find("\x1b[?1006l\x1b[?1000l"));
    EXPECT_NE(npos, resume.find(on));
    kill(pid, SIGTSTP);
    const int status = waitChild(WUNTRACED);
    ASSERT_TRUE(WIFSTOPPED(status) && WSTOPSIG(status) == SIGTSTP) << "status " << status;
    EXPECT_TRUE(outputEndsWithRestore());
    const std::size_t stopped = output.size() - restore.size();
    kill(pid, SIGCONT);
    EXPECT_EQ('K', nextReport());
    drainOutput();
    EXPECT_EQ(stopped, output.find(restore + resume, stopped));
    kill(pid, SIGTERM);
    waitChild(0, SIGTERM);
    EXPECT_TRUE(outputEndsWithRestore());
}

void hostTerminate() {
    report('T');
    std::abort();
}

// A host mistake during a session, uncaught.
void activateUnattached() noexcept {
    dup2(1, 2);
    Vesk::Forms::Page page;
    Vesk::Forms::Control control;
    page.activeControl(&control);
}

// An uncaught error is told on standard error once the terminal is given
// back, then the host's terminate handler runs; also when the error is the
// start's own, thrown with no session left to give back.
TEST_F(GuardedChild, UncaughtErrorsAreToldAfterTheTerminalIsGivenBack) {
    spawn([] { std::set_terminate(hostTerminate); }, activateUnattached);
    int status = waitChild();
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << "status " << status;
    EXPECT_EQ('T', nextReport());
    EXPECT_TRUE(slaveHas(hostModes));
    const std::string told = "vesk-forms: uncaught exception: ";
    const std::size_t message = output.find(told + "Cannot activate control of another page!");
    ASSERT_NE(npos, message) << output;
    EXPECT_LT(output.rfind(restore, message), message);

    output.clear();
    pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGABRT, SIG_DFL);
        for (int fd : {0, 1, 2}) {
            dup2(slave, fd);
        }
        unsetenv("TERM");
        [&]() noexcept { Session::start(Session::None); }();
        _exit(0);
    }
    finished = false;
    status = waitChild();
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << "status " << status;
    EXPECT_NE(npos, output.find(told + "Cannot initialize terminal!")) << output;
}

// In this process, on the fixture's terminal.
using GuardedSession = VeskTest::PseudoTerminal;

void hostHandler(int) {}

// Each round also checks the title: saved and given back on xterms only.
TEST_F(GuardedSession, KeepsIgnoredSignalsPutsBackEveryActionAndTheTitleAtStop) {
    // Each set once through sigaction, so the flags read back are the ones
    // the C library adds to every action it sets.
    struct sigaction saved[takenCount], before[takenCount], now{};
    for (int i = 0; i < takenCount; ++i) {
        sigaction(signalsTaken[i], nullptr, &saved[i]);
        sigaction(signalsTaken[i], &saved[i], nullptr);
    }
    ::signal(SIGHUP, SIG_IGN);
    ::signal(SIGINT, hostHandler);
    ::signal(SIGWINCH, hostHandler);
    ::signal(SIGTERM, SIG_DFL);
    for (int i = 0; i < takenCount; ++i) {
        sigaction(signalsTaken[i], nullptr, &before[i]);
    }
    const std::string push = "\x1b[22;0t", pop = "\x1b[23;0t";
    for (const char* term : {"xterm-256color", "vt100", "no-such-terminal", "xterm", "screen"}) {
        const bool xterm = std::strncmp(term, "xterm", 5) == 0;
        setenv("TERM", term, 1);
        clearOutput();
        if (std::strcmp(term, "no-such-terminal") == 0) {
            EXPECT_EQ("Cannot initialize terminal!",
                      Vesk::Forms::SessionAccess::errorOf([] { Session::start(Session::None); }));
        } else {
            ASSERT_TRUE(Session::start(Session::None));
            struct sigaction guard {};
            sigaction(SIGTERM, nullptr, &guard);
            ASSERT_TRUE((guard.sa_flags & SA_SIGINFO) != 0);
            for (int number : signalsTaken) {
                sigaction(number, nullptr, &now);
                if (number == SIGWINCH) {
                    EXPECT_NE(&hostHandler, now.sa_handler);
                } else {
                    EXPECT_EQ(number == SIGHUP ? SIG_IGN : guard.sa_handler, now.sa_handler)
                        << strsignal(number);
                }
            }
            if (xterm) {
                EXPECT_TRUE(waitForOutput(push)) << term;
                EXPECT_EQ(npos, output().find(pop)) << term;
            }
            ASSERT_TRUE(Session::stop());
        }
        for (int i = 0; i < takenCount; ++i) {
            sigaction(signalsTaken[i], nullptr, &now);
            EXPECT_EQ(before[i].sa_handler, now.sa_handler) << term << strsignal(signalsTaken[i]);
            EXPECT_EQ(before[i].sa_flags, now.sa_flags) << term << strsignal(signalsTaken[i]);
        }
        EXPECT_EQ(xterm, waitForOutput(pop, xterm ? 2000 : 100)) << term;
        if (std::strcmp(term, "no-such-terminal") != 0) {
            // Bracketed paste is on for the session only, whatever the terminal.
            EXPECT_TRUE(waitForOutput("\x1b[?2004l")) << term;
            EXPECT_LT(output().find("\x1b[?2004h"), output().rfind("\x1b[?2004l")) << term;
        } else {
            EXPECT_EQ(npos, output().find("\x1b[?2004h")) << term;
        }
        const std::string text = output();
        EXPECT_EQ(xterm, text.find(push) != npos) << term;
        if (xterm) {
            EXPECT_GT(text.rfind(pop), text.find(push)) << term;
        }
    }
    for (int i = 0; i < takenCount; ++i) {
        sigaction(signalsTaken[i], &saved[i], nullptr);
    }
}

}  // namespace
