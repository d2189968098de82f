#pragma once

#include <string>

namespace Vesk {
namespace Forms {
namespace TerminalGuard {

// Gives the terminal back when the process is ended or stopped by a signal
// while a session runs: the modes from before the session are put back and
// the alternate screen, the hidden cursor, the attributes and the keypad mode
// are undone before the signal takes its usual course. Stopped with SIGTSTP,
// the program takes the terminal again when it continues and the host gets
// KeyResize to draw the screen in full. On xterm and its kin the window title
// is saved on the terminal's title stack for the session and put back.

// Records the terminal modes and the signal actions as the host left them.
// Called before curses starts, which puts in handlers of its own.
void saveHostState();

// Prepares the bytes from the terminal's description, saves the title and
// installs the handlers. Called once curses is up and in program mode.
void install();

// Puts the host's signal actions back and gives back the saved title. Does
// nothing when install has not run since the last uninstall.
void uninstall();

// The bytes written to give the terminal back, as prepared by install.
std::string restoreSequence();
// The bytes written to take the terminal again after a stop.
std::string resumeSequence();

}  // namespace TerminalGuard
}  // namespace Forms
}  // namespace Vesk
