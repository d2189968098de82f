#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "forms/Forms.h"
#include "support/ButtonForm.h"
#include "support/LogLines.h"
#include "support/PseudoTerminal.h"

using namespace Vesk::Forms;
using Vesk::MouseButton;

namespace {

std::vector<void*> clicks;
std::vector<void*> changes;

int record(int event, void* control) {
    EXPECT_EQ(Vesk::KeyLineFeed, event);
    clicks.push_back(control);
    return 1;
}

int noteChange(int, void* control) {
    changes.push_back(control);
    return 1;
}

// A form with one control of each kind, on the root page and on the pages of
// a tab set whose titles are Cyrillic and CJK, handed mouse events as the
// host hands them any event.
class Mouse : public VeskTest::PseudoTerminal, protected VeskTest::ButtonForm {
protected:
    void SetUp() override {
        PseudoTerminal::SetUp();
        Session::mouse(true);
        ASSERT_TRUE(Session::start(Session::Verbose));
        clicks.clear();
        changes.clear();
        placeButtons("Один", "二つ", record);
        check.position(4, 2);
        check.width(20);
        check.text("Café ✓");
        root->attachChild(&check);
        box.position(4, 30);
        box.width(20);
        box.text("a語b");
        root->attachChild(&box);
        list.position(12, 50);
        list.width(20);
        list.height(5);
        for (int i = 0; i < 20; ++i) {
            list.add("項目 " + std::to_string(i));
        }
        list.change(noteChange);
        root->attachChild(&list);
        attachTabs();
    }

    void TearDown() override {
        delete root;
        Session::mouse(false);
        PseudoTerminal::TearDown();
    }

    // One mouse event at a cell, handled and painted as a host does.
    int mouse(MouseButton button, bool pressed, int row, int column) {
        const int result = root->raiseEvent(Vesk::MouseEvent(button, pressed, 0, row, column));
        root->paint();
        return result;
    }

    int press(int row, int column) { return mouse(MouseButton::Left, true, row, column); }
    int release(int row, int column) { return mouse(MouseButton::Left, false, row, column); }

    CheckBox check;
    TextBox box;
    ListBox list;
};

TEST_F(Mouse, AClickOnAButtonInATabPageFocusesItAndClicksItAsEnterDoes) {
    Point gammaCell(9, 4);
    ASSERT_EQ(&gamma, Session::at(&gammaCell));
    // Gamma is its page's focused control, but the tab set is not active:
    // only Alpha shows the focus.
    EXPECT_TRUE(gamma.focus());
    EXPECT_TRUE(cell(2, 3).reverse);
    EXPECT_FALSE(cell(9, 4).reverse);
    EXPECT_EQ(1, press(9, 4));
    EXPECT_EQ(&tabs, root->activeControl());
    EXPECT_EQ(&gamma, one.activeControl());
    EXPECT_FALSE(alpha.focus());
    EXPECT_TRUE(cell(9, 4).reverse);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(1, release(9, 8));
    EXPECT_EQ((std::vector<void*>{&gamma}), clicks);

    // Enter gives the same log line as the click did.
    EXPECT_EQ(1, root->raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ((std::vector<void*>{&gamma, &gamma}), clicks);
    const auto lines = VeskTest::logMessages(readFile("VeskForms.log"));
    EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "\tClick, text: \"Gamma\""));

    // A press back on Alpha: one button shows the focus again.
    EXPECT_EQ(1, press(2, 3));
    EXPECT_TRUE(cell(2, 3).reverse);
    EXPECT_FALSE(cell(9, 4).reverse);
}

