#include "widgets/TextEditing.h"

#include <cwchar>

#include "geometry/Utf8.h"
#include "vesk/Utf8.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

const unsigned char* bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// The code point at `at` of a valid text, and its length.
Utf8Sequence codeAt(const std::string& text, std::size_t at) {
    const unsigned char byte = bytes(text)[at];
    if (byte < 0x80) {
        return {static_cast<wchar_t>(byte), 1};
    }
    const Utf8Sequence sequence = decodeUtf8(bytes(text) + at, bytes(text) + text.size());
    // Not reached with a valid text; one byte keeps every walk moving.
    return sequence.length > 0 ? sequence : Utf8Sequence{0xFFFD, 1};
}

bool markAt(const std::string& text, std::size_t at, bool unicode) {
    if (!unicode || at >= text.size() || bytes(text)[at] < 0x80) {
        return false;
    }
    return wcwidth(codeAt(text, at).character) == 0;
}

}  // namespace

bool isControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

std::string validText(const std::string& text) {
    static const std::string replacement = Vesk::EncodeUtf8(0xFFFD);
    std::string valid;
    valid.reserve(text.size());
    const unsigned char* at = bytes(text);
    const unsigned char* end = at + text.size();
    while (at != end) {
        if (*at < 0x80) {
            if (isControl(*at)) {
                valid += replacement;
            } else {
                valid += static_cast<char>(*at);
            }
            ++at;
            continue;
        }
        const Utf8Sequence sequence = decodeUtf8(at, end);
        if (sequence.length == 0 || isControl(static_cast<char32_t>(sequence.character))) {
            valid += replacement;
            at += sequence.length == 0 ? 1 : sequence.length;
        } else {
            valid.append(reinterpret_cast<const char*>(at), sequence.length);
            at += sequence.length;
        }
    }
    return valid;
}

bool typeable(char32_t code, bool unicode) {
    if (isControl(code) || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    return !unicode || code < 0x80 || wcwidth(static_cast<wchar_t>(code)) >= 0;
}

std::size_t nextCharacter(const std::string& text, std::size_t at, bool unicode) {
    if (at >= text.size()) {
        return text.size();
    }
    at += static_cast<std::size_t>(codeAt(text, at).length);
    while (markAt(text, at, unicode)) {
        at += static_cast<std::size_t>(codeAt(text, at).length);
    }
    return at;
}

std::size_t previousCharacter(const std::string& text, std::size_t at, bool unicode) {
    if (at > text.size()) {
        at = text.size();
    }
    while (at > 0) {
        // Back over the continuation bytes to the code point's first byte.
        do {
            --at;
        } while (at > 0 && (bytes(text)[at] & 0xC0u) == 0x80u);
        if (!markAt(text, at, unicode)) {
            break;
        }
    }
    return at;
}

std::size_t characterBoundary(const std::string& text, std::size_t at, bool unicode) {
    if (at == 0 || at >= text.size()) {
        return at == 0 ? 0 : text.size();
    }
    while ((bytes(text)[at] & 0xC0u) == 0x80u || markAt(text, at, unicode)) {
        if (++at == text.size()) {
            break;
        }
    }
    return at;
}

long long countCharacters(const std::string& text, std::size_t from, std::size_t to, bool unicode,
                          long long limit) {
    long long count = 0;
    while (from < to && count <= limit) {
        from = nextCharacter(text, from, unicode);
        ++count;
    }
    return count;
}

std::size_t skipCharacters(const std::string& text, std::size_t from, long long count,
                           bool unicode) {
    for (; count > 0 && from < text.size(); --count) {
        from = nextCharacter(text, from, unicode);
    }
    return from;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
