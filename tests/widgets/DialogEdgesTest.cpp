// Dialogs and choices at the edges: screens of one cell and a few, a dialog
// larger than the screen whose controls stay reachable by keys, and run()
// handing events that are neither keys nor clicks to the background handler.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "forms/Forms.h"
#include "support/PseudoTerminal.h"

using namespace Vesk::Forms;

namespace {

// A session whose screen LINES and COLUMNS make small.
class SmallScreen : public VeskTest::PseudoTerminal {
protected:
    void start(int lines, int columns) {
        setenv("LINES", std::to_string(lines).c_str(), 1);
        setenv("COLUMNS", std::to_string(columns).c_str(), 1);
        ASSERT_TRUE(Session::start(Session::None));
    }
    void TearDown() override {
        Session::stop();
        unsetenv("LINES");
        unsetenv("COLUMNS");
        PseudoTerminal::TearDown();
    }
};

constexpr int Escape = 0x1B;
// An event of the host's own, as the guide's examples post them.
constexpr Vesk::Event Tick = static_cast<Vesk::Event>(0x00040001);

}  // namespace

TEST_F(SmallScreen, ADialogLargerThanTheScreenIsCutAndItsControlsTakeKeys) {
    for (const auto& size : {std::pair<int, int>{1, 1}, {3, 10}, {24, 80}}) {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        start(size.first, size.second);
        Page page;
        Choice choice;
        for (const char* item : {"Österreich", "日本", "Россия"}) {
            choice.add(item);
        }
        choice.width(12);
        page.attachChild(&choice);
        page.activeControl(&choice);
        choice.opened(true);
        page.paint();
        EXPECT_LE(0, choice.selected());

        Dialog dialog;
        dialog.width(100);
        dialog.height(40);
        TextBox far;
        far.position(30, 70);  // below and right of every screen here
        Button ok;
        ok.position(2, 2);
        dialog.attachChild(&ok);
        dialog.attachChild(&far);
        dialog.activeControl(&ok);
        ASSERT_TRUE(dialog.open(&page));
        page.paint();
        EXPECT_FALSE(choice.opened());  // keys went to the dialog
        page.raiseEvent(Vesk::KeyTab);
        page.raiseEvent('x');
        page.paint();
        EXPECT_EQ("x", far.text());
        page.raiseEvent(Escape);
        EXPECT_FALSE(dialog.isOpen());
        EXPECT_EQ(-1, dialog.result());
        EXPECT_EQ(&choice, page.activeControl());
        page.paint();
        Session::stop();
    }
}

TEST_F(SmallScreen, RunHandsOtherEventsToTheBackgroundAndReturnsTheResult) {
    start(24, 80);
    Page page;
    Dialog dialog;
    std::vector<int> seen;
    dialog.data(&seen);
    dialog.background(+[](int event, void* control) {
        static_cast<std::vector<int>*>(static_cast<Control*>(control)->data())->push_back(event);
        return 1;
    });
    std::thread worker([this] {
        Session::setEvent(Tick);
        Session::setEvent(Tick);
        type("\x1b");
    });
    EXPECT_EQ(-1, dialog.run(&page));
    worker.join();
    EXPECT_EQ((std::vector<int>{Tick, Tick}), seen);

    // Paste marks are keys, not the host's; the end of input closes the
    // dialog and comes back for the host's own loop (the Esc only guards).
    for (int event : {int(Vesk::PasteBegin), int(Vesk::PasteEnd), int(Vesk::KeyEndOfInput), 0x1B}) {
        Session::setEvent(static_cast<Vesk::Event>(event));
    }
    EXPECT_EQ(-1, dialog.run(&page));
    EXPECT_EQ((std::vector<int>{Tick, Tick}), seen);
    EXPECT_EQ(0x1B, Session::getEvent());
    EXPECT_EQ(Vesk::KeyEndOfInput, Session::getEvent());
}
