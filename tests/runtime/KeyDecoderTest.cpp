#include "vesk/KeyDecoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#ifndef NCURSES_NOMACROS
#define NCURSES_NOMACROS
#endif
#include <curses.h>

namespace {

using namespace std::string_literals;
using std::chrono::milliseconds;
using Vesk::Event;
using Vesk::IO::KeyDecoder;
using Codes = std::vector<std::int32_t>;

constexpr std::int32_t K(int cursesCode) {
    return Vesk::KeyCodeBase + cursesCode;
}

Codes drain(KeyDecoder& decoder) {
    Codes codes;
    for (Event event; decoder.next(event);) {
        codes.push_back(event);
    }
    return codes;
}

Codes bytesOf(const std::string& text) {
    Codes codes;
    for (char c : text) {
        codes.push_back(static_cast<std::uint8_t>(c));
    }
    return codes;
}

struct Row {
    std::string bytes;
    Codes expected;
};

std::vector<Row> rows() {
    const std::string digits32(KeyDecoder::MaxSequenceBody, '1');
    return {
        // Plain bytes, each its own code.
        {"\t", {Vesk::KeyTab}},
        {"\r", {Vesk::KeyEnter}},
        {"\n", {Vesk::KeyLineFeed}},
        {"aZ~ 0", bytesOf("aZ~ 0")},
        {"\x00\x01\x7f"s, {0x00, 0x01, 0x7F}},
        {"\x80\xc3\xa9\x9b\xff", {0x80, 0xC3, 0xA9, 0x9B, 0xFF}},
        // Cursor and page keys.
        {"\x1b[A", {Vesk::KeyUp}},
        {"\x1b[B", {Vesk::KeyDown}},
        {"\x1b[C", {Vesk::KeyRight}},
        {"\x1b[D", {Vesk::KeyLeft}},
        {"\x1bOA\x1bOB\x1bOC\x1bOD", {Vesk::KeyUp, Vesk::KeyDown, Vesk::KeyRight, Vesk::KeyLeft}},
        {"\x1b[5~\x1b[6~", {Vesk::KeyPreviousPage, Vesk::KeyNextPage}},
        {"\x1b[Z", {Vesk::KeyBackTab}},
        {"\x1b[H\x1bOH\x1b[1~\x1b[7~", Codes(4, K(KEY_HOME))},
        {"\x1b[F\x1bOF\x1b[4~\x1b[8~", Codes(4, K(KEY_END))},
        {"\x1b[2~\x1b[3~", {K(KEY_IC), K(KEY_DC)}},
        // Function keys in every form.
        {"\x1bOP\x1bOQ\x1bOR\x1bOS", {K(KEY_F(1)), K(KEY_F(2)), K(KEY_F(3)), K(KEY_F(4))}},
        {"\x1b[11~\x1b[12~\x1b[13~\x1b[14~\x1b[15~",
         {K(KEY_F(1)), K(KEY_F(2)), K(KEY_F(3)), K(KEY_F(4)), K(KEY_F(5))}},
        {"\x1b[[A\x1b[[B\x1b[[C\x1b[[D\x1b[[E",
         {K(KEY_F(1)), K(KEY_F(2)), K(KEY_F(3)), K(KEY_F(4)), K(KEY_F(5))}},
        {"\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~",
         {K(KEY_F(6)), K(KEY_F(7)), K(KEY_F(8)), K(KEY_F(9)), K(KEY_F(10)), K(KEY_F(11)),
          K(KEY_F(12))}},
        // Keypad in application mode.
        {"\x1bOM", {Vesk::KeyEnter}},
        {"\x1bOp\x1bOy\x1bOk\x1bOX", bytesOf("09+=")},
        // Shift.
        {"\x1b[1;2A\x1b[1;2B\x1b[1;2C\x1b[1;2D",
         {K(KEY_SR), K(KEY_SF), K(KEY_SRIGHT), K(KEY_SLEFT)}},
        {"\x1b[1;2H\x1b[1;2F\x1b[1;2~\x1b[4;2~",
         {K(KEY_SHOME), K(KEY_SEND), K(KEY_SHOME), K(KEY_SEND)}},
        {"\x1b[2;2~\x1b[3;2~\x1b[6;2~\x1b[5;2~",
         {K(KEY_SIC), K(KEY_SDC), K(KEY_SNEXT), K(KEY_SPREVIOUS)}},
        {"\x1bO2A\x1bO2P", {K(KEY_SR), K(KEY_F(13))}},
        // Function keys with Shift, Ctrl, Ctrl-Shift, Alt.
        {"\x1b[1;2P\x1b[1;5P\x1b[1;6Q\x1b[1;3S",
         {K(KEY_F(13)), K(KEY_F(25)), K(KEY_F(38)), K(KEY_F(52))}},
        {"\x1b[15;2~\x1b[24;5~\x1b[24;6~\x1b[24;3~",
         {K(KEY_F(17)), K(KEY_F(36)), K(KEY_F(48)), K(KEY_F(60))}},
        // Modifiers without a code of their own give the plain key.
        {"\x1b[24;4~\x1b[24;7~\x1b[1;1A", {K(KEY_F(12)), K(KEY_F(12)), Vesk::KeyUp}},
        {"\x1b[1;5A\x1b[1;3C\x1b[3;5~\x1b[5;5~",
         {Vesk::KeyUp, Vesk::KeyRight, K(KEY_DC), Vesk::KeyPreviousPage}},
        {"\x1b[1;2Z\x1bO5M", {Vesk::KeyBackTab, Vesk::KeyEnter}},
        // Well-formed but unknown: swallowed, what follows still decodes.
        {"\x1b[200~pasted\x1b[201~", bytesOf("pasted")},
        {"\x1b[I\x1b[Ox", bytesOf("x")},
        {"\x1b[<0;120;45M\x1b[<0;120;45my", bytesOf("y")},
        {"\x1b[M !!z", bytesOf("z")},
        {"\x1b[99~\x1b[?1;2c\x1b[2 q\x1b[5A\x1b[[Z", {}},
        {"\x1b[1;2;3A\x1b[27;5;9~\x1b[1:2A\x1bOz", {}},
        {"\x1b[" + digits32 + "~w", bytesOf("w")},
        // Alt+key and ESC ESC.
        {"\x1b"
         "a\x1b\t\x1b\x7f",
         {0x1B, 'a', 0x1B, Vesk::KeyTab, 0x1B, 0x7F}},
        {"\x1b\xc3\xa9", {0x1B, 0xC3, 0xA9}},
        {"\x1b\x1b", {0x1B, 0x1B}},
        {"\x1b\x1b[A", {0x1B, Vesk::KeyUp}},
        // Broken off: collected bytes come back, the interrupting byte decodes.
        {"\x1b[1\x01x", bytesOf("\x1b[1\x01x")},
        {"\x1b[\x1b[B", {0x1B, '[', Vesk::KeyDown}},
        {"\x1bO\n", {0x1B, 'O', Vesk::KeyLineFeed}},
        {"\x1b[1 2A", bytesOf("\x1b[1 2A")},
        {"\x1b[[1", bytesOf("\x1b[[1")},
        {"\x1b[\xc3\xa9", bytesOf("\x1b[\xc3\xa9")},
        {"\x1b[" + digits32 + "1~", bytesOf("\x1b[" + digits32 + "1~")},
        // Left unfinished: given back once the delay has passed.
        {"\x1b", {0x1B}},
        {"\x1b[", {0x1B, '['}},
        {"\x1bO", {0x1B, 'O'}},
        {"\x1b[1;", bytesOf("\x1b[1;")},
        {"\x1b[M a", bytesOf("\x1b[M a")},
    };
}

TEST(KeyDecoder, DecodesSequencesWholeAndSplit) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(testing::PrintToString(row.bytes));
        KeyDecoder whole;
        whole.feed(row.bytes);
        whole.advance(whole.escapeDelay());
        EXPECT_FALSE(whole.pending());
        EXPECT_EQ(drain(whole), row.expected);

