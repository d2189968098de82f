#include "widgets/TextLines.h"

#include <algorithm>
#include <climits>

#include "geometry/TextCells.h"
#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// A one-byte character that takes one cell.
bool plainByte(const std::string& text, std::size_t at, std::size_t next) {
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    return next == at + 1 && byte >= 0x20 && byte < 0x7F;
}

}  // namespace

TextLines::TextLines() : lines(1) {
    rebuildRows();
}

std::string TextLines::joined() const {
    std::size_t size = lines.size() - 1;
    for (const Line& line : lines) {
        size += line.text.size();
    }
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i].text;
    }
    return text;
}

void TextLines::assign(const std::string& text) {
    lines.clear();
    total = 0;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        Line& line = lines.emplace_back();
        line.text.assign(text, at, end - at);
        measure(line);
        wrap(line);
        total += line.characters;
        if (end == text.size()) {
            break;
        }
        ++total;
        at = end + 1;
    }
    rebuildRows();
}

void TextLines::layout(long long width, bool wrapped, bool unicode) {
    width = std::max(1LL, width);
    // Without wrapping the width changes no row.
    const bool same = wrapped == wrapping && (!wrapped || width == rowWidth);
    if (same && unicode == screenUnicode) {
        return;
    }
    const bool recount = unicode != screenUnicode;
    rowWidth = width;
    wrapping = wrapped;
    screenUnicode = unicode;
    if (recount) {
        total = static_cast<long long>(lines.size()) - 1;
    }
    for (Line& line : lines) {
        if (recount) {
            measure(line);
            total += line.characters;
        }
        wrap(line);
    }
    rebuildRows();
}

void TextLines::measure(Line& line) const {
    line.characters =
        countCharacters(line.text, 0, line.text.size(), screenUnicode, LLONG_MAX - 1);
}

long long TextLines::cellsAt(std::size_t line, std::size_t at, std::size_t next) const {
    const std::string& text = lines[line].text;
    if (plainByte(text, at, next)) {
        return 1;
    }
    return textCells(text.data() + at, next - at, screenUnicode);
}

long long TextLines::cellsBetween(std::size_t line, std::size_t from, std::size_t to) const {
    const std::string& text = lines[line].text;
    long long cells = 0;
    while (from < to) {
        const std::size_t next = nextCharacter(text, from, screenUnicode);
        cells += cellsAt(line, from, next);
        from = next;
    }
    return cells;
}

// Greedy, character by character: a row breaks after the last space that
// fits; spaces past the edge hang there rather than start a row; a word
// with no space before it on the row is cut before the character that
// does not fit.
void TextLines::wrap(Line& line) const {
    line.breaks.clear();
    if (!wrapping) {
        return;
    }
    const std::string& text = line.text;
    const std::size_t size = text.size();
    std::size_t start = 0;
    std::size_t after = 0;  // just after the last space of the row, or 0
    long long used = 0;
    long long usedThere = 0;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t next = nextCharacter(text, at, screenUnicode);
        const bool plain = plainByte(text, at, next);
        const long long cells =
            plain ? 1 : textCells(text.data() + at, next - at, screenUnicode);
        const bool space = plain && text[at] == ' ';
        if (used + cells > rowWidth && at > start) {
            if (space) {
                while (at < size && text[at] == ' ') {
                    at = nextCharacter(text, at, screenUnicode);
                }
                if (at < size) {
                    line.breaks.push_back(at);
                }
                start = at;
                after = 0;
                used = 0;
                continue;
            }
            if (after > start) {
                line.breaks.push_back(after);
                start = after;
                used -= usedThere;
                after = 0;
                continue;
            }
            line.breaks.push_back(at);
            start = at;
            used = 0;
            after = 0;
        }
        used += cells;
        at = next;
        if (space) {
            after = at;
            usedThere = used;
        }
    }
}

void TextLines::rebuildRows() {
    const std::size_t n = lines.size();
    tree.assign(n + 1, 0);
    totalRows = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const long long rows = rowsOf(i - 1);
        totalRows += rows;
        tree[i] += rows;
        const std::size_t up = i + (i & (~i + 1));
        if (up <= n) {
            tree[up] += tree[i];
        }
    }
}

void TextLines::addRows(std::size_t line, long long delta) {
    totalRows += delta;
    for (std::size_t i = line + 1; i < tree.size(); i += i & (~i + 1)) {
        tree[i] += delta;
    }
}

