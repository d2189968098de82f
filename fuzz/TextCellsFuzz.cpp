// Lays texts out in cells and checks what must hold for any bytes: glyphs
// take one or two cells and never read past the text, the measure agrees
// with the walk, whether the text is measured whole or in two parts split
// between glyphs, and rows of any room never take more cells than the room
// while holding the same glyphs as the whole walk.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "geometry/TextCells.h"

using namespace Vesk::Forms::detail;

namespace {

void check(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "TextCells invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Where a glyph starts, its bytes and its cells.
struct Step {
    std::size_t offset;
    int bytes;
    int cells;
};

bool sameGlyph(const Glyph& a, const Glyph& b) {
    return a.cells == b.cells && a.bytes == b.bytes && a.count == b.count &&
           std::memcmp(a.text, b.text, sizeof(wchar_t) * static_cast<std::size_t>(a.count)) == 0;
}

// Receives one row of layRow and checks that its cells come in order,
// inside the room, and that the glyphs are those of the whole walk.
struct RowCheck {
    const char* base;
    const std::vector<Step>& steps;
    std::size_t& next;  // index into steps of the glyph expected next
    long long room;
    long long reached = 0;

    void take(long long cell, long long cells) {
        check(cell == reached, "row cells in order, without gaps");
        reached = cell + cells;
        check(reached <= room, "a row never takes more cells than its room");
    }
    void plain(long long cell, const char* bytes, long long count) {
        take(cell, count);
        for (long long i = 0; i < count; ++i, ++next) {
            check(next < steps.size(), "plain bytes are glyphs of the walk");
            check(steps[next].offset == static_cast<std::size_t>(bytes + i - base) &&
                      steps[next].bytes == 1 && steps[next].cells == 1,
                  "a plain byte is a one-byte, one-cell glyph of the walk");
        }
    }
    void glyph(long long cell, const Glyph& glyph) {
        take(cell, glyph.cells);
        check(next < steps.size() && steps[next].bytes == glyph.bytes &&
                  steps[next].cells == glyph.cells,
              "a row's glyph is the walk's next one");
        ++next;
    }
    void blank(long long cell, long long count) {
        take(cell, count);
        check(count < 2, "only a cut glyph leaves blanks, at most one cell");
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    check(std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr, "a UTF-8 locale");
    return 0;
}

// Input: one byte of settings (bit 0: UTF-8; the rest: the room of a row,
// 0 to 127), then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool unicode = (data[0] & 1) != 0;
    const long long room = data[0] >> 1;
    // A copy of exactly the text's size, so that reading past it is caught.
    std::vector<char> bytes(data + 1, data + size);
    const char* text = bytes.data();
    const std::size_t length = bytes.size();
    const void* nul = length == 0 ? nullptr : std::memchr(text, 0, length);
    const std::size_t ends =
        nul == nullptr ? length : static_cast<std::size_t>(static_cast<const char*>(nul) - text);

    // Glyph by glyph.
    std::vector<Step> steps;
    long long total = 0;
    TextWalk walk(text, length, unicode);
    while (!walk.done()) {
        const Glyph glyph = walk.peek();
        const std::size_t offset = static_cast<std::size_t>(walk.place() - text);
        check(sameGlyph(glyph, walk.peek()), "peek leaves the walk where it is");
        check(glyph.bytes >= 1 && offset + static_cast<std::size_t>(glyph.bytes) <= ends,
              "a glyph takes bytes of the text before its end or NUL");
        check(glyph.cells == 1 || glyph.cells == 2, "a glyph takes one or two cells");
        check(glyph.count >= 1 && glyph.count <= 1 + MostMarks, "a glyph holds its marks");
        check(glyph.text[0] != 0, "a glyph shows a character");
        check(unicode ||
                  (glyph.bytes == 1 && glyph.cells == 1 &&
                   (glyph.text[0] == StandIn || (glyph.text[0] >= 0x20 && glyph.text[0] < 0x7F))),
              "without UTF-8 each byte is a cell of ASCII or the stand-in");
        steps.push_back({offset, glyph.bytes, glyph.cells});
        total += glyph.cells;
        walk.skip(glyph);
    }
    check(static_cast<std::size_t>(walk.place() - text) == ends, "the walk ends at the end or NUL");

    // The measure, whole, limited, and split between glyphs.
    check(textCells(text, length, unicode) == total, "the measure is the walk's cells");
    const long long limited = textCells(text, length, unicode, room);
    check(total <= room ? limited == total : limited > room && limited <= room + 2,
          "a limited measure stops just past its limit");
    const std::size_t stride = steps.size() / 64 + 1;
    for (std::size_t i = 0; i < steps.size(); i += stride) {
        const std::size_t at = steps[i].offset;
        check(textCells(text, at, unicode) + textCells(text + at, length - at, unicode) == total,
              "measuring in two parts split between glyphs gives the whole");
    }

    // Rows of the room: together they hold the walk's glyphs, except a
    // glyph wider than a whole row.
    if (room > 0) {
        TextWalk rows(text, length, unicode);
        std::size_t next = 0;
        while (!rows.done()) {
            const char* before = rows.place();
            RowCheck row{text, steps, next, room};
            const long long taken = layRow(rows, room, room, row);
            check(taken <= room && rows.place() > before, "each row takes cells and moves on");
            if (rows.place() - text >
                static_cast<long long>(next < steps.size() ? steps[next].offset : ends)) {
                // The row left out a glyph wider than itself.
                check(room == 1 && next < steps.size() && steps[next].cells == 2,
                      "only a glyph wider than a whole row is left out");
                ++next;
            }
        }
        check(next == steps.size(), "the rows hold every glyph");
    }
    return 0;
}
