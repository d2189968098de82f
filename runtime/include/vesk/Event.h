#pragma once

#include <cstdint>

namespace Vesk {

// Event codes exchanged between the keyboard reader, the host and the
// controls. Keys outside this table arrive as 0x00020000 plus their ncurses
// key code, or as their own byte value for plain characters.
enum Event : std::int32_t {
    KeyTab = 0x00000009,
    KeyLineFeed = 0x0000000A,
    KeyEnter = 0x0000000D,
    UpdateView = 0x00010000,
    KeyDown = 0x00020102,
    KeyUp = 0x00020103,
    KeyLeft = 0x00020104,
    KeyRight = 0x00020105,
    KeyNextPage = 0x00020152,
    KeyPreviousPage = 0x00020153,
    KeyBackTab = 0x0002015F,
    // The terminal changed size (or must be drawn again in full).
    KeyResize = 0x0002019A,
};

// Offset added to an ncurses key code to form its event code.
constexpr std::int32_t KeyCodeBase = 0x00020000;

}  // namespace Vesk
