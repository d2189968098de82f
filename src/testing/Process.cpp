// A host program started on the pseudo-terminal as its controlling terminal.
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "testing/TerminalState.h"

extern char** environ;

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

// This process's environment without LINES and COLUMNS (curses would take
// them over the terminal's size, as attach() unsets them), with TERM and
// `extra` set, later entries replacing earlier ones of the same name.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("LINES=", 0) != 0 && text.rfind("COLUMNS=", 0) != 0) {
            entries.push_back(text);
        }
    }
    std::vector<std::string> added{"TERM=xterm-256color"};
    added.insert(added.end(), extra.begin(), extra.end());
    for (const std::string& entry : added) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        for (auto it = entries.begin(); it != entries.end();) {
            it = it->compare(0, name.size(), name) == 0 ? entries.erase(it) : it + 1;
        }
        entries.push_back(entry);
    }
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// In the child, between fork and exec: only async-signal-safe calls, as the
// test may run other threads. Reports errno through `report` on failure.
[[noreturn]] void startChild(const char* path, int slave, int report, const char* directory,
                             char** argv,
                             char** envp) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    int failure = 0;
    if (setsid() < 0 || ioctl(slave, TIOCSCTTY, 0) != 0 || dup2(slave, 0) < 0 ||
        dup2(slave, 1) < 0 || dup2(slave, 2) < 0 ||
        (directory[0] != '\0' && chdir(directory) != 0)) {
        failure = errno;
    } else {
        execvpe(path, argv, envp);
        failure = errno;
    }
    while (::write(report, &failure, sizeof failure) < 0 && errno == EINTR) {
    }
    _exit(127);
}

int exitCodeOf(int status) {
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

bool Terminal::State::childRuns() {
    if (child <= 0) {
        return false;
    }
    int status = 0;
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == 0) {
        return true;
    }
    exitCode = done == child ? exitCodeOf(status) : -1;
    child = -1;
    return false;
}

void Terminal::State::settleOutput() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    auto quietSince = Clock::now();
    while (Clock::now() < deadline) {
        int pending = 0;
        if (ioctl(master, FIONREAD, &pending) != 0 || pending > 0 || feeding) {
            quietSince = Clock::now();
        } else if (Clock::now() - quietSince >= std::chrono::milliseconds(50)) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void Terminal::State::endChild() {
    if (!childRuns()) {
        return;
    }
    kill(child, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (childRuns() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (child > 0) {
        kill(child, SIGKILL);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        exitCode = exitCodeOf(status);
        child = -1;
    }
}

bool Terminal::run(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment, const std::string& directory) {
    std::lock_guard<std::mutex> guard(state->use);
    if (state->attached || state->childRuns() || program.empty()) {
        return false;
    }
    // Everything the child needs is made before fork. A relative path is
    // the caller's, not one within `directory`.
    const bool relativePath = program.find('/') != std::string::npos && program[0] != '/';
    const std::string path = relativePath ? std::filesystem::absolute(program).string() : program;
    std::vector<std::string> argumentList{program};
    argumentList.insert(argumentList.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = pointersTo(argumentList);
    std::vector<std::string> environmentList = environmentWith(environment);
    std::vector<char*> envp = pointersTo(environmentList);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        startChild(path.c_str(), state->slave, report[1], directory.c_str(), argv.data(), envp.data());
    }
    close(report[1]);
    int failure = 0;
    ssize_t length;
    while ((length = ::read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (length > 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        return false;
    }
    state->child = child;
    state->exitCode = -1;
    return true;
}

bool Terminal::running() {
    std::lock_guard<std::mutex> guard(state->use);
    return state->childRuns();
}

int Terminal::wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(state->use);
            if (!state->childRuns()) {
                const int code = state->exitCode;
                state->settleOutput();
                return code;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
