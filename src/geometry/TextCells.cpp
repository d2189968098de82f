#include "geometry/TextCells.h"

#include <cwchar>

#include "geometry/Utf8.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

bool isPlain(unsigned char byte) {
    return byte >= 0x20 && byte < 0x7F;
}

// One byte shown as itself, or as the stand-in.
Glyph byteGlyph(unsigned char byte) {
    return {1, 1, 1, {static_cast<wchar_t>(isPlain(byte) ? byte : StandIn)}};
}

}  // namespace

TextWalk::TextWalk(const char* text, std::size_t length, bool unicode)
    : at(reinterpret_cast<const unsigned char*>(text)),
      end(reinterpret_cast<const unsigned char*>(text) + length),
      unicode(unicode) {}

bool TextWalk::markAt(const unsigned char* from) const {
    if (!unicode || from == end || *from < 0x80) {
        return false;
    }
    const Utf8Sequence sequence = decodeUtf8(from, end);
    return sequence.length > 0 && wcwidth(sequence.character) == 0;
}

long long TextWalk::plainRun(long long most) const {
    const long long left = end - at;
    const long long bound = most < left ? most : left;
    long long count = 0;
    while (count < bound && isPlain(at[count])) {
        ++count;
    }
    // The last byte is a glyph of its own only when no mark joins it.
    if (count > 0 && count == bound && bound < left) {
        return markAt(at + count) ? count - 1 : count;
    }
    if (count > 0 && count < bound && markAt(at + count)) {
        return count - 1;
    }
    return count;
}

Glyph TextWalk::peek() const {
    const unsigned char* from = at;
    Glyph glyph = byteGlyph(*from);
    if (unicode && *from >= 0x80) {
        const Utf8Sequence sequence = decodeUtf8(from, end);
        if (sequence.length > 0) {
            // No cell of its own (a control) or no width (a mark with
            // nothing before it): the stand-in.
            const int width = wcwidth(sequence.character);
            glyph.bytes = sequence.length;
            if (width > 0) {
                glyph.cells = width;
                glyph.text[0] = sequence.character;
            }
        }
    }
    from += glyph.bytes;
    while (unicode && from != end && *from >= 0x80) {
        const Utf8Sequence mark = decodeUtf8(from, end);
        if (mark.length == 0 || wcwidth(mark.character) != 0) {
            break;
        }
        if (glyph.count < 1 + MostMarks) {
            glyph.text[glyph.count++] = mark.character;
        }
        glyph.bytes += mark.length;
        from += mark.length;
    }
    return glyph;
}

long long textCells(const char* text, std::size_t length, bool unicode, long long limit) {
    TextWalk walk(text, length, unicode);
    long long cells = 0;
    while (cells <= limit && !walk.done()) {
        // Enough to pass the limit, without overflowing at the largest one.
        const long long left = limit - cells;
        const long long plain =
            walk.plainRun(left < std::numeric_limits<long long>::max() ? left + 1 : left);
        if (plain > 0) {
            walk.skipPlain(plain);
            cells += plain;
            continue;
        }
        const Glyph glyph = walk.peek();
        walk.skip(glyph);
        cells += glyph.cells;
    }
    return cells;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
