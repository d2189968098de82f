#include <curses.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "forms/Region.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"
#include "support/WideCells.h"

using namespace Vesk::Forms;

namespace {

class TextCells : public VeskTest::PseudoTerminal {
protected:
    // The characters of a whole row, a double-width character once for each
    // of its two cells, a combining character after its base.
    std::wstring row(int row) {
        std::wstring text;
        for (int column = 0; column < 80; ++column) {
            text += VeskTest::wideCell(row, column).text;
        }
        return text;
    }

    // A row of dots with `cells` written from `column` on.
    static std::wstring dotsWith(int column, const std::wstring& cells) {
        std::size_t combining = 0;
        for (wchar_t c : cells) {
            combining += c >= 0x300 && c <= 0x36F;
        }
        std::wstring text(static_cast<std::size_t>(column), L'.');
        text += cells;
        return text +
               std::wstring(80 - static_cast<std::size_t>(column) - cells.size() + combining, L'.');
    }
};

}  // namespace

// Text is laid out in cells: in a UTF-8 locale a character takes the cells
// wcwidth gives it and a combining mark joins the character before it; else
// each byte is a cell. A byte of no character and a character that takes no
// cell of its own show as '?'; a wide character cut by the window or the
// screen is not split, its cell inside shows a blank; a NUL ends the text.
// The row never ends past the window nor leaves half a character for curses
// to merge with the next one.
TEST_F(TextCells, TextStaysInsideItsWindowWhateverItsBytes) {
    // clang-format off
    const struct { int column, width; WordWrapStyle wrap; std::string text; std::wstring unicode, unicodeNext, plain, plainNext; } cases[] = {
        {2, 10, NoWrap, "caf\xC3\xA9!", L"caf\u00E9!", L"", L"caf?" L"?!", L""},
        {2, 4, NoWrap, "caf\xC3\xA9", L"caf\u00E9", L"", L"caf?", L""},
        {2, 10, NoWrap, "\xE2\x96x", L"??x", L"", L"??x", L""},
        // A byte that starts nothing, an overlong form, a surrogate.
        {2, 10, NoWrap, "\xFF\xC0\xAF\xED\xA0\x80", L"??????", L"", L"??????", L""},
        {2, 10, NoWrap, "a\xE4\xB8\xAD" "b", L"a\u4E2D\u4E2Db", L"", L"a???b", L""},
        {2, 10, NoWrap, "\xF0\x9F\x98\x80!", L"\U0001F600\U0001F600!", L"", L"??" L"??" L"!", L""},
        // A C1 control; a combining accent with nothing of the text before it.
        {2, 10, NoWrap, "\xC2\x85z", L"?z", L"", L"??z", L""},
        {2, 10, NoWrap, "\xCC\x81" "e\xCC\x81x", L"?e\u0301x", L"", L"??e??x", L""},
        {2, 2, NoWrap, "e\xCC\x81" "e\xCC\x81" "e", L"e\u0301e\u0301", L"", L"e?", L""},
        {2, 10, NoWrap, "\tx\x7F", L"?x?", L"", L"?x?", L""},
        {2, 10, NoWrap, std::string("ab\0cd", 5), L"ab", L"", L"ab", L""},
        // Cut by the window, by the screen's right and left edges.
        {2, 3, NoWrap, "ab\xE4\xB8\xAD", L"ab ", L"", L"ab?", L""},
        {75, 10, NoWrap, "ab\xE4\xB8\xAD" "c", L"ab\u4E2D\u4E2Dc", L"", L"ab???", L""},
        {76, 10, NoWrap, "ab\xE4\xB8\xAD", L"ab\u4E2D\u4E2D", L"", L"ab??", L""},
        {77, 10, NoWrap, "ab\xE4\xB8\xAD", L"ab ", L"", L"ab?", L""},
        {-1, 10, NoWrap, "\xC3\xA9xy", L"xy", L"", L"?xy", L""},
        {-1, 10, NoWrap, "\xE4\xB8\xAD" "xy", L" xy", L"", L"??xy", L""},
        // A row holds what fits; a wide character that does not starts the next.
        {2, 3, CharacterWrap, "ab\xC3\xA9" "cd", L"ab\u00E9", L"cd", L"ab?", L"?cd"},
        {2, 3, CharacterWrap, "ab\xE4\xB8\xAD" "c", L"ab ", L"\u4E2D\u4E2Dc", L"ab?", L"??c"},
    };
    // clang-format on
    for (const char* locale : {"C.UTF-8", "C"}) {
        setenv("LC_ALL", locale, 1);
        ASSERT_TRUE(Session::start(Session::None));
        for (const auto& c : cases) {
            for (int line = 0; line < 25; ++line) {
                mvhline(line, 0, '.', 80);
            }
            Region region;
            region.position(3, c.column);
            region.width(c.width);
            region.height(1);
            Point start(0, 0);
            region.drawText(&start, c.text, c.wrap, White, Black, false);

            const bool unicode = std::string(locale) == "C.UTF-8";
            const int first = c.column < 0 ? 0 : c.column;
            EXPECT_EQ(dotsWith(first, unicode ? c.unicode : c.plain), row(3))
                << locale << " " << c.text;
            EXPECT_EQ(dotsWith(first, unicode ? c.unicodeNext : c.plainNext), row(4))
                << locale << " " << c.text;
        }
        ASSERT_TRUE(Session::stop());
    }
    unsetenv("LC_ALL");
}
