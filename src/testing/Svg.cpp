#include "testing/Svg.h"

#include <cstdint>
#include <cstdio>

#include "testing/Palette.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

// Cell size in pixels, and the baseline of text within a cell.
constexpr int cellWidth = 9;
constexpr int cellHeight = 18;
constexpr int baseline = 14;
// The default colours: light grey on black, as xterm's colour 7 on 0.
constexpr std::uint32_t defaultForeground = 0xe5e5e5;
constexpr std::uint32_t defaultBackground = 0x000000;

std::string hex(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xffffff));
    return text;
}

struct Colors {
    std::uint32_t foreground;
    std::uint32_t background;
};

Colors colorsOf(const Cell& cell) {
    Colors colors{cell.foreground < 0 ? defaultForeground : paletteColor(cell.foreground),
                  cell.background < 0 ? defaultBackground : paletteColor(cell.background)};
    if (cell.reverse) {
        std::swap(colors.foreground, colors.background);
    }
    return colors;
}

void appendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            // XML allows no control characters.
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
}

std::string position(int row, int column) {
    return "x=\"" + std::to_string(column * cellWidth) + "\" y=\"" +
           std::to_string(row * cellHeight) + "\"";
}

// One rect per run of equal background other than the default.
void appendBackgrounds(std::string& out, const std::vector<Cell>& cells, int row) {
    const int count = static_cast<int>(cells.size());
    for (int start = 0; start < count;) {
        const std::uint32_t fill = colorsOf(cells[static_cast<std::size_t>(start)]).background;
        int end = start + 1;
        while (end < count && colorsOf(cells[static_cast<std::size_t>(end)]).background == fill) {
            ++end;
        }
        if (fill != defaultBackground) {
            out += "<rect " + position(row, start) + " width=\"" +
                   std::to_string((end - start) * cellWidth) + "\" height=\"" +
                   std::to_string(cellHeight) + "\" fill=\"" + hex(fill) + "\"/>\n";
        }
        start = end;
    }
}

// One text per run of equal colour and weight. A wide character stands
// alone, and each run is stretched to its cells, so that glyphs of other
// widths in the reader's font do not shift the columns.
void appendTexts(std::string& out, const std::vector<Cell>& cells, int row) {
    const int count = static_cast<int>(cells.size());
    const auto cellAt = [&cells](int column) -> const Cell& {
        return cells[static_cast<std::size_t>(column)];
    };
    for (int start = 0; start < count;) {
        const Cell& first = cellAt(start);
        const std::uint32_t color = colorsOf(first).foreground;
        int end = start + (first.width == 2 ? 2 : 1);
        while (first.width != 2 && end < count && cellAt(end).width != 2 &&
               colorsOf(cellAt(end)).foreground == color && cellAt(end).bold == first.bold) {
            ++end;
        }
        end = end > count ? count : end;
        int textEnd = end;
        while (textEnd > start && cellAt(textEnd - 1).text == " ") {
            --textEnd;
        }
        std::string text;
        for (int column = start; column < textEnd; ++column) {
            text += cellAt(column).text;
        }
        if (textEnd > start) {
            out += "<text x=\"" + std::to_string(start * cellWidth) + "\" y=\"" +
                   std::to_string(row * cellHeight + baseline) + "\" fill=\"" + hex(color) +
                   "\" textLength=\"" + std::to_string((textEnd - start) * cellWidth) +
                   "\" lengthAdjust=\"spacingAndGlyphs\"" +
                   (first.bold ? " font-weight=\"bold\"" : "") + ">";
            appendEscaped(out, text);
            out += "</text>\n";
        }
        start = end;
    }
}

}  // namespace

std::string svgPicture(const std::vector<std::vector<Cell>>& cells, Cursor cursor) {
    const int rows = static_cast<int>(cells.size());
    const int columns = rows == 0 ? 0 : static_cast<int>(cells[0].size());
    const std::string width = std::to_string(columns * cellWidth);
    const std::string height = std::to_string(rows * cellHeight);
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
        "\" viewBox=\"0 0 " + width + " " + height + "\">\n"
        "<rect width=\"100%\" height=\"100%\" fill=\"" + hex(defaultBackground) + "\"/>\n";
    for (int row = 0; row < rows; ++row) {
        appendBackgrounds(out, cells[static_cast<std::size_t>(row)], row);
    }
    out += "<g font-family=\"DejaVu Sans Mono, Menlo, Consolas, monospace\" font-size=\"15\" "
           "xml:space=\"preserve\">\n";
    for (int row = 0; row < rows; ++row) {
        appendTexts(out, cells[static_cast<std::size_t>(row)], row);
    }
    out += "</g>\n";
    if (cursor.visible && cursor.row >= 0 && cursor.row < rows && cursor.column >= 0 &&
        cursor.column < columns) {
        out += "<rect class=\"cursor\" " + position(cursor.row, cursor.column) + " width=\"" +
               std::to_string(cellWidth) + "\" height=\"" + std::to_string(cellHeight) +
               "\" fill=\"" + hex(defaultForeground) + "\" fill-opacity=\"0.5\"/>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
