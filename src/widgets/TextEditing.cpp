#include "widgets/TextEditing.h"

#include <algorithm>
#include <climits>
#include <cwchar>

#include <utf8proc.h>

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

// The start of the code point that ends at `at`.
std::size_t codeBefore(const std::string& text, std::size_t at) {
    do {
        --at;
    } while (at > 0 && (bytes(text)[at] & 0xC0u) == 0x80u);
    return at;
}

char32_t pointAt(const std::string& text, std::size_t at) {
    return static_cast<char32_t>(codeAt(text, at).character);
}

// Whether a character always ends between the two code points, whatever
// comes before them: the rules that look further back (regional letters in
// pairs, emoji joined by U+200D, letters joined by a virama) all start from
// a regional letter, a joiner or a mark just before the place. Only such
// places are taken as a known start, so no walk needs the text before.
bool alwaysParts(char32_t before, char32_t after) {
    const int kind = utf8proc_get_property(static_cast<utf8proc_int32_t>(before))->boundclass;
    if (kind == UTF8PROC_BOUNDCLASS_REGIONAL_INDICATOR || kind == UTF8PROC_BOUNDCLASS_ZWJ ||
        kind == UTF8PROC_BOUNDCLASS_EXTEND || kind == UTF8PROC_BOUNDCLASS_E_ZWG) {
        return false;
    }
    return utf8proc_grapheme_break(static_cast<utf8proc_int32_t>(before),
                                   static_cast<utf8proc_int32_t>(after));
}

// The nearest start of a character before `at` (0 at the latest).
std::size_t knownStartBefore(const std::string& text, std::size_t at, bool unicode) {
    if (at == 0) {
        return 0;
    }
    std::size_t start = codeBefore(text, std::min(at, text.size()));
    while (unicode && start > 0) {
        const std::size_t before = codeBefore(text, start);
        if (alwaysParts(pointAt(text, before), pointAt(text, start))) {
            break;
        }
        start = before;
    }
    return start;
}

// The nearest start of a character after the code point at `at` whose
// neighbours both lie at or after `at`; the text's end at the latest.
std::size_t knownStartAfter(const std::string& text, std::size_t at, bool unicode) {
    if (at >= text.size()) {
        return text.size();
    }
    char32_t before = pointAt(text, at);
    std::size_t start = at + static_cast<std::size_t>(codeAt(text, at).length);
    while (unicode && start < text.size()) {
        const char32_t code = pointAt(text, start);
        if (alwaysParts(before, code)) {
            break;
        }
        before = code;
        start += static_cast<std::size_t>(codeAt(text, start).length);
    }
    return start;
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
    char32_t code = pointAt(text, at);
    at += static_cast<std::size_t>(codeAt(text, at).length);
    if (!unicode) {
        return at;
    }
    utf8proc_int32_t state = 0;
    while (at < text.size()) {
        const char32_t next = pointAt(text, at);
        if (utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(code),
                                             static_cast<utf8proc_int32_t>(next), &state)) {
            break;
        }
        code = next;
        at += static_cast<std::size_t>(codeAt(text, at).length);
    }
    return at;
}

// Forward from a known start: whether two code points part can hang on
// what came before them (a flag's pairs, joined emoji).
std::size_t previousCharacter(const std::string& text, std::size_t at, bool unicode) {
    at = std::min(at, text.size());
    std::size_t start = knownStartBefore(text, at, unicode);
    for (std::size_t next = start; (next = nextCharacter(text, start, unicode)) < at;) {
        start = next;
    }
    return start;
}

std::size_t characterBoundary(const std::string& text, std::size_t at, bool unicode) {
    if (at == 0 || at >= text.size()) {
        return at == 0 ? 0 : text.size();
    }
    std::size_t start = knownStartBefore(text, at, unicode);
    while (start < at) {
        start = nextCharacter(text, start, unicode);
    }
    return start;
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

// Only the characters between known starts around the edit can change.
long long replaceCharacters(std::string& text, std::size_t from, std::size_t to,
                            const std::string& bytes, bool unicode) {
    const std::size_t first = knownStartBefore(text, from, unicode);
    const std::size_t last = knownStartAfter(text, to, unicode);
    const long long before = countCharacters(text, first, last, unicode, LLONG_MAX - 1);
    text.replace(from, to - from, bytes);
    const std::size_t moved = last - (to - from) + bytes.size();
    return countCharacters(text, first, moved, unicode, LLONG_MAX - 1) - before;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
