#pragma once

#include <curses.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "forms/Region.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/WideCells.h"

namespace VeskTest {

// A started session whose screen is filled with dots, so that every written
// cell, blanks included, can be told from the untouched ones.
class PaintedScreen : public PseudoTerminal {
protected:
    void SetUp() override {
        PseudoTerminal::SetUp();
        ASSERT_TRUE(Vesk::Forms::Session::start(Vesk::Forms::Session::None));
        dots();
    }

    void dots() {
        for (int row = 0; row < 25; ++row) {
            mvhline(row, 0, '.', 80);
        }
    }

    // Line-drawing characters read as a b c d - |, blocks as F in the filled
    // bar's colour pair 161, e in the empty one's 241 and ? in any other.
    std::string glyphs(int row, int column, int count) {
        const chtype mask = A_CHARTEXT | A_ALTCHARSET;
        const chtype lines[] = {ACS_ULCORNER, ACS_URCORNER, ACS_LLCORNER,
                                ACS_LRCORNER, ACS_HLINE,    ACS_VLINE};
        std::string text;
        for (int x = column; x < column + count; ++x) {
            const chtype ch = cell(row, x).raw & mask;
            char glyph = static_cast<char>(ch & A_CHARTEXT);
            for (int k = 0; k < 6; ++k) {
                glyph = ch == (lines[k] & mask) ? "abcd-|"[k] : glyph;
            }
            if (isBlock(row, x)) {
                const short pair = wideCell(row, x).pair;
                glyph = pair == 161 ? 'F' : pair == 241 ? 'e' : '?';
            }
            text += glyph;
        }
        return text;
    }

    static attr_t attributes() {
        attr_t attrs = 0;
        short pair = 0;
        attr_get(&attrs, &pair, nullptr);
        return attrs | static_cast<attr_t>(COLOR_PAIR(pair));
    }

    struct Line {
        int row, column;
        std::string text;
    };

    // The screen shows the lines over the dots, and the attributes are off again.
    void expectOnly(const std::vector<Line>& lines, const std::string& label) {
        std::vector<std::string> expected(25, std::string(80, '.'));
        for (const Line& line : lines) {
            expected[line.row].replace(line.column, line.text.size(), line.text);
        }
        for (int row = 0; row < 25; ++row) {
            EXPECT_EQ(expected[row], glyphs(row, 0, 80)) << label << ", row " << row;
        }
        EXPECT_EQ(0u, attributes()) << label;
    }

    // A parent of 20 x 5 cells whose top-left cell is (2, 10), or none.
    enum Parent { NoParent, HiddenParent, VisibleParent };
    Vesk::Forms::Region* parentOf(Parent kind) {
        clipping.position(2, 10);
        clipping.width(20);
        clipping.height(5);
        clipping.overflow(kind == VisibleParent ? Vesk::Forms::Visible : Vesk::Forms::Hidden);
        return kind == NoParent ? nullptr : &clipping;
    }
    Vesk::Forms::Region clipping;
};

// The same in a UTF-8 locale, where text beyond ASCII takes its own cells.
class Utf8PaintedScreen : public PaintedScreen {
protected:
    void SetUp() override {
        setenv("LC_ALL", "C.UTF-8", 1);
        PaintedScreen::SetUp();
    }
    void TearDown() override {
        PaintedScreen::TearDown();
        unsetenv("LC_ALL");
    }

    // The characters of `count` cells: a double-width character once for
    // each of its cells, a combining mark after its base.
    std::wstring wide(int row, int column, int count) {
        std::wstring text;
        for (int x = column; x < column + count; ++x) {
            text += wideCell(row, x).text;
        }
        return text;
    }
};

}  // namespace VeskTest
