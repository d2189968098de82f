#pragma once

#include <curses.h>

#include <string>
#include <vector>

#include "forms/Session.h"
#include "support/PseudoTerminal.h"

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

    // Line-drawing characters read as the letters a b c d - |.
    std::string glyphs(int row, int column, int count) {
        const chtype mask = A_CHARTEXT | A_ALTCHARSET;
        const chtype lines[] = {ACS_ULCORNER, ACS_URCORNER, ACS_LLCORNER,
                                ACS_LRCORNER, ACS_HLINE,    ACS_VLINE};
        std::string text;
        for (int i = 0; i < count; ++i) {
            chtype ch = cell(row, column + i).raw & mask;
            char glyph = static_cast<char>(ch & A_CHARTEXT);
            for (int k = 0; k < 6; ++k) {
                if (ch == (lines[k] & mask)) {
                    glyph = "abcd-|"[k];
                }
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

    // The lines hold what is expected, no other cell changed, and the
    // attributes are off again.
    void expectOnly(const std::vector<Line>& lines, const std::string& label) {
        int expected = 0;
        for (const Line& line : lines) {
            EXPECT_EQ(line.text, glyphs(line.row, line.column, static_cast<int>(line.text.size())))
                << label << ", row " << line.row;
            for (char c : line.text) {
                expected += c != '.';
            }
        }
        int changed = 0;
        for (int row = 0; row < 25; ++row) {
            for (int column = 0; column < 80; ++column) {
                changed += cell(row, column).character != '.';
            }
        }
        EXPECT_EQ(expected, changed) << label;
        EXPECT_EQ(0u, attributes()) << label;
    }
};

}  // namespace VeskTest