TEST_F(Mouse, APressOnOneButtonReleasedOnAnotherClicksNeither) {
    EXPECT_EQ(1, press(2, 22));
    EXPECT_EQ(&beta, root->activeControl());
    EXPECT_EQ(0, release(2, 4));
    // The release forgot the press: a second release on beta is no click.
    EXPECT_EQ(0, release(2, 22));
    // Nor is a release after another button's press, or a right click.
    EXPECT_EQ(0, mouse(MouseButton::Right, true, 2, 4));
    EXPECT_EQ(0, mouse(MouseButton::Right, false, 2, 4));
    EXPECT_EQ(&beta, root->activeControl());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(Mouse, APressOnATitleShowsItsPageMeasuredInCells) {
    // " Один " takes columns 2 to 7, " 二つ " 8 to 13: each CJK character
    // two cells, and either half of it counts.
    for (auto [column, shown] : {std::tuple{13, &two}, {3, &one}, {11, &two}, {7, &one}}) {
        EXPECT_EQ(1, press(6, column)) << column;
        EXPECT_EQ(0, release(6, column)) << column;
        EXPECT_EQ(shown, tabs.activeTab()) << column;
        EXPECT_EQ(&tabs, root->activeControl());
    }
    press(6, 12);
    EXPECT_EQ("Delta", text(11, 16, 5));
    EXPECT_EQ("     ", text(9, 4, 5));
    // Gamma's cells went out of the map with its page: a press there is on
    // no control.
    EXPECT_EQ(0, press(9, 4));
    EXPECT_EQ(&two, tabs.activeTab());
}

TEST_F(Mouse, AClickTogglesACheckBoxAndAPressReleasedElsewhereDoesNot) {
    EXPECT_EQ(1, press(4, 10));
    EXPECT_FALSE(check.checked());
    EXPECT_EQ(1, release(4, 12));
    EXPECT_TRUE(check.checked());
    EXPECT_EQ("[x] Caf", text(4, 2, 7));
    EXPECT_EQ(1, press(4, 2));
    EXPECT_EQ(0, release(2, 2));
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(&check, root->activeControl());
}

TEST_F(Mouse, APressPutsTheCaretOnTheCharacterUnderThePointer) {
    // "a語b": a in column 30, 語 in 31 and 32, b in 33.
    for (auto [column, caret] : {std::tuple{33, 2}, {32, 1}, {31, 1}, {30, 0}, {45, 3}}) {
        EXPECT_EQ(1, press(4, column)) << column;
        EXPECT_EQ(caret, box.cursor()) << column;
    }
    EXPECT_EQ(&box, root->activeControl());
    EXPECT_EQ(1, press(4, 33));
    EXPECT_EQ(1, root->raiseEvent(Vesk::CharacterEvent(U'é')));
    EXPECT_EQ("a語éb", box.text());
}

TEST_F(Mouse, APressSelectsAListItemAndTheWheelScrollsThreeRows) {
    EXPECT_EQ(1, press(14, 55));
    EXPECT_EQ(2, list.selected());
    EXPECT_EQ((std::vector<void*>{&list}), changes);
    // Down three rows: the selection stays on the first row shown.
    EXPECT_EQ(1, mouse(MouseButton::WheelDown, true, 13, 55));
    EXPECT_EQ(3, list.top());
    EXPECT_EQ(3, list.selected());
    // "項目 3" on the first row, selected: its digit in the sixth cell.
    EXPECT_EQ("3", text(12, 55, 1));
    EXPECT_TRUE(cell(12, 55).reverse);
    for (int i = 0; i < 6; ++i) {
        mouse(MouseButton::WheelDown, true, 13, 55);
    }
    EXPECT_EQ(15, list.top());
    EXPECT_EQ(0, mouse(MouseButton::WheelDown, true, 13, 55));
    EXPECT_EQ(1, mouse(MouseButton::WheelUp, true, 13, 55));
    EXPECT_EQ(12, list.top());
    EXPECT_EQ(1, press(16, 50));
    EXPECT_EQ(16, list.selected());
    EXPECT_EQ(&list, root->activeControl());
}

TEST_F(Mouse, PressesOnNothingOffTheScreenOrWithTheMouseOffDoNothing) {
    const auto nothing = [this](int row, int column) {
        EXPECT_EQ(0, press(row, column)) << row << "," << column;
        EXPECT_EQ(0, release(row, column)) << row << "," << column;
        EXPECT_EQ(&alpha, root->activeControl());
    };
    nothing(0, 0);
    nothing(24, 79);
    nothing(4095, 4095);
    nothing(2, 80);
    Session::mouse(false);
    nothing(2, 22);
    nothing(4, 2);
    EXPECT_FALSE(check.checked());
    EXPECT_TRUE(clicks.empty());
}

// The bytes a terminal sends for a click, read by the session's worker.
TEST_F(Mouse, ReportsTypedIntoTheTerminalClickAButton) {
    type("\x1b[<0;5;10M\x1b[<0;6;10m");
    for (int i = 0; i < 2; ++i) {
        const int event = Session::getEvent();
        ASSERT_TRUE(Vesk::IsMouse(event)) << event;
        root->raiseEvent(event);
    }
    EXPECT_EQ((std::vector<void*>{&gamma}), clicks);
    EXPECT_EQ(&tabs, root->activeControl());
}

}  // namespace
