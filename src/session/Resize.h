#pragma once

namespace Vesk {
namespace Forms {
namespace Resize {

// Makes SIGWINCH notify the keyboard reader, keeping the previous action for
// restoreHandler. Installed before curses starts, so curses leaves the signal
// to us. False when the action could not be changed.
bool installHandler();
// Puts back the action that installHandler found. Does nothing when no
// handler of ours is installed.
void restoreHandler();

// Called by the worker for each KeyResize it reads: true when the event is to
// be queued, false when one is queued already and not yet taken.
bool admit();

}  // namespace Resize
}  // namespace Forms
}  // namespace Vesk
