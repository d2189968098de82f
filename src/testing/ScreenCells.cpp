// The emulator's screen read as the kit's cells and rows.
#include <algorithm>
#include <vector>

#include "testing/Palette.h"
#include "testing/TerminalState.h"
#include "vesk/Utf8.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

// -1 for the default colour; true colours become the closest index.
int indexOf(const VTermColor& color, bool foreground) {
    if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&color) : VTERM_COLOR_IS_DEFAULT_BG(&color)) {
        return -1;
    }
    if (VTERM_COLOR_IS_INDEXED(&color)) {
        return color.indexed.idx;
    }
    return nearestIndex(static_cast<std::uint32_t>(color.rgb.red) << 16 |
                        static_cast<std::uint32_t>(color.rgb.green) << 8 | color.rgb.blue);
}

}  // namespace

Cell Terminal::State::cellAt(int row, int column) {
    Cell cell;
    cell.text = " ";
    VTermScreenCell raw{};
    if (row < 0 || column < 0 || row >= rows || column >= columns ||
        vterm_screen_get_cell(screen, VTermPos{row, column}, &raw) == 0) {
        return cell;
    }
    if (raw.chars[0] == static_cast<std::uint32_t>(-1)) {
        cell.text.clear();  // the right half of a wide character
    } else if (raw.chars[0] != 0) {
        cell.text.clear();
        for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && raw.chars[i] != 0; ++i) {
            cell.text += EncodeUtf8(raw.chars[i]);
        }
    }
    // A wide character's right half shows the left half's colours and
    // attributes; the emulator keeps them only with the left half.
    if (raw.chars[0] == static_cast<std::uint32_t>(-1) && column > 0) {
        VTermScreenCell left{};
        if (vterm_screen_get_cell(screen, VTermPos{row, column - 1}, &left) != 0) {
            raw.fg = left.fg;
            raw.bg = left.bg;
            raw.attrs = left.attrs;
        }
    }
    cell.foreground = indexOf(raw.fg, true);
    cell.background = indexOf(raw.bg, false);
    cell.reverse = raw.attrs.reverse != 0;
    cell.bold = raw.attrs.bold != 0;
    cell.width = raw.width == 2 ? 2 : 1;
    return cell;
}

std::string Terminal::State::rowText(int row) {
    std::string text;
    if (row < 0 || row >= rows) {
        return text;
    }
    for (int column = 0; column < columns; ++column) {
        text += cellAt(row, column).text;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string Terminal::State::cellsText(int row, int from, int to) {
    std::string text;
    if (row < 0 || row >= rows) {
        return text;
    }
    from = std::max(from, 0);
    to = std::min(to, columns);
    for (int column = from; column < to; ++column) {
        const Cell cell = cellAt(row, column);
        // A wide character shows only when both its halves are inside.
        const bool rightHalfCut = cell.text.empty() && column == from;
        const bool leftHalfCut = cell.width == 2 && column + 1 == to;
        text += rightHalfCut || leftHalfCut ? " " : cell.text;
    }
    return text;
}

Position Terminal::State::place(const std::string& text) {
    for (int row = 0; row < rows; ++row) {
        // The row's text, and the column of the cell each byte belongs to.
        std::string line;
        std::vector<int> columnOf;
        for (int column = 0; column < columns; ++column) {
            const std::string cell = cellAt(row, column).text;
            line += cell;
            columnOf.insert(columnOf.end(), cell.size(), column);
        }
        const std::size_t at = line.find(text);
        if (at != std::string::npos) {
            return Position{row, at < columnOf.size() ? columnOf[at] : columns};
        }
    }
    return Position{};
}

Cursor Terminal::State::cursorNow() {
    VTermPos position{};
    vterm_state_get_cursorpos(vterm_obtain_state(emulator), &position);
    return Cursor{position.row, position.col, cursorVisible};
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
