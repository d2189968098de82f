#include "widgets/WrapCells.h"

#include <algorithm>

#include "geometry/TextCells.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Appends the words of one paragraph, greedily, to `lines`.
void wrapParagraph(const std::string& paragraph, long long width, bool unicode,
                   std::vector<std::string>& lines) {
    std::string line;
    long long used = 0;
    std::size_t at = 0;
    while (at <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', at);
        end = end == std::string::npos ? paragraph.size() : end;
        const std::string word = paragraph.substr(at, end - at);
        at = end + 1;
        if (word.empty()) {
            continue;
        }
        const long long cells = textCells(word, unicode);
        if (used > 0 && used + 1 + cells <= width) {
            line += " " + word;
            used += 1 + cells;
            continue;
        }
        if (used > 0) {
            lines.push_back(line);
            line.clear();
            used = 0;
        }
        // A word wider than a line goes glyph by glyph.
        TextWalk walk(word, unicode);
        while (!walk.done()) {
            const char* from = walk.place();
            long long glyphCells = 1;
            if (walk.plainRun(1) == 1) {
                walk.skipPlain(1);
            } else {
                const Glyph glyph = walk.peek();
                glyphCells = glyph.cells;
                walk.skip(glyph);
            }
            if (used > 0 && used + glyphCells > width) {
                lines.push_back(line);
                line.clear();
                used = 0;
            }
            line.append(from, static_cast<std::size_t>(walk.place() - from));
            used += glyphCells;
        }
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> wrapCells(const std::string& text, long long width, bool unicode) {
    width = std::max(1LL, width);
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end;
        wrapParagraph(text.substr(at, end - at), width, unicode, lines);
        at = end + 1;
    }
    return lines;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
