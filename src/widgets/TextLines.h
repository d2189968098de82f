#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Vesk {
namespace Forms {
namespace detail {

// A place in a text kept as lines: the line and a byte offset in it,
// between two characters.
struct TextPlace {
    std::size_t line = 0;
    std::size_t at = 0;
};

inline bool operator==(const TextPlace& a, const TextPlace& b) {
    return a.line == b.line && a.at == b.at;
}

// The lines of a text area and their layout on rows: each line broken into
// rows of at most `width` cells between words (a word wider than a row cut
// between characters), or one row each without wrapping. Lines are kept
// apart and laid out one by one, so an edit costs what its own lines cost
// and finding a row costs a logarithm of the number of lines.
class TextLines {
public:
    TextLines();

    std::size_t count() const { return lines.size(); }
    const std::string& text(std::size_t line) const { return lines[line].text; }
    // Characters of the whole text, a line break counted as one.
    long long characters() const { return total; }
    std::string joined() const;
    // Replaces everything with `text`, valid and free of control characters
    // but for the line breaks it holds.
    void assign(const std::string& text);

    // Lays every line out anew when the row width, wrapping or the screen's
    // kind of text changed since the last time.
    void layout(long long width, bool wrap, bool unicode);
    bool unicode() const { return screenUnicode; }
    long long width() const { return rowWidth; }

    long long rows() const { return totalRows; }
    long long rowsOf(std::size_t line) const {
        return static_cast<long long>(lines[line].breaks.size()) + 1;
    }
    // The first row of the line, counted over the whole text.
    long long firstRowOf(std::size_t line) const;
    // The line holding row `row` (clamped to the text) and the row within it.
    void lineAtRow(long long row, std::size_t& line, long long& sub) const;
    // The row of the line that shows the byte `at` (a row's start shows on it).
    long long subRowOf(std::size_t line, std::size_t at) const;
    std::size_t rowStart(std::size_t line, long long sub) const;
    std::size_t rowEnd(std::size_t line, long long sub) const;
    long long rowOf(const TextPlace& place) const {
        return firstRowOf(place.line) + subRowOf(place.line, place.at);
    }

    // The cells of the character that starts at `at`; ASCII without a
    // search.
    long long cellsAt(std::size_t line, std::size_t at, std::size_t next) const;
    // The cells from `from` to `to` of a line, character by character.
    long long cellsBetween(std::size_t line, std::size_t from, std::size_t to) const;
    // The place in row `sub` of `line` before the character that covers
    // cell `column`; past the row's end, its end, or before its last
    // character when the line goes on on the next row.
    std::size_t atColumn(std::size_t line, long long sub, long long column) const;

    // Replaces the text from `from` to `to` with `text` (valid, its line
    // breaks as LF); returns where the new text ends.
    TextPlace replace(const TextPlace& from, const TextPlace& to, const std::string& text);
    // The text from `from` to `to`, lines joined with LF.
    std::string slice(const TextPlace& from, const TextPlace& to) const;
    // Where `text` would end if put at `from`.
    static TextPlace endOf(const TextPlace& from, const std::string& text);

private:
    struct Line {
        std::string text;
        long long characters = 0;
        // Byte offsets where the second and later rows start.
        std::vector<std::size_t> breaks;
    };

    void measure(Line& line) const;
    void wrap(Line& line) const;
    // The row counts of the lines in a Fenwick tree: sums over the first
    // lines in a logarithmic number of steps.
    void rebuildRows();
    void addRows(std::size_t line, long long delta);

    std::vector<Line> lines;
    std::vector<long long> tree;
    long long total = 0;
    long long totalRows = 1;
    long long rowWidth = 1;
    bool wrapping = true;
    bool screenUnicode = false;
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
