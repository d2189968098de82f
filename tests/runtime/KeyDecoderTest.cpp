#include "vesk/KeyDecoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef NCURSES_NOMACROS
#define NCURSES_NOMACROS
#endif
#include <curses.h>

#include "../../fuzz/KeyDecoderDriver.h"

namespace {

using namespace std::string_literals;
using namespace Vesk;
using IO::KeyDecoder;
using std::chrono::milliseconds;
using Codes = std::vector<std::int32_t>;

constexpr std::int32_t K(int cursesCode) {
    return KeyCodeBase + cursesCode;
}
constexpr std::int32_t F(int n) {
    return K(KEY_F(n));
}

Codes drain(KeyDecoder& decoder) {
    Codes codes;
    for (Event event; decoder.next(event);) {
        codes.push_back(event);
    }
    return codes;
}

Codes bytesOf(const std::string& text) {
    return Codes(reinterpret_cast<const std::uint8_t*>(text.data()),
                 reinterpret_cast<const std::uint8_t*>(text.data()) + text.size());
}

constexpr std::int32_t C(char32_t codePoint) {
    return KeyCharacter + static_cast<std::int32_t>(codePoint);
}

// A mouse event at a zero-based row and column.
constexpr std::int32_t Press(MouseButton button, int row, int column, int modifiers = 0) {
    return MouseEvent(button, true, modifiers, row, column);
}
constexpr std::int32_t Release(MouseButton button, int row, int column, int modifiers = 0) {
    return MouseEvent(button, false, modifiers, row, column);
}
constexpr MouseButton Left = MouseButton::Left, Middle = MouseButton::Middle,
                      Right = MouseButton::Right, WheelUp = MouseButton::WheelUp,
                      WheelDown = MouseButton::WheelDown;

// Codes joined in order: ints as they are, strings as their bytes.
Codes operator+(Codes codes, const Codes& more) {
    codes.insert(codes.end(), more.begin(), more.end());
    return codes;
}

// Decodes `bytes` in one read, one byte per read, and in two reads split at
// every boundary, each read `gap` after the last (just inside the delay by
// default; none for mouse reports, which come in one burst); then lets the
// delay pass.
void expectDecodes(const std::string& bytes, const Codes& expected, bool burst = false) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    const milliseconds gap = burst ? milliseconds(0) : KeyDecoder().escapeDelay() - milliseconds(1);
    KeyDecoder whole;
    whole.feed(bytes);
    whole.advance(whole.escapeDelay());
    EXPECT_FALSE(whole.pending());
    EXPECT_EQ(drain(whole), expected);

    KeyDecoder split;
    for (char c : bytes) {
        split.feed(std::string(1, c));
        split.advance(gap);
    }
    split.advance(milliseconds(1));
    EXPECT_FALSE(split.pending());
    EXPECT_EQ(drain(split), expected);

    for (std::size_t at = 1; at < bytes.size(); ++at) {
        KeyDecoder two;
        two.feed(bytes.substr(0, at));
        two.advance(gap);
        two.feed(bytes.substr(at));
        two.advance(two.escapeDelay());
        EXPECT_EQ(drain(two), expected) << "split after byte " << at;
    }
}

