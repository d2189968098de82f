#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace Vesk {
namespace Forms {
namespace detail {

// Bytes that take no cell of their own as they are (control bytes, a
// byte of no character, a character the terminal cannot show) are shown
// as this.
constexpr char StandIn = '?';

// Combining marks kept with the character before them; curses keeps five
// characters in a cell. Further marks are left out.
constexpr int MostMarks = 4;

// What one or two cells of a text show: a character (or the stand-in)
// and the combining marks that join it.
struct Glyph {
    int cells;  // 1 or 2
    int bytes;  // of the text, marks included
    int count;  // characters in `text`, the first one and its marks
    wchar_t text[1 + MostMarks];
};

// Walks a text glyph by glyph, up to its end or its first NUL byte. With
// `unicode` (a UTF-8 locale) a character takes the cells wcwidth gives
// it, a combining mark joins the glyph before it (with none before, it
// shows as the stand-in), and each byte of no character is a stand-in.
// Otherwise every byte is a cell: ASCII as it is, the rest a stand-in.
class TextWalk {
public:
    TextWalk(const char* text, std::size_t length, bool unicode);
    explicit TextWalk(const std::string& text, bool unicode)
        : TextWalk(text.data(), text.size(), unicode) {}

    bool done() const { return at == end || *at == 0; }
    const char* place() const { return reinterpret_cast<const char*>(at); }

    // How many of the next bytes, at most `most`, are printable ASCII
    // that no combining mark follows: one glyph of one cell each.
    long long plainRun(long long most) const;
    void skipPlain(long long count) { at += count; }

    // The next glyph; the walk stays where it is.
    Glyph peek() const;
    void skip(const Glyph& glyph) { at += glyph.bytes; }

private:
    // Whether the bytes from `from` start a character of no width.
    bool markAt(const unsigned char* from) const;

    const unsigned char* at;
    const unsigned char* end;
    bool unicode;
};

// The cells of a whole text, or of as much of it as makes the count pass
// `limit`, where the count stops.
long long textCells(const char* text, std::size_t length, bool unicode,
                    long long limit = std::numeric_limits<long long>::max());

inline long long textCells(const std::string& text, bool unicode,
                           long long limit = std::numeric_limits<long long>::max()) {
    return textCells(text.data(), text.size(), unicode, limit);
}

// Lays the glyphs of `walk` out on one row of `room` cells (no limit when
// negative) from cell 0 on, until the text or the room ends or cell
// `stop` is reached (nothing from there on is wanted). A glyph is never
// split: when it does not fit the room left, those cells are blanks and
// it starts the next row; a glyph wider than a whole row is left out,
// its cells blanks. `out` receives, in the order of the cells:
//   out.plain(cell, bytes, count)  printable ASCII, one byte a cell
//   out.glyph(cell, glyph)
//   out.blank(cell, count)
// Returns the cells the row takes.
template <typename Out>
long long layRow(TextWalk& walk, long long room, long long stop, Out& out) {
    const long long limit = room < 0 ? std::numeric_limits<long long>::max() : room;
    const long long end = stop < limit ? stop : limit;
    long long cell = 0;
    while (cell < end && !walk.done()) {
        const long long plain = walk.plainRun(end - cell);
        if (plain > 0) {
            out.plain(cell, walk.place(), plain);
            walk.skipPlain(plain);
            cell += plain;
            continue;
        }
        const Glyph glyph = walk.peek();
        if (glyph.cells > limit - cell) {
            if (cell == 0) {
                walk.skip(glyph);
            }
            out.blank(cell, limit - cell);
            return limit;
        }
        walk.skip(glyph);
        out.glyph(cell, glyph);
        cell += glyph.cells;
    }
    return cell;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
