#pragma once

namespace Vesk {
namespace Forms {
namespace detail {

// One UTF-8 encoded character; length 0 when the bytes hold none.
struct Utf8Sequence {
    wchar_t character;
    int length;
};

// Decodes the character that starts at `at`, using no byte at or past
// `end`. Overlong forms, surrogates, code points past U+10FFFF and
// sequences cut by `end` are no character.
inline Utf8Sequence decodeUtf8(const unsigned char* at, const unsigned char* end) {
    const unsigned char lead = *at;
    int length = 0;
    unsigned long code = 0;
    unsigned long smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (end - at < length) {
        return {0, 0};
    }
    for (int i = 1; i < length; ++i) {
        if ((at[i] & 0xC0u) != 0x80u) {
            return {0, 0};
        }
        code = code << 6 | (at[i] & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {0, 0};
    }
    return {static_cast<wchar_t>(code), length};
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
