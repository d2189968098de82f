#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "forms/Forms.h"
#include "support/ButtonForm.h"
#include "support/PseudoTerminal.h"

using namespace Vesk::Forms;

namespace {

std::vector<void*> clicks;

int record(int event, void* button) {
    EXPECT_EQ(Vesk::KeyLineFeed, event);
    clicks.push_back(button);
    return 1;
}

// A form driven the way a host drives it: key bytes typed into the terminal,
// taken from the inbox, handed to the root page, and the page repainted.
class TypedKeys : public VeskTest::PseudoTerminal, protected VeskTest::ButtonForm {
protected:
    void SetUp() override {
        PseudoTerminal::SetUp();
        ASSERT_TRUE(Session::start(Session::None));
        clicks.clear();
        placeButtons("One", "Two", record);
        attachTabs();
    }

    void TearDown() override {
        delete root;
        PseudoTerminal::TearDown();
    }

    // Types the bytes of one key and lets the page handle what arrives.
    int press(const std::string& bytes, Vesk::Event expected) {
        type(bytes);
        int event = Session::getEvent();
        EXPECT_EQ(expected, event) << "bytes of the key: " << bytes.substr(1);
        int result = root->raiseEvent(event);
        root->paint();
        return result;
    }
};

TEST_F(TypedKeys, MoveTheFocusSwitchPagesAndClick) {
    EXPECT_TRUE(cell(2, 4).reverse);  // the focused button's caption
    EXPECT_EQ(1, press("\r", Vesk::KeyEnter));
    EXPECT_EQ((std::vector<void*>{&alpha}), clicks);

    EXPECT_EQ(0, press("\t", Vesk::KeyTab));
    EXPECT_FALSE(cell(2, 4).reverse);
    EXPECT_TRUE(cell(2, 22).reverse);
    EXPECT_EQ(1, press("\x1b[D", Vesk::KeyLeft));
    EXPECT_EQ(&alpha, root->activeControl());
    EXPECT_EQ(1, press("\x1bOC", Vesk::KeyRight));
    EXPECT_EQ(&beta, root->activeControl());
    EXPECT_EQ(0, press("\t", Vesk::KeyTab));
    EXPECT_EQ(&tabs, root->activeControl());
    EXPECT_EQ("Gamma", text(9, 4, 5));

    EXPECT_EQ(1, press("\x1b[6~", Vesk::KeyNextPage));
    EXPECT_EQ(&two, tabs.activeTab());
    EXPECT_EQ("Delta", text(11, 16, 5));
    EXPECT_EQ(" One ", text(6, 2, 5));
    EXPECT_EQ(16 * Black + BrightBlack + 1, cell(6, 3).pair);
    EXPECT_EQ(16 * Black + BrightWhite + 1, cell(6, 8).pair);

    // Enter passes through the tab set to the shown page's active control.
    EXPECT_EQ(1, press("\r", Vesk::KeyEnter));
    // Back-tab moves within the shown page and then on in the root page.
    EXPECT_EQ(0, press("\x1b[Z", Vesk::KeyBackTab));
    EXPECT_EQ(&beta, root->activeControl());
    EXPECT_EQ(1, press("\r", Vesk::KeyEnter));
    EXPECT_EQ((std::vector<void*>{&alpha, &delta, &beta}), clicks);

    // Page Up means nothing to a button: the tab set keeps its page.
    EXPECT_EQ(0, press("\x1b[5~", Vesk::KeyPreviousPage));
    EXPECT_EQ(&two, tabs.activeTab());
}

TEST_F(TypedKeys, ArrowsIntoAShownPageTakeTheKeysAlongAndHiddenPagesAreOutOfReach) {
    // Gamma's page is hidden by the switch: its picture and its map cells go.
    Point gammaCell(9, 4);
    EXPECT_EQ(&gamma, Session::at(&gammaCell));
    EXPECT_EQ(1, tabs.raiseEvent(Vesk::KeyNextPage));
    root->paint();
    EXPECT_EQ("Delta", text(11, 16, 5));
    EXPECT_EQ("     ", text(9, 4, 5));
    EXPECT_EQ(nullptr, Session::at(&gammaCell));

    two.title("Second");
    EXPECT_EQ(1, tabs.raiseEvent(Vesk::KeyNextPage));
    root->paint();
    EXPECT_EQ("Gamma", text(9, 4, 5));
    EXPECT_EQ(" Second ", text(6, 7, 8));

    // Down from Alpha lands on Gamma inside the shown page, so the tab set
    // has become the root's active control and Enter clicks Gamma.
    EXPECT_EQ(1, press("\x1b[B", Vesk::KeyDown));
    EXPECT_EQ(&tabs, root->activeControl());
    EXPECT_EQ(&gamma, one.activeControl());
    EXPECT_FALSE(alpha.focus());
    EXPECT_EQ(1, press("\r", Vesk::KeyEnter));
    EXPECT_EQ((std::vector<void*>{&gamma}), clicks);

    // Up from Gamma leaves the set for Alpha in the root page.
    EXPECT_EQ(1, press("\x1b[A", Vesk::KeyUp));
    EXPECT_EQ(&alpha, root->activeControl());
    EXPECT_FALSE(gamma.focus());
}

}  // namespace
