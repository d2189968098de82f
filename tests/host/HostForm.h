#pragma once

// The form both translation units build, as a host that includes <curses.h>
// itself: before the library's headers (CursesFirstTest.cpp) or after them
// (CursesLastTest.cpp). Neither sets NCURSES_NOMACROS, and each includes this
// file after both, so curses' function-like macros are in force here. The
// members whose names curses also defines are called with the name in
// parentheses, which a function-like macro leaves alone.

#include <gtest/gtest.h>

#ifdef NCURSES_NOMACROS
#error "built with NCURSES_NOMACROS: curses' macros would not be tested"
#endif
#ifndef border
#error "curses' border macro is not in force"
#endif

namespace {

using namespace Vesk::Forms;

// A page holding a button with a border and a list that is cleared; checks
// what each call gave and what the controls read back.
void buildAndCheckForm() {
    Page page;
    Button button;
    ListBox list;
    ASSERT_TRUE(page.attachChild(&button));
    ASSERT_TRUE(page.attachChild(&list));
    EXPECT_EQ(2, page.controlCount());

    button.text("OK");
    EXPECT_EQ("OK", button.text());
    EXPECT_EQ(NoBorder, (button.border)(NoBorder));
    EXPECT_EQ(NoBorder, (button.border)());
    EXPECT_EQ(SingleLine, (button.border)(SingleLine));
    EXPECT_EQ(SingleLine, (button.border)());
    Control& control = button;
    EXPECT_EQ(SingleLine, (control.border)());
    EXPECT_EQ(NoBorder, (control.border)(NoBorder));
    EXPECT_EQ(NoBorder, (button.border)());

    EXPECT_TRUE(list.add("one"));
    EXPECT_TRUE(list.add("two"));
    EXPECT_EQ(2, list.count());
    EXPECT_EQ(0, list.selected());
    EXPECT_TRUE((list.clear)());
    EXPECT_EQ(0, list.count());
    EXPECT_EQ(-1, list.selected());
    EXPECT_EQ("", list.item(0));
}

// The host's own curses calls still go through curses' macros: border(...)
// is wborder(stdscr, ...), which without a screen refuses.
void checkCursesBorder() {
    EXPECT_EQ(nullptr, stdscr);
    EXPECT_EQ(ERR, border(0, 0, 0, 0, 0, 0, 0, 0));
}

}  // namespace