TEST(KeyDecoder, DecodesSequencesWholeAndSplit) {
    const std::string n32(KeyDecoder::MaxSequenceBody, '1');
    const struct {
        std::string bytes;
        Codes expected;
    } rows[] = {
        // Plain bytes.
        {"\t\r\n", {KeyTab, KeyEnter, KeyLineFeed}},
        {"aZ~ 0\x00\x01\x7f\x80\xc3\xa9\x9b\xff"s,
         bytesOf("aZ~ 0\x00\x01\x7f\x80"s) + Codes{C(0xE9), 0x9B, 0xFF}},
        // Cursor, page, back-tab, Home/End/Insert/Delete.
        {"\x1b[A\x1b[B\x1b[C\x1b[D\x1bOA\x1bOB\x1bOC\x1bOD",
         {KeyUp, KeyDown, KeyRight, KeyLeft, KeyUp, KeyDown, KeyRight, KeyLeft}},
        {"\x1b[5~\x1b[6~\x1b[Z\x1b[2~\x1b[3~",
         {KeyPreviousPage, KeyNextPage, KeyBackTab, K(KEY_IC), K(KEY_DC)}},
        {"\x1b[H\x1bOH\x1b[1~\x1b[7~\x1b[F\x1bOF\x1b[4~\x1b[8~",
         {K(KEY_HOME), K(KEY_HOME), K(KEY_HOME), K(KEY_HOME), K(KEY_END), K(KEY_END), K(KEY_END),
          K(KEY_END)}},
        // F1-F12 in every form.
        {"\x1bOP\x1bOQ\x1bOR\x1bOS\x1b[15~", {F(1), F(2), F(3), F(4), F(5)}},
        {"\x1b[11~\x1b[12~\x1b[13~\x1b[14~\x1b[[A\x1b[[E", {F(1), F(2), F(3), F(4), F(1), F(5)}},
        {"\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~",
         {F(6), F(7), F(8), F(9), F(10), F(11), F(12)}},
        // Editing keys as xterm, the linux console and rxvt send them.
        {"\x1b[H\x1b[F\x1b[1~\x1b[4~\x1b[7~\x1b[8~\x1b[3~\x1b[21~\x7f\x08",
         {KeyHome, KeyEnd, KeyHome, KeyEnd, KeyHome, KeyEnd, KeyDelete, KeyF10, 0x7F, 0x08}},
        // rxvt's Shift ($), Ctrl (^) and Ctrl-Shift (@) endings take no further byte.
        {"\x1b[7$x\x1b[8$\x1b[3$\x1b[2$\x1b[6$\x1b[23$",
         {K(KEY_SHOME), 'x', K(KEY_SEND), K(KEY_SDC), K(KEY_SIC), K(KEY_SNEXT), F(23)}},
        {"\x1b[7^\x1b[3^\x1b[21^\x1b[5@\x1b[11@",
         {KeyHome, KeyDelete, F(34), KeyPreviousPage, F(37)}},
        {"\x1b[$x\x1b[?5$x\x1b[1;2$y", {}},
        // Keypad in application mode.
        {"\x1bOM\x1bOp\x1bOy\x1bOk\x1bOX", {KeyEnter, '0', '9', '+', '='}},
        // Shift; function keys with Shift, Ctrl, Ctrl-Shift, Alt.
        {"\x1b[1;2A\x1b[1;2B\x1b[1;2C\x1b[1;2D\x1bO2A",
         {K(KEY_SR), K(KEY_SF), K(KEY_SRIGHT), K(KEY_SLEFT), K(KEY_SR)}},
        {"\x1b[1;2H\x1b[1;2F\x1b[1;2~\x1b[4;2~",
         {K(KEY_SHOME), K(KEY_SEND), K(KEY_SHOME), K(KEY_SEND)}},
        {"\x1b[2;2~\x1b[3;2~\x1b[6;2~\x1b[5;2~",
         {K(KEY_SIC), K(KEY_SDC), K(KEY_SNEXT), K(KEY_SPREVIOUS)}},
        {"\x1bO2P\x1b[1;2P\x1b[1;5P\x1b[1;6Q\x1b[1;3S", {F(13), F(13), F(25), F(38), F(52)}},
        {"\x1b[15;2~\x1b[24;5~\x1b[24;6~\x1b[24;3~", {F(17), F(36), F(48), F(60)}},
        // Modifiers without a code of their own give the plain key.
        {"\x1b[24;4~\x1b[24;7~\x1b[1;1A\x1b[1;5A\x1b[1;3C\x1b[3;5~\x1b[5;5~\x1b[1;2Z\x1bO5M",
         {F(12), F(12), KeyUp, KeyUp, KeyRight, K(KEY_DC), KeyPreviousPage, KeyBackTab, KeyEnter}},
        // Alt+Down has its own code (a drop-down opens on it); Shift+Alt does not.
        {"\x1b[1;3B\x1bO3B\x1b[1;4B", {KeyAltDown, KeyAltDown, KeyDown}},
        // Well-formed but unknown: swallowed, what follows still decodes.
        {"\x1b[200~pasted\x1b[201~\x1b[I\x1b[Ox",
         Codes{PasteBegin} + bytesOf("pasted") + Codes{PasteEnd, 'x'}},
        {"\x1b[99~\x1b[?1;2c\x1b[2 q\x1b[5A\x1b[[Z\x1b[1;2;3A\x1b[27;5;9~\x1b[1:2A\x1bOz", {}},
        {"\x1b[" + n32 + "~w", bytesOf("w")},
        // Alt+key and ESC ESC.
        {"\x1b"
         "a\x1b\t\x1b\x7f\x1b\xc3\xa9",
         {0x1B, 'a', 0x1B, KeyTab, 0x1B, 0x7F, 0x1B, C(0xE9)}},
        {"\x1b\x1b", {0x1B, 0x1B}},
        {"\x1b\x1b[A", {0x1B, KeyUp}},
        // Broken off: collected bytes come back, the interrupting byte decodes.
        {"\x1b[1\x01x", bytesOf("\x1b[1\x01x")},
        {"\x1b[\x1b[B", {0x1B, '[', KeyDown}},
        {"\x1bO\n", {0x1B, 'O', KeyLineFeed}},
        {"\x1b[1 2A", bytesOf("\x1b[1 2A")},
        {"\x1b[[1", bytesOf("\x1b[[1")},
        {"\x1b[\xc3\xa9", {0x1B, '[', C(0xE9)}},
        // Left unfinished: given back once the delay has passed.
        {"\x1b", {0x1B}},
        {"\x1b[", {0x1B, '['}},
        {"\x1bO", {0x1B, 'O'}},
        {"\x1b[1;", bytesOf("\x1b[1;")},
    };
    for (const auto& row : rows) {
        expectDecodes(row.bytes, row.expected);
    }
}

