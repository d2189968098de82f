#include "geometry/Output.h"

#include <curses.h>

#include <algorithm>
#include <cwchar>

#include "geometry/Utf8.h"
#include "session/Locale.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

bool isControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

bool isPlainAscii(unsigned char byte) {
    return byte < 0x80 && !isControl(byte);
}

}  // namespace

// Curses would take a byte of a cut or broken UTF-8 sequence as the start of
// a character and merge it with whatever is written next, and shows a byte it
// cannot print as several cells; so only whole characters reach it, each
// taking no more cells than its bytes.
void putText(long long row, long long column, const char* text, long long count) {
    Span span = onScreen(row, column, count);
    if (span.first >= span.last) {
        return;
    }
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text) + span.first;
    const unsigned char* end = reinterpret_cast<const unsigned char*>(text) + span.last;
    if (std::all_of(at, end, isPlainAscii)) {
        mvaddnstr(static_cast<int>(row), static_cast<int>(column + span.first),
                  reinterpret_cast<const char*>(at), static_cast<int>(end - at));
        return;
    }

    const bool unicode = unicodeScreen();
    move(static_cast<int>(row), static_cast<int>(column + span.first));
    long long room = end - at;
    bool written = false;
    while (at < end) {
        const unsigned char byte = *at;
        if (byte < 0x80) {
            addch(isControl(byte) ? ControlStandIn : byte);
            ++at;
            --room;
            written = true;
            continue;
        }
        const Utf8Sequence sequence = unicode ? decodeUtf8(at, end) : Utf8Sequence{0, 0};
        if (sequence.length == 0) {
            addch(ControlStandIn);
            ++at;
            --room;
            written = true;
            continue;
        }
        at += sequence.length;
        // A combining character joins the cell before it, which must be one
        // of this text's.
        const int width = wcwidth(sequence.character);
        if (width < 0 || width > room || (width == 0 && !written)) {
            addch(ControlStandIn);
            --room;
        } else {
            cchar_t cell = wideCell(sequence.character);
            add_wch(&cell);
            room -= width;
        }
        written = true;
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
