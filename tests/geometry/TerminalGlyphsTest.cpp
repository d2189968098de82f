#include <curses.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "forms/ProgressBar.h"
#include "forms/Region.h"
#include "forms/Session.h"
#include "support/PseudoTerminal.h"

using namespace Vesk::Forms;

namespace {

using TerminalGlyphs = VeskTest::PseudoTerminal;

const std::string FullBlock = "\xE2\x96\x88";
const std::string FourBlocks = FullBlock + FullBlock + FullBlock + FullBlock;
const std::string Line3 = "\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80";
const std::string DecLines = "\x1b(0";  // designate DEC line drawing as G0
const std::string ShiftOut = "\x0e";    // switch to G1, which holds DEC line drawing
const std::string UnicodeTop = "\xE2\x94\x8C" + Line3 + "\xE2\x94\x90";
const std::string UnicodeBottom = "\xE2\x94\x94" + Line3 + "\xE2\x94\x98";

// The bytes without the colour changes (ESC [ ... m) that curses puts
// between the cells.
std::string withoutColors(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 2, "\x1b[") == 0) {
            std::size_t end = bytes.find_first_not_of("0123456789;", i + 2);
            if (end != std::string::npos && bytes[end] == 'm') {
                i = end;
                continue;
            }
        }
        text += bytes[i];
    }
    return text;
}

}  // namespace

// What reaches the terminal for a full bar of four cells and a box of
// interior width 3: solid blocks wherever the terminal can show them, and
// line-drawing characters, never letters, for the box.
TEST_F(TerminalGlyphs, BlocksAndLinesReachTheTerminalAsTheTerminalShowsThem) {
    // clang-format off
    const struct { const char* term, *locale; std::string block, top, bottom; } cases[] = {
        {"xterm-256color", "C.UTF-8", FourBlocks, DecLines + "lqqqk", DecLines + "mqqqj"},
        {"screen-256color", "C.UTF-8", FourBlocks, UnicodeTop, UnicodeBottom},
        {"linux", "C.UTF-8", FourBlocks, UnicodeTop, UnicodeBottom},
        // No block in xterm's alternate character set: curses' stand-in.
        {"xterm-256color", "C", "####", DecLines + "lqqqk", DecLines + "mqqqj"},
        {"screen-256color", "C", ShiftOut + "0000", ShiftOut + "lqqqk", ShiftOut + "mqqqj"},
        {"linux", "C", ShiftOut + "0000", ShiftOut + "lqqqk", ShiftOut + "mqqqj"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::string label = std::string(c.term) + " in " + c.locale;
        setenv("TERM", c.term, 1);
        setenv("LC_ALL", c.locale, 1);
        clearOutput();
        ASSERT_TRUE(Session::start(Session::None)) << label;

        Region screen;
        screen.width(80);
        screen.height(25);
        Point corner(1, 1);
        EXPECT_TRUE(screen.drawRectangle(&corner, 3, 1, White, Black, SingleLine, false));
        ProgressBar bar;
        bar.parent(&screen);
        bar.style(CustomText);
        bar.position(6, 10);
        bar.width(4);
        bar.height(1);
        bar.valueMax(1);
        bar.value(1);
        EXPECT_TRUE(bar.paint());
        refresh();
        ASSERT_TRUE(Session::stop()) << label;

        std::string bytes = withoutColors(output());
        for (int wait = 0; wait < 200 && bytes.find(c.block) == std::string::npos; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            bytes = withoutColors(output());
        }
        for (const std::string& piece : {c.block, c.top, c.bottom}) {
            EXPECT_NE(std::string::npos, bytes.find(piece)) << label;
        }
        // Never a block of another shape, nor a block where none belongs.
        EXPECT_EQ(std::string::npos, bytes.find("\xE2\x96\xAE")) << label;
        EXPECT_EQ(c.block == "####", bytes.find('#') != std::string::npos) << label;
        EXPECT_EQ(c.block.find(FullBlock) == 0, bytes.find(FullBlock) != std::string::npos)
            << label;
    }
    unsetenv("LC_ALL");
}
