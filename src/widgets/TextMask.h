#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Vesk {
namespace Forms {
namespace [[gnu::visibility("hidden")]] detail {

// The rules of a text field's mask. The mask is a list of places, each one
// character: '9' takes a digit 0 to 9, 'A' a letter of any script, '*' any
// character, and anything else is a literal, written in the text as it is.
// A masked text is laid out from its values (the characters in the places
// that are not literals) with each literal before a value put in, so it
// never ends with a literal and its characters stand place by place.

bool maskLiteral(const std::string& place);
// Whether the character (one, with its marks) may stand in the place.
bool maskTakes(const std::string& place, const std::string& character);
// The characters of a text, each with its marks (see TextEditing.h).
std::vector<std::string> characters(const std::string& text, bool unicode);

// Edits a masked text at place `at`: takes out the value in the first place
// at or after `at` that is not a literal when `erase`, then puts `typed`
// (one character, or none) in there. On success `at` is the place after
// the typed value, or the place of the erased one. False, nothing changed,
// when a value would not fit its place or the places run out.
bool editMask(const std::vector<std::string>& places, std::string& text, std::size_t& at,
              bool erase, const std::string& typed, bool unicode);

// The longest beginning of `text` that fits the mask: each of its
// characters either is the literal of its place or is the value of the
// next place that takes it (the literals before that place put in).
std::string fitMask(const std::vector<std::string>& places, const std::string& text, bool unicode);

}  // namespace gnu::visibility("hidden")]]detail
}  // namespace Forms
}  // namespace Vesk
