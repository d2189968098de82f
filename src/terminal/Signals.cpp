#include "terminal/Signals.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "terminal/SignalState.h"
#include "vesk/Keyboard.h"

namespace Vesk {
namespace Forms {
namespace detail {

SignalState signalState{};

namespace {

SignalState& state = signalState;

bool sameDevice(int a, int b) {
    struct stat first {};
    struct stat second {};
    return fstat(a, &first) == 0 && fstat(b, &second) == 0 && first.st_rdev == second.st_rdev;
}

int indexOf(int signal) {
    for (int i = 0; i < SignalState::guardedCount; ++i) {
        if (SignalState::guarded[i] == signal) {
            return i;
        }
    }
    return -1;
}

void setModes(bool host) {
    for (int i = 0; i < state.ttyCount; ++i) {
        const SignalState::Tty& tty = state.ttys[i];
        tcsetattr(tty.fd, TCSANOW, host ? &tty.host : &tty.program);
    }
}

void onSignal(int signal, siginfo_t* info, void* context);

struct sigaction guardAction() {
    struct sigaction action {};
    action.sa_sigaction = onSignal;
    // SA_ONSTACK: a host that set up an alternate stack still gets its
    // terminal back after a stack overflow.
    action.sa_flags = SA_SIGINFO | SA_RESTART | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : SignalState::guarded) {
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

    const struct sigaction& host = state.hostActions[index];
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

// The handler only records the change; the screen is resized on the host
// thread when it takes the event.
void onWindowChange(int) {
    Vesk::IO::NotifyResize();
}

}  // namespace

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

void giveBack() {
    if (state.given.exchange(true)) {
        return;
    }
    for (int i = state.undoCount - 1; i >= 0; --i) {
        const SignalState::Undo& undo = state.undo[i];
        if (undo.modes) {
            setModes(true);
        }
        writeAll(undo.give.data, undo.give.size);
    }
}

void takeAgain() {
    for (int i = 0; i < state.undoCount; ++i) {
        const SignalState::Undo& undo = state.undo[i];
        if (undo.modes) {
            setModes(false);
        }
        if (undo.switchable && !state.mouseOn.load()) {
            continue;
        }
        writeAll(undo.take.data, undo.take.size);
    }
    state.given.store(false);
    // Only the host thread may draw: it gets the event and repaints in full.
    Vesk::IO::NotifyResize();
}

void saveHostState() {
    for (int i = 0; i < SignalState::guardedCount; ++i) {
        sigaction(SignalState::guarded[i], nullptr, &state.hostActions[i]);
    }
    state.ttyCount = 0;
    if (tcgetattr(STDOUT_FILENO, &state.ttys[0].host) == 0) {
        state.ttys[0].fd = STDOUT_FILENO;
        state.ttyCount = 1;
    }
    SignalState::Tty& input = state.ttys[state.ttyCount];
    if (tcgetattr(STDIN_FILENO, &input.host) == 0 &&
        (state.ttyCount == 0 || !sameDevice(STDIN_FILENO, STDOUT_FILENO))) {
        input.fd = STDIN_FILENO;
        ++state.ttyCount;
    }
}

void installGuard() {
    for (int i = 0; i < state.ttyCount; ++i) {
        SignalState::Tty& tty = state.ttys[i];
        if (tcgetattr(tty.fd, &tty.program) != 0) {
            tty.program = tty.host;
        }
    }
    state.given.store(false);
    state.active.store(true);
    const struct sigaction action = guardAction();
    for (int i = 0; i < SignalState::guardedCount; ++i) {
        const struct sigaction& host = state.hostActions[i];
        const bool ignored = (host.sa_flags & SA_SIGINFO) == 0 && host.sa_handler == SIG_IGN;
        state.ours[i] = !ignored && sigaction(SignalState::guarded[i], &action, nullptr) == 0;
    }
}

void uninstallGuard() {
    for (int i = 0; i < SignalState::guardedCount; ++i) {
        struct sigaction now {};
        const int signal = SignalState::guarded[i];
        // A handler the host put in during the session stays.
        if (state.ours[i] && sigaction(signal, nullptr, &now) == 0 && isGuard(now)) {
            sigaction(signal, &state.hostActions[i], nullptr);
        }
        state.ours[i] = false;
    }
    state.active.store(false);
}

bool installWindowHandler(struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = onWindowChange;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGWINCH, &action, &previous) == 0;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