TEST(KeyDecoder, DecodesUtf8AndGivesBackMalformedBytes) {
    const Codes after = {'x', KeyUp};  // must still arrive after any row
    const struct {
        std::string bytes;
        Codes expected;
    } rows[] = {
        {"\xc3\xa9", {C(0xE9)}},
        {"\xe6\xbc\xa2", {C(0x6F22)}},
        {"\xf0\x9f\x98\x80", {C(0x1F600)}},
        {"a\xc3\xa9\xe6\xbc\xa2\xf0\x9f\x98\x80z", {'a', C(0xE9), C(0x6F22), C(0x1F600), 'z'}},
        // Edges of each length and around the surrogates.
        {"\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf", {C(0x80), C(0x7FF), C(0x800), C(0xFFFF)}},
        {"\xed\x9f\xbf\xee\x80\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
         {C(0xD7FF), C(0xE000), C(0x10000), C(0x10FFFF)}},
        // Stray continuation bytes and leads that start nothing.
        {"\x80", {0x80}},
        {"\xbf\xc3\xa9", {0xBF, C(0xE9)}},
        {"\xc3\xa9\xa9", {C(0xE9), 0xA9}},
        {"\xf5\x80\x80\x80", {0xF5, 0x80, 0x80, 0x80}},
        {"\xf8\xfe\xff", {0xF8, 0xFE, 0xFF}},
        // Overlong forms.
        {"\xc0\x80\xc1\xbf", {0xC0, 0x80, 0xC1, 0xBF}},
        {"\xe0\x80\x80\xe0\x9f\xbf", {0xE0, 0x80, 0x80, 0xE0, 0x9F, 0xBF}},
        {"\xf0\x80\x80\x80\xf0\x8f\xbf\xbf", {0xF0, 0x80, 0x80, 0x80, 0xF0, 0x8F, 0xBF, 0xBF}},
        // Surrogates and past U+10FFFF.
        {"\xed\xa0\x80\xed\xbf\xbf", {0xED, 0xA0, 0x80, 0xED, 0xBF, 0xBF}},
        {"\xf4\x90\x80\x80", {0xF4, 0x90, 0x80, 0x80}},
        // Cut by ASCII, by ESC, by another lead, by the end of input (the delay).
        {"\xe6\xbcy", {0xE6, 0xBC, 'y'}},
        {"\xc3\t", {0xC3, KeyTab}},
        {"\xf0\x9f\x98\x1b[B", {0xF0, 0x9F, 0x98, KeyDown}},
        {"\xe6\x1b", {0xE6, 0x1B}},
        {"\xc3\xe6\xbc\xa2", {0xC3, C(0x6F22)}},
        {"\xf0\x9f\xf0\x9f\x98\x80", {0xF0, 0x9F, C(0x1F600)}},
        {"\xe6\xbc", {0xE6, 0xBC}},
    };
    for (const auto& row : rows) {
        expectDecodes(row.bytes, row.expected);
        expectDecodes(row.bytes + "x\x1b[A", row.expected + after);
    }
}

