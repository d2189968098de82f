#pragma once

#include <cstdint>

namespace Vesk {
namespace Forms {

/// Curses colour numbers: 0 to 7 as COLOR_BLACK to COLOR_WHITE, 8 to 15 their
/// bright variants in the same order.
enum Color : std::int32_t {
    Black = 0,
    Red = 1,
    Green = 2,
    Yellow = 3,
    Blue = 4,
    Magenta = 5,
    Cyan = 6,
    White = 7,
    BrightBlack = 8,
    BrightRed = 9,
    BrightGreen = 10,
    BrightYellow = 11,
    BrightBlue = 12,
    BrightMagenta = 13,
    BrightCyan = 14,
    BrightWhite = 15,
};

enum BorderStyle : std::int32_t {
    NoBorder = 0,
    SingleLine = 1,
};

enum OverflowStyle : std::int32_t {
    Hidden = 0,
    Visible = 1,
    Scroll = 2,  ///< not supported; Region::overflow refuses it
};

enum WordWrapStyle : std::int32_t {
    NoWrap = 0,
    CharacterWrap = 1,
};

enum ProgressBarStyle : std::int32_t {
    Value = 1,
    Fraction = 2,
    Percentage = 3,
    CustomText = 4,
};

}  // namespace Forms
}  // namespace Vesk
