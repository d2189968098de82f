// What a program writes, read back cell by cell and as a picture.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Cell;
using Vesk::Forms::Testing::Position;
using Vesk::Forms::Testing::WaitResult;
using Vesk::Forms::Testing::Terminal;

namespace {

// Row 0: red on default, then 256-colour cube and grey, then bold and
// reverse; row 1: text that XML must escape, a wide CJK character, an emoji
// and a combining mark (the wide one green and reversed on both halves).
const char* const painting =
    "printf '\\033[31mR\\033[38;5;100;48;5;240mC\\033[0m\\033[1mB\\033[0;7mV\\033[0m"
    "\\r\\n<a & \"b\">\\033[7;32m世\\033[0m😀e\\314\\201.'";

class Screen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(terminal.run("sh", {"-c", std::string(painting) + "; sleep 30"}));
        ASSERT_TRUE(terminal.waitFor("e\u0301.")) << terminal.text();
    }

    Terminal terminal{4, 30};
};

TEST_F(Screen, ReadsCellsWithColoursAttributesAndWideCharacters) {
    struct Expected {
        int row, column;
        Cell cell;
    };
    const Expected cases[] = {
        {0, 0, {"R", 1, -1, false, false, 1}},
        {0, 1, {"C", 100, 240, false, false, 1}},
        {0, 2, {"B", -1, -1, false, true, 1}},
        {0, 3, {"V", -1, -1, true, false, 1}},
        {0, 4, {" ", -1, -1, false, false, 1}},
        {1, 0, {"<", -1, -1, false, false, 1}},
        {1, 9, {"世", 2, -1, true, false, 2}},
        {1, 10, {"", 2, -1, true, false, 1}},
        {1, 11, {"😀", -1, -1, false, false, 2}},
        {1, 13, {"e\u0301", -1, -1, false, false, 1}},
        {1, 30, {" ", -1, -1, false, false, 1}},  // off the screen
        {-1, 0, {" ", -1, -1, false, false, 1}},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(std::to_string(e.row) + "," + std::to_string(e.column));
        const Cell cell = terminal.cell(e.row, e.column);
        EXPECT_EQ(e.cell.text, cell.text);
        EXPECT_EQ(e.cell.foreground, cell.foreground);
        EXPECT_EQ(e.cell.background, cell.background);
        EXPECT_EQ(e.cell.reverse, cell.reverse);
        EXPECT_EQ(e.cell.bold, cell.bold);
        EXPECT_EQ(e.cell.width, cell.width);
    }
    EXPECT_EQ("RCBV", terminal.row(0));
    EXPECT_EQ("<a & \"b\">世😀e\u0301.", terminal.row(1));
    EXPECT_EQ("", terminal.row(4));
    EXPECT_EQ("RCBV\n<a & \"b\">世😀e\u0301.\n\n", terminal.text());
    EXPECT_EQ(1, terminal.cursor().row);
    EXPECT_EQ(15, terminal.cursor().column);
}

// Row 1 in cells: "<a & \"b\">" 0 to 8, 世 9 and 10, 😀 11 and 12, e with
// its mark 13, "." 14.
TEST_F(Screen, FindsTextsAndReadsCellsByColumn) {
    struct Found {
        std::string text;
        Position at;
    };
    const Found found[] = {
        {"B", {0, 2}},
        {"世", {1, 9}},
        {"😀e\u0301.", {1, 11}},
        {".", {1, 14}},
        {"\u0301", {1, 13}},  // a mark alone is in its base's cell
        {"V\n<", {}},         // not across rows
        {"nowhere", {}},
    };
    for (const Found& f : found) {
        EXPECT_EQ(f.at, terminal.find(f.text)) << f.text;
    }
    EXPECT_FALSE(terminal.find("nowhere"));
    EXPECT_TRUE(terminal.find("R"));

    struct Read {
        int row, from, to;
        std::string text;
    };
    const Read reads[] = {
        {1, 9, 11, "世"},
        {1, 9, 13, "世😀"},
        {1, 10, 13, " 😀"},   // the right half of 世 cut off
        {1, 8, 10, "> "},     // its left half cut off
        {1, 10, 11, " "},
        {1, 13, 15, "e\u0301."},
        {1, 27, 40, "   "},   // only the columns on the screen
        {0, -3, 2, "RC"},
        {1, 5, 5, ""},
        {4, 0, 3, ""},        // off the screen
        {1, 0, 30, "<a & \"b\">世😀e\u0301." + std::string(15, ' ')},
    };
    for (const Read& r : reads) {
        EXPECT_EQ(r.text, terminal.cells(r.row, r.from, r.to))
            << r.row << ": " << r.from << " to " << r.to;
    }
}

