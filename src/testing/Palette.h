#pragma once

// xterm's 256 colours.

#include <cstdint>

namespace Vesk {
namespace Forms {
namespace Testing {

// 0xRRGGBB of a colour index 0..255: the 16 colours of xterm, the 6x6x6
// cube and the 24 greys.
std::uint32_t paletteColor(int index);
// The index whose colour is closest to 0xRRGGBB.
int nearestIndex(std::uint32_t rgb);

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
