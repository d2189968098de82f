#pragma once

/// @file
/// Keyboard input read straight from standard input.

#include "vesk/Event.h"
#include "vesk/Export.h"

namespace Vesk {
/// Terminal input: the keyboard reader and the key decoder.
namespace IO {

/// Returned by GetKeyboardInput() when CancelKeyboardInput() woke it.
constexpr Event KeyboardCancelled = static_cast<Event>(-1);

/// Blocks until a key arrives on standard input (fd 0) and returns its event
/// code, or until it is cancelled or told of a resize (below). Reads the file
/// descriptor directly, never through curses, so it can run on a thread of
/// its own while another thread draws. One reader at a time.
///
/// A lone ESC is told from the start of a sequence by waiting the escape
/// delay: ESCDELAY milliseconds from the environment as read on first use,
/// 25 by default.
///
/// When fd 0 reaches its end (read returns 0: a closed pipe, /dev/null) or
/// fails (a hung-up terminal, a closed descriptor), what the decoder holds is
/// resolved and KeyEndOfInput is returned once. From then on fd 0 is not read:
/// the call blocks without using the CPU until it is cancelled or told of a
/// resize, until PrepareKeyboardInput reads fd 0 again.
VESK_API Event GetKeyboardInput();

/// Wakes a blocked GetKeyboardInput(), which then returns KeyboardCancelled.
/// When no read is blocked, the next call returns KeyboardCancelled at once.
/// Safe from any thread and from a signal handler.
VESK_API void CancelKeyboardInput();

/// Records that the terminal changed size and wakes a blocked
/// GetKeyboardInput(), which then returns KeyResize; any number of
/// notifications before that return give one KeyResize. Safe from any thread
/// and from a signal handler (it only sets a flag and writes to a pipe).
VESK_API void NotifyResize();

/// Creates the reader's state (its wake pipe, the escape delay) now instead
/// of at the first read, so that later calls find it ready, and reads fd 0
/// again after an end of input (a session starts on whatever fd 0 is now).
/// Not while a GetKeyboardInput() runs.
VESK_API void PrepareKeyboardInput();

}  // namespace IO
}  // namespace Vesk
