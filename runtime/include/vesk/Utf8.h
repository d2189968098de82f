#pragma once

/// @file
/// UTF-8 encoding of one code point, e.g. of a character event's
/// Vesk::CodePoint.

#include <string>

namespace Vesk {

/// The UTF-8 bytes of `code` (1 to 4 bytes). Surrogates and values past
/// U+10FFFF are encoded as they are, so check them first where they matter.
inline std::string EncodeUtf8(char32_t code) {
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
        return bytes;
    }
    int continuation = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static const unsigned char lead[] = {0, 0xC0, 0xE0, 0xF0};
    bytes += static_cast<char>(lead[continuation] | code >> (6 * continuation));
    while (continuation-- > 0) {
        bytes += static_cast<char>(0x80 | (code >> (6 * continuation) & 0x3F));
    }
    return bytes;
}

}  // namespace Vesk