// Mouse reports and sequences past the body limit come in one burst.
TEST(KeyDecoder, DecodesMouseReportsAndDropsMalformedBurstsWhole) {
    const Codes after = {'x', KeyUp};  // must still arrive after any row
    const std::string digits40(40, '1');
    const std::string n32(KeyDecoder::MaxSequenceBody, '1');
    const struct {
        std::string bytes;
        Codes expected;
    } rows[] = {
        // SGR: every button pressed and released, one-based x (column) and y (row).
        {"\x1b[<0;1;1M\x1b[<0;10;5m", {Press(Left, 0, 0), Release(Left, 4, 9)}},
        {"\x1b[<1;3;2M\x1b[<1;3;2m", {Press(Middle, 1, 2), Release(Middle, 1, 2)}},
        {"\x1b[<2;80;24M\x1b[<2;80;24m", {Press(Right, 23, 79), Release(Right, 23, 79)}},
        {"\x1b[<64;5;6M\x1b[<65;5;6M", {Press(WheelUp, 5, 4), Press(WheelDown, 5, 4)}},
        // Shift 4, Alt 8, Ctrl 16, together, on a release and on the wheel.
        {"\x1b[<4;2;3M\x1b[<8;2;3M\x1b[<16;2;3M\x1b[<30;2;3m\x1b[<84;2;3M",
         {Press(Left, 2, 1, MouseShift), Press(Left, 2, 1, MouseAlt), Press(Left, 2, 1, MouseCtrl),
          Release(Right, 2, 1, MouseShift | MouseAlt | MouseCtrl),
          Press(WheelUp, 2, 1, MouseShift | MouseCtrl)}},
        // Clamped to 4095; zero taken for one.
        {"\x1b[<0;4096;4097M\x1b[<0;99999999999999999999;5M\x1b[<0;0;0M",
         {Press(Left, 4095, 4095), Press(Left, 4, 4095), Press(Left, 0, 0)}},
        // No event: drags and moves, wheel releases, horizontal wheel, extra
        // buttons, an unknown button pressed, b out of range.
        {"\x1b[<32;5;5M\x1b[<34;5;5M\x1b[<35;5;5M\x1b[<96;5;5M\x1b[<64;5;6m", {}},
        {"\x1b[<66;5;6M\x1b[<67;5;6M\x1b[<128;1;1M\x1b[<3;1;1M\x1b[<3;1;1m\x1b[<9999;1;1M", {}},
        {"\x1b[<0;120;45M\x1b[<0;120;45my\x1b[M !!z",
         {Press(Left, 44, 119), Release(Left, 44, 119), 'y', Press(Left, 0, 0), 'z'}},
        // Malformed: fields missing, extra, empty, bad characters, too long;
        // dropped up to the M or m, whatever bytes it holds.
        {"\x1b[<a;b;cM\x1b[<1x;2;3m\x1b[<0;1;1Z;1M", {}},
        {"\x1b[<0;1M\x1b[<0;1;1;1M\x1b[<;1;1M\x1b[<0;;1m\x1b[<M\x1b[<0;1;M", {}},
        {"\x1b[<0:1;1M\x1b[<0;1;1 M\x1b[<0;1;1A\x1b[<0;1<;1M\x1b[<0;1;1$M", {}},
        {"\x1b[<0;1;" + digits40 + "M", {}},
        // Broken off by a byte no report holds: that byte decodes.
        {"\x1b[<0;1\r", {KeyEnter}},
        {"\x1b[<0;1;1\x1b[B", {KeyDown}},
        {"\x1b[<\xc3\xa9", {C(0xE9)}},
        // Legacy: raw bytes minus 32; 3 is a release (taken for the left button).
        {"\x1b[M !!\x1b[M#!!", {Press(Left, 0, 0), Release(Left, 0, 0)}},
        {"\x1b[M!*+\x1b[M\"+*", {Press(Middle, 10, 9), Press(Right, 9, 10)}},
        {"\x1b[M`((\x1b[Ma((", {Press(WheelUp, 7, 7), Press(WheelDown, 7, 7)}},
        {"\x1b[M<!!\x1b[M'!!",
         {Press(Left, 0, 0, MouseShift | MouseAlt | MouseCtrl), Release(Left, 0, 0, MouseShift)}},
        // Edges of the raw bytes: 255 is 222, below 33 is 0, ESC is a coordinate.
        {"\x1b[M \xff\xfe\x1b[M \x10\x00\x1b[M \x1b\x1b"s,
         {Press(Left, 221, 222), Press(Left, 0, 0), Press(Left, 0, 0)}},
        // No event: moves and drags, horizontal wheel, extra buttons, b below 32.
        {"\x1b[M@!!\x1b[MC!!\x1b[Mb!!\x1b[M\xa0!!\x1b[M\x01!!", {}},
        // A body past the limit is dropped up to its final byte, or up to
        // the byte that breaks it off.
        {"\x1b[" + n32 + "1;2~x\x1bO" + n32 + "1Py", bytesOf("xy")},
        {"\x1b[" + n32 + "11\x01x", bytesOf("\x01x")},
            };
    for (const auto& row : rows) {
        expectDecodes(row.bytes, row.expected, true);
        expectDecodes(row.bytes + "x\x1b[A", row.expected + after, true);
    }
}

