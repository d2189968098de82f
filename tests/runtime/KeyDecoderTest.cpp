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

TEST(KeyDecoder, DecodesSequencesWholeAndSplit) {
    const std::string n32(KeyDecoder::MaxSequenceBody, '1');
    const struct {
        std::string bytes;
        Codes expected;
    } rows[] = {
        // Plain bytes.
        {"\t\r\n", {KeyTab, KeyEnter, KeyLineFeed}},
        {"aZ~ 0\x00\x01\x7f\x80\xc3\xa9\x9b\xff"s,
         bytesOf("aZ~ 0\x00\x01\x7f\x80\xc3\xa9\x9b\xff"s)},
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
        // Well-formed but unknown: swallowed, what follows still decodes.
        {"\x1b[200~pasted\x1b[201~\x1b[I\x1b[Ox", bytesOf("pastedx")},
        {"\x1b[<0;120;45M\x1b[<0;120;45my\x1b[M !!z", bytesOf("yz")},
        {"\x1b[99~\x1b[?1;2c\x1b[2 q\x1b[5A\x1b[[Z\x1b[1;2;3A\x1b[27;5;9~\x1b[1:2A\x1bOz", {}},
        {"\x1b[" + n32 + "~w", bytesOf("w")},
        // Alt+key and ESC ESC.
        {"\x1b"
         "a\x1b\t\x1b\x7f\x1b\xc3\xa9",
         {0x1B, 'a', 0x1B, KeyTab, 0x1B, 0x7F, 0x1B, 0xC3, 0xA9}},
        {"\x1b\x1b", {0x1B, 0x1B}},
        {"\x1b\x1b[A", {0x1B, KeyUp}},
        // Broken off: collected bytes come back, the interrupting byte decodes.
        {"\x1b[1\x01x", bytesOf("\x1b[1\x01x")},
        {"\x1b[\x1b[B", {0x1B, '[', KeyDown}},
        {"\x1bO\n", {0x1B, 'O', KeyLineFeed}},
        {"\x1b[1 2A", bytesOf("\x1b[1 2A")},
        {"\x1b[[1", bytesOf("\x1b[[1")},
        {"\x1b[\xc3\xa9", bytesOf("\x1b[\xc3\xa9")},
        {"\x1b[" + n32 + "1~", bytesOf("\x1b[" + n32 + "1~")},
        // Left unfinished: given back once the delay has passed.
        {"\x1b", {0x1B}},
        {"\x1b[", {0x1B, '['}},
        {"\x1bO", {0x1B, 'O'}},
        {"\x1b[1;", bytesOf("\x1b[1;")},
        {"\x1b[M a", bytesOf("\x1b[M a")},
    };
    for (const auto& row : rows) {
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
        {25, {{"\x1b", 10}, {"", 10}, {"[", 20}, {"A", 0}}, {KeyUp}, 0},
        {25, {{"\x1b", 25}, {"[A", 0}}, bytesOf("\x1b[A"), 0},
        {25, {{"x", 1000}, {"\x1b[", 0}}, bytesOf("x"), 25},
        {100, {{"\x1bO", 60}}, {}, 40},
        {100, {{"\x1bO", 60}, {"", 39}, {"P", 0}}, {F(1)}, 0},
        {100, {{"\x1b", 99}}, {}, 1},
        {100, {{"\x1b", 99}, {"", 1}}, {0x1B}, 0},
    };
    for (const auto& c : cases) {
        KeyDecoder decoder{milliseconds(c.delayMs)};
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