long long TextLines::firstRowOf(std::size_t line) const {
    long long sum = 0;
    for (std::size_t i = std::min(line, lines.size()); i > 0; i -= i & (~i + 1)) {
        sum += tree[i];
    }
    return sum;
}

void TextLines::lineAtRow(long long row, std::size_t& line, long long& sub) const {
    row = std::clamp(row, 0LL, totalRows - 1);
    std::size_t step = 1;
    while (step * 2 <= lines.size()) {
        step *= 2;
    }
    std::size_t at = 0;
    for (; step > 0; step /= 2) {
        if (at + step < tree.size() && tree[at + step] <= row) {
            at += step;
            row -= tree[at];
        }
    }
    line = std::min(at, lines.size() - 1);
    sub = std::min(row, rowsOf(line) - 1);
}

long long TextLines::subRowOf(std::size_t line, std::size_t at) const {
    const std::vector<std::size_t>& breaks = lines[line].breaks;
    return std::upper_bound(breaks.begin(), breaks.end(), at) - breaks.begin();
}

std::size_t TextLines::rowStart(std::size_t line, long long sub) const {
    return sub <= 0 ? 0 : lines[line].breaks[static_cast<std::size_t>(sub - 1)];
}

std::size_t TextLines::rowEnd(std::size_t line, long long sub) const {
    const std::vector<std::size_t>& breaks = lines[line].breaks;
    return static_cast<std::size_t>(sub) < breaks.size() ? breaks[static_cast<std::size_t>(sub)]
                                                          : lines[line].text.size();
}

std::size_t TextLines::atColumn(std::size_t line, long long sub, long long column) const {
    const std::string& text = lines[line].text;
    const std::size_t end = rowEnd(line, sub);
    std::size_t at = rowStart(line, sub);
    long long taken = 0;
    while (at < end) {
        const std::size_t next = nextCharacter(text, at, screenUnicode);
        taken += cellsAt(line, at, next);
        if (taken > column) {
            return at;
        }
        if (next == end && sub + 1 < rowsOf(line)) {
            return at;
        }
        at = next;
    }
    return at;
}

TextPlace TextLines::endOf(const TextPlace& from, const std::string& text) {
    const std::size_t last = text.rfind('\n');
    if (last == std::string::npos) {
        return {from.line, from.at + text.size()};
    }
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return {from.line + breaks, text.size() - last - 1};
}

std::string TextLines::slice(const TextPlace& from, const TextPlace& to) const {
    if (from.line == to.line) {
        return lines[from.line].text.substr(from.at, to.at - from.at);
    }
    std::string text = lines[from.line].text.substr(from.at);
    for (std::size_t i = from.line + 1; i < to.line; ++i) {
        text += '\n';
        text += lines[i].text;
    }
    text += '\n';
    text.append(lines[to.line].text, 0, to.at);
    return text;
}

TextPlace TextLines::replace(const TextPlace& from, const TextPlace& to, const std::string& text) {
    const TextPlace end = endOf(from, text);
    const std::size_t added = end.line - from.line;
    const std::size_t removed = to.line - from.line;
    if (added == 0 && removed == 0) {
        // The common edit, a character typed or taken: one line in place.
        Line& line = lines[from.line];
        const long long rowsBefore = rowsOf(from.line);
        total -= line.characters;
        line.text.replace(from.at, to.at - from.at, text);
        measure(line);
        wrap(line);
        total += line.characters;
        addRows(from.line, rowsOf(from.line) - rowsBefore);
        return end;
    }
    std::string tail = lines[to.line].text.substr(to.at);
    for (std::size_t i = from.line; i <= to.line; ++i) {
        total -= lines[i].characters;
    }
    total -= static_cast<long long>(removed);
    lines[from.line].text.resize(from.at);
    std::vector<Line> fresh(added);
    std::size_t at = text.find('\n');
    lines[from.line].text.append(text, 0, std::min(at, text.size()));
    for (Line& line : fresh) {
        const std::size_t next = std::min(text.find('\n', at + 1), text.size());
        line.text.assign(text, at + 1, next - at - 1);
        at = next;
    }
    (added > 0 ? fresh.back() : lines[from.line]).text += tail;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from.line) + 1,
                lines.begin() + static_cast<std::ptrdiff_t>(to.line) + 1);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(from.line) + 1,
                 std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    for (std::size_t i = from.line; i <= end.line; ++i) {
        measure(lines[i]);
        wrap(lines[i]);
        total += lines[i].characters;
    }
    total += static_cast<long long>(added);
    rebuildRows();
    return end;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
