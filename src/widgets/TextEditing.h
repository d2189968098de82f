#pragma once

#include <cstddef>
#include <string>

namespace Vesk {
namespace Forms {
namespace [[gnu::visibility("hidden")]] detail {

// The editing rules of a text field over a text kept valid UTF-8 without
// control characters. Positions are byte offsets. A character, for the
// caret, is an extended grapheme cluster as utf8proc finds it (a letter
// with its marks, an emoji with its modifiers and joined emoji, a flag, a
// Hangul syllable of jamo) with `unicode` (a UTF-8 screen); otherwise every
// code point stands alone. Each call reads only about the place it is
// given, so a key costs the same in a short text as in a long one.

// Control characters: C0, DEL and C1 (U+0080 to U+009F).
bool isControl(char32_t code);

// `text` with each byte that is not part of a UTF-8 character, and each
// control character, replaced by U+FFFD.
std::string validText(const std::string& text);

// Whether a typed code point may join the text: no control character,
// surrogate or code point past U+10FFFF, and with `unicode` one that
// wcwidth gives a width (0 for a combining mark).
bool typeable(char32_t code, bool unicode);

// The end of the character that starts at `at` (the text's end from there).
std::size_t nextCharacter(const std::string& text, std::size_t at, bool unicode);
// The start of the character that ends at `at` (0 from the start).
std::size_t previousCharacter(const std::string& text, std::size_t at, bool unicode);
// The first place at or after `at` between two characters.
std::size_t characterBoundary(const std::string& text, std::size_t at, bool unicode);
// The characters between `from` and `to`, at most `limit` + 1 of them.
long long countCharacters(const std::string& text, std::size_t from, std::size_t to, bool unicode,
                          long long limit);
// Where `count` characters after `from` end, or the text's end.
std::size_t skipCharacters(const std::string& text, std::size_t from, long long count,
                           bool unicode);
// Replaces the bytes from `from` to `to` (both between code points) with
// `bytes` and returns by how much the number of characters grew (negative
// when it fell): a field keeps its count without counting the whole text.
long long replaceCharacters(std::string& text, std::size_t from, std::size_t to,
                            const std::string& bytes, bool unicode);

}  // namespace gnu::visibility("hidden")]]detail
}  // namespace Forms
}  // namespace Vesk
