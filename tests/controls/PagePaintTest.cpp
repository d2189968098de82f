#include <curses.h>
#include <gtest/gtest.h>

#include <utility>

#include "controls/Probes.h"

namespace {

using namespace ControlsTest;
using NestedPaint = VeskTest::PseudoTerminal;
using Cell = std::pair<int, int>;

// What a control painted after the tab set finds: whether the paint so far is
// still waiting for its refresh, and where the terminal's cursor is.
bool pending = false;
Cell terminalCursor;
int throwsLeft = 0;

Cell cursorOf(WINDOW* window) {
    return {getcury(window), getcurx(window)};
}

TEST_F(NestedPaint, OnlyTheOutermostPagePlacesTheCursorAndRefreshes) {
    ASSERT_TRUE(Session::start(Session::None));
    Page root, shown;
    Tabs tabs;
    Probe after, thrower;
    place(tabs, 2, 0, 40, 10);
    attach(root, {&tabs, &after});
    tabs.attachTab(&shown);
    shown.attachChild(&thrower);
    after.attachHandler(
        Paint, +[](int, void*) {
            pending = is_wintouched(stdscr);
            terminalCursor = cursorOf(curscr);
            return 1;
        });
    thrower.attachHandler(
        Paint, +[](int, void*) { return throwsLeft-- > 0 ? throw 1 : 1; });
    Point rootCell(1, 5), shownCell(8, 30);
    delete root.cursor(rootCell);
    delete shown.cursor(shownCell);

    // A throwing paint must not leave the pages behind it thinking they are
    // nested.
    throwsLeft = 1;
    EXPECT_THROW(root.paint(), int);
    for (int round = 0; round < 2; ++round) {
        pending = false;
        EXPECT_TRUE(root.paint());
        EXPECT_TRUE(pending) << "the shown page refreshed inside the root's paint";
        EXPECT_NE(Cell(8, 30), terminalCursor) << "the cursor jumped to the shown page";
        EXPECT_FALSE(is_wintouched(stdscr));
        EXPECT_EQ(Cell(1, 5), cursorOf(stdscr));
        EXPECT_EQ(Cell(1, 5), cursorOf(curscr));
    }

    // Painted by itself, the shown page (directly or through its tab set)
    // places its own cursor and refreshes.
    for (Control* painted : List{&tabs, &shown}) {
        root.paint();
        mvaddch(0, 0, 'x');
        EXPECT_TRUE(painted->paint());
        EXPECT_FALSE(is_wintouched(stdscr)) << (painted == &tabs ? "tab set" : "page");
        EXPECT_EQ(Cell(8, 30), cursorOf(curscr)) << (painted == &tabs ? "tab set" : "page");
    }
}

}  // namespace
