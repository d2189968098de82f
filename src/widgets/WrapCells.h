#pragma once

#include <string>
#include <vector>

namespace Vesk {
namespace Forms {
namespace detail {

// The lines of `text` at most `width` cells wide (at least one): broken at
// line breaks and between words, a word wider than a line broken between
// its glyphs, which are measured as the screen shows them (wide characters
// two cells, combining marks with their letter).
std::vector<std::string> wrapCells(const std::string& text, long long width, bool unicode);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
