// What a program writes, read back cell by cell and as a picture.
#include <gtest/gtest.h>

#include <string>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Cell;
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
