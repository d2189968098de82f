#include "session/TerminalGuard.h"

#include <curses.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

// After the standard headers: term.h defines a macro for every capability.
#include <term.h>

#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {

namespace {

// Everything below is written before the handlers go in and only read by
// them, so a handler needs nothing that is not safe in a signal handler.

constexpr int guarded[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                           SIGBUS, SIGFPE,  SIGILL, SIGABRT, SIGTSTP};
constexpr int guardedCount = sizeof guarded / sizeof guarded[0];

struct sigaction hostActions[guardedCount];
bool ours[guardedCount] = {};

// curses' output terminal, and standard input when it is another terminal.
struct Terminal {
    int fd;
    termios host;
    termios program;
};
Terminal terminals[2];
int terminalCount = 0;

struct Bytes {
    char data[512];
    std::size_t size;
};
Bytes restoreBytes{};
Bytes resumeBytes{};

bool hostStateSaved = false;
bool installed = false;
bool titlePushed = false;

// Set while one handler gives the terminal back; another signal meanwhile
// (a fault in the restore, or a signal taken by another thread) goes
// straight on to its own course.
std::atomic<bool> restoring{false};
static_assert(std::atomic<bool>::is_always_lock_free, "handlers need a lock-free flag");

const char titlePush[] = "\x1b[22;0t";
const char titlePop[] = "\x1b[23;0t";

void writeAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Appends the bytes of a capability without its padding ("$<5>"), which only
// tputs understands. A capability that does not fit is left out whole.
void appendRaw(Bytes& bytes, const char* text) {
    char copy[sizeof bytes.data];
    std::size_t size = 0;
    for (const char* p = text; *p != '\0';) {
        if (p[0] == '$' && p[1] == '<') {
            const char* end = std::strchr(p, '>');
            if (end != nullptr) {
                p = end + 1;
                continue;
            }
        }
        if (size == sizeof copy) {
            return;
        }
        copy[size++] = *p++;
    }
    if (bytes.size + size > sizeof bytes.data) {
        return;
    }
    std::memcpy(bytes.data + bytes.size, copy, size);
    bytes.size += size;
}

void appendCapability(Bytes& bytes, const char* name) {
    const char* text = tigetstr(name);
    if (text == nullptr || text == reinterpret_cast<const char*>(-1)) {
        return;
    }
    appendRaw(bytes, text);
}

// The terminals that keep a stack of titles for XTWINOPS 22 and 23. Others
// may print the sequence or take it for something else, so only the xterm
// family (which includes the VTE terminals) is asked.
bool keepsTitleStack() {
    const char* term = std::getenv("TERM");
    return term != nullptr && std::strncmp(term, "xterm", 5) == 0;
}

bool sameDevice(int a, int b) {
    struct stat first {};
    struct stat second {};
    return fstat(a, &first) == 0 && fstat(b, &second) == 0 && first.st_rdev == second.st_rdev;
}

int indexOf(int signal) {
    for (int i = 0; i < guardedCount; ++i) {
        if (guarded[i] == signal) {
            return i;
        }
    }
    return -1;
}

void giveBack() {
    if (restoring.exchange(true)) {
        return;
    }
    for (int i = 0; i < terminalCount; ++i) {
        tcsetattr(terminals[i].fd, TCSANOW, &terminals[i].host);
    }
    writeAll(restoreBytes.data, restoreBytes.size);
    restoring.store(false);
}

void takeAgain() {
    for (int i = 0; i < terminalCount; ++i) {
        tcsetattr(terminals[i].fd, TCSANOW, &terminals[i].program);
    }
    writeAll(resumeBytes.data, resumeBytes.size);
    // Only the host thread may draw: it gets the event and repaints in full.
    Vesk::IO::NotifyResize();
}

void onSignal(int signal, siginfo_t* info, void* context);

struct sigaction guardAction() {
    struct sigaction action {};
    action.sa_sigaction = onSignal;
    // SA_ONSTACK: a host that set up an alternate stack still gets its
    // terminal back after a stack overflow.
    action.sa_flags = SA_SIGINFO | SA_RESTART | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : guarded) {
        sigaddset(&action.sa_mask, signal);
    }
    return action;
}

bool isGuard(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == onSignal;
}