        // One byte per read, each just inside the delay.
        KeyDecoder split;
        for (char c : row.bytes) {
            split.feed(std::string(1, c));
            split.advance(split.escapeDelay() - milliseconds(1));
        }
        split.advance(milliseconds(1));
        EXPECT_FALSE(split.pending());
        EXPECT_EQ(drain(split), row.expected);
    }
}

TEST(KeyDecoder, ResolvesPendingSequencesAfterTheDelay) {
    struct Step {
        std::string bytes;
        int thenMs;  // silence after the bytes
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
        {25, {{"\x1b", 10}, {"", 10}, {"[", 20}, {"A", 0}}, {Vesk::KeyUp}, 0},
        {25, {{"\x1b", 25}, {"[A", 0}}, bytesOf("\x1b[A"), 0},
        {25, {{"x", 1000}, {"\x1b[", 0}}, bytesOf("x"), 25},
        {100, {{"\x1bO", 60}}, {}, 40},
        {100, {{"\x1bO", 60}, {"", 39}, {"P", 0}}, {K(KEY_F(1))}, 0},
        {100, {{"\x1b", 99}}, {}, 1},
        {100, {{"\x1b", 99}, {"", 1}}, {0x1B}, 0},
    };
    for (const auto& c : cases) {
        KeyDecoder decoder{milliseconds(c.delayMs)};
        ASSERT_EQ(decoder.escapeDelay(), milliseconds(c.delayMs));
        std::string trace;
        for (const Step& step : c.steps) {
            decoder.feed(step.bytes);
            decoder.advance(milliseconds(step.thenMs));
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
    const struct {
        const char* text;
        milliseconds expected;
    } cases[] = {
        {"100", milliseconds(100)},
        {"1", milliseconds(1)},
        {"2147483647", milliseconds(2147483647)},
        {nullptr, fallback},
        {"", fallback},
        {"0", fallback},
        {"-5", fallback},
        {"+5", fallback},
        {" 10", fallback},
        {"25ms", fallback},
        {"abc", fallback},
        {"2147483648", fallback},
        {"99999999999999999999999", fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text == nullptr ? "null" : c.text);
        EXPECT_EQ(KeyDecoder::parseEscapeDelay(c.text, fallback), c.expected);
    }
}

}  // namespace