// A wait's result prints what was awaited and the screen with the cursor.
TEST_F(Screen, WaitsTellWhatTheyAwaitedAndShowTheScreen) {
    struct Case {
        std::function<WaitResult(Terminal&)> wait;
        bool seen;
        std::vector<std::string> printed;
    };
    const std::string screen =
        "  0 |RCBV\n  1 |<a & \"b\">世😀e\u0301.\n    |" + std::string(15, ' ') +
        "^\n  2 |\n  3 |\n";
    const Case cases[] = {
        {[](Terminal& t) { return t.waitFor("世😀"); },
         true,
         {"for the text \"世😀\": seen;", screen}},
        {[](Terminal& t) { return t.waitFor("nowhere", std::chrono::milliseconds(20)); },
         false,
         {"for the text \"nowhere\": not seen;", "the cursor at row 1, column 15 (^):\n", screen}},
        {[](Terminal& t) {
             return t.waitUntil(
                 "the cursor hidden", [](Terminal& s) { return !s.cursor().visible; },
                 std::chrono::milliseconds(20));
         },
         false,
         {"for the cursor hidden: not seen;", screen}},
        {[](Terminal& t) {
             return t.waitUntil([](Terminal& s) { return s.row(0) == "RCBV"; });
         },
         true,
         {"for the condition: seen;"}},
    };
    for (const Case& c : cases) {
        const WaitResult result = c.wait(terminal);
        std::ostringstream printed;
        printed << result;
        EXPECT_EQ(c.seen, static_cast<bool>(result)) << printed.str();
        for (const std::string& part : c.printed) {
            EXPECT_NE(std::string::npos, printed.str().find(part))
                << part << " missing from\n" << printed.str();
        }
    }
}

TEST_F(Screen, DrawsAPictureWithColoursEscapedTextAndTheCursor) {
    const std::string svg = terminal.svg();
    const auto has = [&svg](const std::string& part) {
        return svg.find(part) != std::string::npos;
    };
    EXPECT_EQ(0u, svg.find("<?xml")) << svg;
    EXPECT_TRUE(has("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"270\" height=\"72\""));
    EXPECT_EQ(svg.size() - 7, svg.rfind("</svg>\n")) << svg;
    for (const char* part : {
             ">R</text>",                   // red text
             "fill=\"#cd0000\"",            // xterm's red
             "fill=\"#878700\"",            // cube colour 100
             "fill=\"#585858\"",            // grey 240 behind C
             "font-weight=\"bold\">B<",     // bold
             "fill=\"#e5e5e5\"/>",          // the reversed V's background
             "&lt;a &amp; &quot;b&quot;&gt;",  // escaped
             ">世</text>", ">😀</text>", ">e\u0301.</text>",
             "class=\"cursor\" x=\"135\" y=\"18\"",
         }) {
        EXPECT_TRUE(has(part)) << part << " missing from\n" << svg;
    }
    EXPECT_FALSE(has("<a &")) << svg;

    Terminal hidden(2, 10);
    ASSERT_TRUE(hidden.run("sh", {"-c", "printf 'x\\033[?25l'; sleep 30"}));
    ASSERT_TRUE(hidden.waitUntil([](Terminal& t) { return !t.cursor().visible; }));
    EXPECT_EQ(std::string::npos, hidden.svg().find("cursor")) << hidden.svg();
}

}  // namespace
