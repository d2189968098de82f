#pragma once

/// @file
/// The terminal window's title.

#include <string>

#include "vesk/Export.h"

namespace Vesk {
/// The console window around the program.
namespace Console {

/// The last title set by this process; empty before the first SetTitle().
VESK_API std::string GetTitle();

/// Stores the title and, when standard output is a terminal, sends it as the
/// window title with every control character removed.
VESK_API void SetTitle(const std::string& title);

}  // namespace Console
}  // namespace Vesk
