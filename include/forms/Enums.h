#pragma once

/// @file
/// Colours and the styles of borders, overflow, wrapping and progress bars.

#include <cstdint>

namespace Vesk {
namespace Forms {

/// Curses colour numbers: 0 to 7 as COLOR_BLACK to COLOR_WHITE, 8 to 15 their
/// bright variants in the same order.
enum Color : std::int32_t {
    Black = 0,           ///< Black (COLOR_BLACK).
    Red = 1,             ///< Red (COLOR_RED).
    Green = 2,           ///< Green (COLOR_GREEN).
    Yellow = 3,          ///< Yellow (COLOR_YELLOW); many terminals show it brown.
    Blue = 4,            ///< Blue (COLOR_BLUE).
    Magenta = 5,         ///< Magenta (COLOR_MAGENTA).
    Cyan = 6,            ///< Cyan (COLOR_CYAN).
    White = 7,           ///< White (COLOR_WHITE), a light grey on most terminals.
    BrightBlack = 8,     ///< Bright black: dark grey.
    BrightRed = 9,       ///< Bright red.
    BrightGreen = 10,    ///< Bright green.
    BrightYellow = 11,   ///< Bright yellow.
    BrightBlue = 12,     ///< Bright blue.
    BrightMagenta = 13,  ///< Bright magenta.
    BrightCyan = 14,     ///< Bright cyan.
    BrightWhite = 15,    ///< Bright white.
};

/// The border drawn around a control that has one (buttons, text boxes,
/// lists).
enum BorderStyle : std::int32_t {
    NoBorder = 0,    ///< No border.
    SingleLine = 1,  ///< A box of single lines one cell around the control.
};

/// What happens to drawing that falls outside a region.
enum OverflowStyle : std::int32_t {
    Hidden = 0,   ///< Cut to the region: the region clips what is drawn in it.
    Visible = 1,  ///< Drawn wherever it falls on the screen.
    Scroll = 2,   ///< not supported; Region::overflow refuses it
};

/// How Region::drawText lays out a text longer than the region is wide.
enum WordWrapStyle : std::int32_t {
    NoWrap = 0,         ///< One row, cut at the region's width.
    CharacterWrap = 1,  ///< Continued on the next rows, broken at any character.
};

/// The text a ProgressBar shows over its blocks.
enum ProgressBarStyle : std::int32_t {
    /// The value ("%Lf").
    Value = 1,
    /// The value and the maximum ("%Lf/%Lf").
    Fraction = 2,
    /// The value as a percentage of the maximum, with ProgressBar::precision
    /// decimals and a "%" sign.
    Percentage = 3,
    /// A text of the host's, set by ProgressBar::text(std::string).
    CustomText = 4,
};

/// The way a Stack places its children: one below the other or side by side.
enum class Direction : std::int32_t {
    Vertical = 0,    ///< Top to bottom (the default).
    Horizontal = 1,  ///< Left to right.
};

/// Where a Stack puts a child across itself.
enum class Align : std::int32_t {
    Fill = 0,    ///< The child takes the stack's whole breadth (the default).
    Start = 1,   ///< Its natural size, at the top or left edge.
    Center = 2,  ///< Its natural size, centred.
    End = 3,     ///< Its natural size, at the bottom or right edge.
};

}  // namespace Forms
}  // namespace Vesk
