#pragma once

/// @file
/// One cell of the testing kit's emulated screen.

#include <string>

namespace Vesk {
namespace Forms {
namespace Testing {

/// One cell of the emulated screen, as a terminal shows it.
struct Cell {
    /// The character as UTF-8 with any combining marks; a blank is " ". The
    /// right half of a wide character is "" (its left cell holds it).
    std::string text;
    /// Colour indexes (0..255), or -1 for the terminal's default colour.
    int foreground = -1;
    /// The background's colour index (0..255), or -1 for the default.
    int background = -1;
    /// Shown in reverse video.
    bool reverse = false;
    /// Shown bold.
    bool bold = false;
    /// Cells the character takes: 1, or 2 for a wide character.
    int width = 1;
};

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
