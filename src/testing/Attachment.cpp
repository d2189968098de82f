// The pseudo-terminal as this process's standard input and output, for a
// session run in the test's own process.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "testing/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

void putBack(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace

bool Terminal::attach() {
    std::lock_guard<std::mutex> guard(state->use);
    if (state->attached || state->childRuns()) {
        return false;
    }
    std::fflush(stdout);
    state->savedInput = fcntl(0, F_DUPFD_CLOEXEC, 3);
    state->savedOutput = fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (state->savedInput < 0 || state->savedOutput < 0 || dup2(state->slave, 0) < 0 ||
        dup2(state->slave, 1) < 0) {
        state->restoreStandardFiles();
        return false;
    }
    state->savedTerm = variable("TERM");
    state->savedLines = variable("LINES");
    state->savedColumns = variable("COLUMNS");
    setenv("TERM", "xterm-256color", 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");
    state->attached = true;
    state->keepRealOutput();
    return true;
}

bool Terminal::detach() {
    std::lock_guard<std::mutex> guard(state->use);
    if (!state->attached) {
        return false;
    }
    state->restoreStandardFiles();
    return true;
}

void Terminal::State::restoreStandardFiles() {
    std::fflush(stdout);
    dropRealOutput();
    for (auto [saved, fd] : {std::pair{&savedInput, 0}, std::pair{&savedOutput, 1}}) {
        if (*saved >= 0) {
            dup2(*saved, fd);
            close(*saved);
            *saved = -1;
        }
    }
    if (attached) {
        putBack("TERM", savedTerm);
        putBack("LINES", savedLines);
        putBack("COLUMNS", savedColumns);
        attached = false;
    }
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
