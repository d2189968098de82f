#include "testing/Palette.h"

#include <initializer_list>

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

constexpr std::uint32_t xterm16[16] = {
    0x000000, 0xcd0000, 0x00cd00, 0xcdcd00, 0x0000ee, 0xcd00cd, 0x00cdcd, 0xe5e5e5,
    0x7f7f7f, 0xff0000, 0x00ff00, 0xffff00, 0x5c5cff, 0xff00ff, 0x00ffff, 0xffffff,
};

std::uint32_t cubeLevel(int step) {
    return step == 0 ? 0 : static_cast<std::uint32_t>(55 + 40 * step);
}

}  // namespace

std::uint32_t paletteColor(int index) {
    if (index < 0 || index > 255) {
        return 0;
    }
    if (index < 16) {
        return xterm16[index];
    }
    if (index < 232) {
        const int cube = index - 16;
        return cubeLevel(cube / 36) << 16 | cubeLevel(cube / 6 % 6) << 8 | cubeLevel(cube % 6);
    }
    const auto grey = static_cast<std::uint32_t>(8 + 10 * (index - 232));
    return grey << 16 | grey << 8 | grey;
}

int nearestIndex(std::uint32_t rgb) {
    int best = 0;
    long bestDistance = -1;
    for (int index = 0; index < 256; ++index) {
        const std::uint32_t candidate = paletteColor(index);
        long distance = 0;
        for (int shift : {16, 8, 0}) {
            const long d = static_cast<long>(rgb >> shift & 0xff) -
                           static_cast<long>(candidate >> shift & 0xff);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