void setDefault(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

void unblock(int signal) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

// Runs the host's handler the way the kernel would have: with its mask and
// the same siginfo. True when it returned and left the signal to us, so the
// process goes on with the session.
bool runHostHandler(int signal, const struct sigaction& host, siginfo_t* info, void* context) {
    sigset_t saved;
    sigprocmask(SIG_BLOCK, &host.sa_mask, &saved);
    if ((host.sa_flags & SA_SIGINFO) != 0) {
        host.sa_sigaction(signal, info, context);
    } else {
        host.sa_handler(signal);
    }
    sigprocmask(SIG_SETMASK, &saved, nullptr);

    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    return isGuard(now);
}

void onSignal(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const int index = indexOf(signal);
    if (index < 0) {
        return;
    }
    giveBack();

    const struct sigaction& host = hostActions[index];
    const bool hostHandles = (host.sa_flags & SA_SIGINFO) != 0 ||
                             (host.sa_handler != SIG_DFL && host.sa_handler != SIG_IGN);
    if (hostHandles) {
        if (runHostHandler(signal, host, info, context)) {
            takeAgain();
        }
    } else {
        // The default action, unblocked so that it happens now: the process
        // ends (or stops) with this very signal. A fault returned to with the
        // default action in place would end it the same way.
        setDefault(signal);
        unblock(signal);
        raise(signal);
        if (signal == SIGTSTP) {
            // Continued.
            struct sigaction action = guardAction();
            sigaction(SIGTSTP, &action, nullptr);
            takeAgain();
        }
    }
    errno = savedErrno;
}

}  // namespace

void TerminalGuard::saveHostState() {
    for (int i = 0; i < guardedCount; ++i) {
        sigaction(guarded[i], nullptr, &hostActions[i]);
    }
    terminalCount = 0;
    if (tcgetattr(STDOUT_FILENO, &terminals[0].host) == 0) {
        terminals[0].fd = STDOUT_FILENO;
        terminalCount = 1;
    }
    if (tcgetattr(STDIN_FILENO, &terminals[terminalCount].host) == 0 &&
        (terminalCount == 0 || !sameDevice(STDIN_FILENO, STDOUT_FILENO))) {
        terminals[terminalCount].fd = STDIN_FILENO;
        ++terminalCount;
    }
    hostStateSaved = true;
}

void TerminalGuard::install() {
    if (installed) {
        return;
    }
    if (!hostStateSaved) {
        saveHostState();
    }
    for (int i = 0; i < terminalCount; ++i) {
        if (tcgetattr(terminals[i].fd, &terminals[i].program) != 0) {
            terminals[i].program = terminals[i].host;
        }
    }

    // The cursor is not hidden again on resume: the session leaves it
    // visible, and curses puts its own idea of it back as it redraws.
    titlePushed = isatty(STDOUT_FILENO) && keepsTitleStack();
    restoreBytes.size = 0;
    appendCapability(restoreBytes, "sgr0");
    appendCapability(restoreBytes, "cnorm");
    appendCapability(restoreBytes, "rmkx");
    appendCapability(restoreBytes, "rmcup");
    resumeBytes.size = 0;
    appendCapability(resumeBytes, "smcup");
    appendCapability(resumeBytes, "smkx");
    if (titlePushed) {
        appendRaw(restoreBytes, titlePop);
        appendRaw(resumeBytes, titlePush);
        writeAll(titlePush, sizeof titlePush - 1);
    }

    const struct sigaction action = guardAction();
    for (int i = 0; i < guardedCount; ++i) {
        const struct sigaction& host = hostActions[i];
        const bool ignored = (host.sa_flags & SA_SIGINFO) == 0 && host.sa_handler == SIG_IGN;
        ours[i] = !ignored && sigaction(guarded[i], &action, nullptr) == 0;
    }
    installed = true;
}

void TerminalGuard::uninstall() {
    if (!installed) {
        return;
    }
    for (int i = 0; i < guardedCount; ++i) {
        struct sigaction now {};
        // A handler the host put in during the session stays.
        if (ours[i] && sigaction(guarded[i], nullptr, &now) == 0 && isGuard(now)) {
            sigaction(guarded[i], &hostActions[i], nullptr);
        }
        ours[i] = false;
    }
    if (titlePushed) {
        writeAll(titlePop, sizeof titlePop - 1);
        titlePushed = false;
    }
    installed = false;
    hostStateSaved = false;
}

std::string TerminalGuard::restoreSequence() {
    return std::string(restoreBytes.data, restoreBytes.size);
}

std::string TerminalGuard::resumeSequence() {
    return std::string(resumeBytes.data, resumeBytes.size);
}

}  // namespace Forms
}  // namespace Vesk