TEST(KeyDecoder, DeliversBracketedPasteAsCharactersAndLineBreaks) {
    const std::string start = "\x1b[200~";
    const std::string end = "\x1b[201~";
    const Codes br = {PasteLineBreak};
    const struct {
        std::string pasted;  // between the markers
        Codes expected;
    } rows[] = {
        {"", {}},
        {"plain text", bytesOf("plain text")},
        // Escape sequences are dropped whole; so are other markers.
        {"\x1b[31mred\x1b[0m \x1b[1;38;5;196mbold\x1b[m", bytesOf("red bold")},
        {"a\x1b[Bb\x1b[3~\x1bOP\x1bO5Q\x1bqc\x1b(Bd\x1b", bytesOf("abcd")},
        {"\x1b[200~\x1b[20\x1b[201x\x1b\x1b\x1b[2", {}},
        {"\x1b[" + std::string(40, '1') + "mx\x1b[1\xc3\xa9", {'x', C(0xE9)}},
        // Strings (a hyperlink, a title) run to BEL or ESC \, or to the next sequence.
        {"see \x1b]8;;http://x.org/\x1b\\here\x1b]8;;\x1b\\ \x1b]0;t\aend",
         bytesOf("see here end")},
        {"\x1b]0;a\x1bOPb\x1b_x\r\xc3\xa9", {'b'}},
        // CR LF, CR and LF are one break each; other controls are dropped.
        {"one\r\ntwo\rthree\nfour\n\n\r\r", bytesOf("one") + br + bytesOf("two") + br +
                                                 bytesOf("three") + br + bytesOf("four") + br +
                                                 br + br + br},
        {"\ta\x7f\x01\x00.\x08\r\x1b[0m\n"s, bytesOf("a.") + br + br},
        {"Gr\xc3\xbc\xc3\x9f"
         "e \xe6\xbc\xa2\xf0\x9f\x98\x80",
         bytesOf("Gr") + Codes{C(0xFC), C(0xDF), 'e', ' ', C(0x6F22), C(0x1F600)}},
        // Malformed UTF-8 and C1 controls are dropped as well.
        {"a\xc3(\xe6\xbc\xff"
         "b\xed\xa0\x80"
         "c\xc0\x80\xc2\x85\xc2\x9b"
         "d\xc2\xa0\xe6\xbc",
         {'a', '(', 'b', 'c', 'd', C(0xA0)}},
    };
    for (const auto& row : rows) {
        // The same keys must work again once the paste has ended.
        expectDecodes(start + row.pasted + end + "\r\x1b[A",
                      Codes{PasteBegin} + row.expected + Codes{PasteEnd, KeyEnter, KeyUp});
    }
}

