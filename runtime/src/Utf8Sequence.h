#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Vesk {
namespace IO {
namespace Utf8 {

// Length of the well-formed sequence `lead` starts, 0 when it starts none
// (ASCII, a continuation byte, the overlong leads C0 and C1, F5 to FF).
inline std::size_t lengthFrom(std::uint8_t lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Whether `byte` may follow the unfinished sequence `collected` (lead first).
// The second byte's range rules out overlong forms, surrogates and code
// points past U+10FFFF, so a sequence is refused at its first wrong byte.
inline bool continues(const std::string& collected, std::uint8_t byte) {
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (collected.size() == 1) {
        switch (static_cast<std::uint8_t>(collected[0])) {
            case 0xE0:
                low = 0xA0;
                break;
            case 0xED:
                high = 0x9F;
                break;
            case 0xF0:
                low = 0x90;
                break;
            case 0xF4:
                high = 0x8F;
                break;
            default:
                break;
        }
    }
    return byte >= low && byte <= high;
}

// The code point of a complete sequence accepted byte by byte by `continues`.
inline char32_t decode(const std::string& sequence) {
    static constexpr std::uint8_t LeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<std::uint8_t>(sequence[0]) & LeadMask[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        code = code << 6 | (static_cast<std::uint8_t>(sequence[i]) & 0x3Fu);
    }
    return code;
}

}  // namespace Utf8
}  // namespace IO
}  // namespace Vesk
