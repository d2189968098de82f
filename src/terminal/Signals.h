#pragma once

#include <signal.h>

#include <cstddef>

namespace Vesk {
namespace Forms {
namespace detail {

// The signal side of the terminal: the handlers that give the terminal back
// when the process is ended or stopped, and the one that reports a change of
// the window size. Their state is in SignalState.h.

// Records the actions of the guarded signals and the terminal modes as the
// host left them. Called before curses starts, which puts in handlers of its
// own.
void saveHostState();
// Records the program's modes and puts the guard's handler in for every
// guarded signal the host does not ignore.
void installGuard();
// Puts the host's actions back, except where the host put in a handler of its
// own meanwhile.
void uninstallGuard();

// Makes SIGWINCH notify the keyboard reader; `previous` receives the action
// it replaces. False when the action could not be changed.
bool installWindowHandler(struct sigaction& previous);

// write(2) of the whole buffer to standard output, retried on EINTR.
void writeAll(const char* data, std::size_t size);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