TEST(KeyDecoder, ResolvesPendingSequencesAfterTheDelay) {
    struct Step {
        std::string bytes;
        int thenMs;  // silence after the bytes; -1: input ends
    };
    const struct {
        int delayMs;
        std::vector<Step> steps;
        Codes expected;
        int timeLeftMs;
    } cases[] = {
        {25, {{"ab\x1b", 24}}, bytesOf("ab"), 1},
        {25, {{"\x1b", 24}, {"", 1}}, {0x1B}, 0},
        // Silence adds up over advances; every byte restarts it.
        {25, {{"\x1b", 10}, {"", 10}, {"[", 20}}, {}, 5},
        {25, {{"\x1b", 10}, {"", 10}, {"[", 20}, {"A", 0}}, {KeyUp}, 0},
        {25, {{"\x1b", 25}, {"[A", 0}}, bytesOf("\x1b[A"), 0},
        {25, {{"x", 1000}, {"\x1b[", 0}}, bytesOf("x"), 25},
        {100, {{"\x1bO", 60}}, {}, 40},
        {100, {{"\x1bO", 60}, {"", 39}, {"P", 0}}, {F(1)}, 0},
        {100, {{"\x1b", 99}}, {}, 1},
        {100, {{"\x1b", 99}, {"", 1}}, {0x1B}, 0},
        // A UTF-8 sequence waits the same way, then gives back its bytes.
        {25, {{"\xf0\x9f\x98", 10}}, {}, 15},
        {25, {{"\xe6", 24}, {"\xbc", 24}, {"\xa2", 0}}, {C(0x6F22)}, 0},
        {25, {{"\xe6\xbc", 25}, {"\xa2x", 0}}, {0xE6, 0xBC, 0xA2, 'x'}, 0},
        // A mouse report or a body past the limit that stops for any time is
        // cut: dropped, and what follows decodes as typed.
        {25, {{"\x1b[<0;12", 10}}, {}, 15},
        {25, {{"\x1b[<0;12;3", 25}, {"M", 0}}, {'M'}, 0},
        {25, {{"\x1b[<0;12;3", 1}, {"M", 0}}, {'M'}, 0},
        {25, {{"\x1b[<0;1x", 5}, {"y;1M", 0}}, bytesOf("y;1M"), 0},
        {25, {{"\x1b[M!", 25}, {"\x1b[A", 0}}, {KeyUp}, 0},
        {25, {{"\x1b[M!", 1}, {"ab", 0}}, bytesOf("ab"), 0},
        {25, {{"\x1b[M", 24}, {" ", 24}, {"!", 24}, {"!", 0}}, bytesOf(" !!"), 0},
        {25, {{"\x1b[" + std::string(40, '2') + ";", 3}, {"1~", 0}}, bytesOf("1~"), 0},
        // A paste waits for its end marker up to two seconds after its last
        // byte, then ends; keys decode again.
        {25, {{"\x1b[200~a\r", 1999}, {"\n", 1999}}, {PasteBegin, 'a', PasteLineBreak}, 1},
        {25,
         {{"\x1b[200~ab\x1b[20", 2000}, {"1~\x1b[21~", 0}},
         {PasteBegin, 'a', 'b', PasteEnd, '1', '~', KeyF10},
         0},
        {25, {{"\x1b[200~\xe6", 1000}, {"\xbc\xa2", 2500}}, {PasteBegin, C(0x6F22), PasteEnd}, 0},
        // The end of input resolves what waits at once.
        {25, {{"", -1}}, {KeyEndOfInput}, 0},
        {25, {{"a\x1b", -1}}, {'a', 0x1B, KeyEndOfInput}, 0},
        {25, {{"\x1b[<0;1", -1}}, {KeyEndOfInput}, 0},
        {25,
         {{"\x1b[200~a\xe6", -1}, {"b", 0}},
         {PasteBegin, 'a', PasteEnd, KeyEndOfInput, 'b'},
         0},
    };
    for (const auto& c : cases) {
        KeyDecoder decoder{milliseconds(c.delayMs)};
        std::string trace;
        for (const Step& step : c.steps) {
            decoder.feed(step.bytes);
            if (step.thenMs < 0) {
                decoder.endOfInput();
            } else {
                decoder.advance(milliseconds(step.thenMs));
            }
            trace += testing::PrintToString(step.bytes) + "+" + std::to_string(step.thenMs) + " ";
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(drain(decoder), c.expected);
        EXPECT_EQ(decoder.timeLeft(), milliseconds(c.timeLeftMs));
        EXPECT_EQ(decoder.pending(), c.timeLeftMs > 0);
    }
}

TEST(KeyDecoder, ParsesEscapeDelayFromEnvironmentText) {
    const milliseconds fallback(25);
    EXPECT_EQ(KeyDecoder::parseEscapeDelay("100", fallback), milliseconds(100));
    EXPECT_EQ(KeyDecoder::parseEscapeDelay("1", fallback), milliseconds(1));
    EXPECT_EQ(KeyDecoder::parseEscapeDelay("2147483647", fallback), milliseconds(2147483647));
    for (const char* text : {static_cast<const char*>(nullptr), "", "0", "-5", "+5", " 10", "25ms",
                             "abc", "2147483648", "99999999999999999999999"}) {
        EXPECT_EQ(KeyDecoder::parseEscapeDelay(text, fallback), fallback) << (text ? text : "null");
    }
}

// Replays the fuzzer's corpus through the fuzzer's own driver.
TEST(KeyDecoder, KeepsInvariantsOnEveryCorpusFile) {
    namespace fs = std::filesystem;
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VESK_SOURCE_DIR) / "fuzz/corpus")) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(file), {}};
        const auto outcome = Fuzz::DriveKeyDecoder(input.data(), input.size());
        EXPECT_TRUE(outcome.failure == nullptr) << entry.path() << ": " << outcome.failure;
        EXPECT_LE(outcome.events, outcome.bytes) << entry.path();
        EXPECT_LE(outcome.bytes, input.size()) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0u);
}

}  // namespace
