#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/Button.h"
#include "forms/Page.h"
#include "forms/TextBox.h"
#include "geometry/PaintedScreen.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using Vesk::KeyCharacter;

namespace {

constexpr int Backspace = 0x7F, Left = Vesk::KeyLeft, Right = Vesk::KeyRight, Home = Vesk::KeyHome,
              Delete = Vesk::KeyDelete;

std::vector<std::pair<int, void*>> seen;
int record(int event, void* control) {
    seen.emplace_back(event, control);
    return 5;
}

// A text box on a root page at (3, 5), focused.
class TextBoxScreen : public VeskTest::Utf8PaintedScreen {
protected:
    void SetUp() override {
        Utf8PaintedScreen::SetUp();
        page.attachChild(&box);
        box.position(3, 5);
        page.activeControl(&box);
        seen.clear();
    }

    // Each code point as its character event (C0 and DEL as their own
    // codes), then the keys; the page handles each and is painted.
    void press(const std::u32string& typed, const std::vector<int>& keys = {}) {
        std::vector<int> events;
        for (char32_t c : typed) {
            events.push_back(c < 0x80 ? static_cast<int>(c) : KeyCharacter + static_cast<int>(c));
        }
        events.insert(events.end(), keys.begin(), keys.end());
        for (int event : events) {
            page.raiseEvent(event);
        }
        page.paint();
    }

    Page page;
    TextBox box;
};

}  // namespace

TEST_F(TextBoxScreen, TypedTextIsStoredShownInCellsAndFollowedByTheCaret) {
    // clang-format off
    const struct { int width, max; bool password; std::u32string typed; std::vector<int> keys;
                   std::string text; int cursor; std::wstring shown; int caret; } cases[] = {
        {10, 0, false, U"abc", {}, "abc", 3, L"abc       ", 3},
        {10, 0, false, U"Grüße", {}, "Grüße", 5, L"Grüße     ", 5},
        {10, 0, false, U"漢字😀", {}, "漢字😀", 3, L"漢漢字字😀😀    ", 6},
        {10, 0, false, U"e\u0301x", {Left}, "e\u0301x", 1, L"e\u0301x        ", 1},
        {10, 0, false, U"e\u0301x", {Left, Backspace}, "x", 0, L"x         ", 0},
        {10, 0, false, U"漢字", {Home, Delete}, "字", 0, L"字字        ", 0},
        {10, 0, false, U"ab", {Home, Right, 'Z', Right, Right, Delete}, "aZb", 3, L"aZb       ", 3},
        {10, 0, false, U"a\u0085\u009f\u2028b\x7f" "c", {0x08}, "a", 1, L"a         ", 1},
        {5, 0, false, U"abcdefgh", {}, "abcdefgh", 8, L"gh   ", 2},
        {5, 0, false, U"abcdefgh", {Home}, "abcdefgh", 0, L"abcde", 0},
        {5, 0, false, U"abcdefgh", {Home, Right, Right, Right, Right, Right}, "abcdefgh", 5, L"de", 2},
        {5, 0, false, U"漢字", {}, "漢字", 2, L"漢漢字字 ", 4},
        {5, 0, false, U"漢字漢字", {}, "漢字漢字", 4, L"字字   ", 2},
        {1, 0, false, U"ab", {}, "ab", 2, L" ", 0},
        {10, 0, true, U"Grüße", {Left}, "Grüße", 4, L"*****     ", 4},
        {10, 3, false, U"abcd", {}, "abc", 3, L"abc       ", 3},
        {10, 2, false, U"e\u0301\u0301a漢", {}, "e\u0301\u0301a", 2, L"e\u0301\u0301a        ", 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::string label = c.text + " in " + std::to_string(c.width);
        box.text("");
        box.width(c.width);
        box.maxLength(c.max);
        box.password(c.password);
        // The paint after a narrower width blanks the cells the box left.
        page.paint();
        dots();
        press(c.typed, c.keys);
        EXPECT_EQ(c.text, box.text()) << label;
        EXPECT_EQ(c.cursor, box.cursor()) << label;
        EXPECT_EQ(c.shown, wide(3, 5, c.width).substr(0, c.shown.size())) << label;
        EXPECT_EQ(L".", wide(3, 5 + c.width, 1)) << label;
        // White on Black is the normal rendition: no colour pair.
        EXPECT_EQ(0, VeskTest::wideCell(3, 5).pair) << label;
        EXPECT_EQ(3, cursorRow()) << label;
        EXPECT_EQ(5 + c.caret, cursorColumn()) << label;
    }
}

TEST_F(TextBoxScreen, HostTextIsMadeValidAndNothingFromTheHostBreaksIt) {
    EXPECT_EQ("a\uFFFD\uFFFDb\uFFFD\uFFFD", box.text("a\xff\x01"
                                                     "b\xc3\xc2\x85"));
    EXPECT_EQ(6, box.cursor());
    EXPECT_EQ(0, box.cursor(-4));
    EXPECT_EQ(6, box.cursor(2147483647));
    EXPECT_EQ(0, box.maxLength(-3));
    EXPECT_EQ(2, box.maxLength(2));
    EXPECT_EQ("a\uFFFD", box.text());
    box.maxLength(0);

    box.text(std::string(1000000, 'x') + "yz");
    box.width(8);
    page.paint();
    EXPECT_EQ(L"xxyz    ", wide(3, 5, 8));
    EXPECT_EQ(9, cursorColumn());
    for (int width : {-5, 0, 2147483647}) {
        dots();
        box.width(width);
        page.paint();
        EXPECT_EQ(width > 0 ? L"xx" : L"..", wide(3, 78, 2)) << width;
    }
}

TEST_F(TextBoxScreen, PlaceholderIsDimmedAndTheBoxIsDrawnAndClippedAsAButtons) {
    box.placeholder("Name…");
    box.width(6);
    box.border(SingleLine);
    page.paint();
    EXPECT_EQ(L"Name… ", wide(3, 5, 6));
    EXPECT_EQ(16 * BrightBlack + Black + 1, VeskTest::wideCell(3, 5).pair);
    EXPECT_EQ(5, cursorColumn());
    box.placeholder("Name");
    page.paint();
    expectOnly({{2, 4, "a------b"}, {3, 4, "|Name  |"}, {4, 4, "c------d"}}, "placeholder");
    press(U"漢");
    EXPECT_EQ(L"漢漢    ", wide(3, 5, 6));
    EXPECT_EQ(0, VeskTest::wideCell(3, 5).pair);
    box.color(Cyan);
    page.paint();
    EXPECT_EQ(16 * Cyan + Black + 1, VeskTest::wideCell(3, 5).pair);
    EXPECT_EQ(16 * Cyan + Black + 1, VeskTest::wideCell(3, 10).pair);
    EXPECT_EQ(0u, attributes());
    Point inside(3, 10), outside(3, 11);
    EXPECT_EQ(&box, Session::at(&inside));
    EXPECT_EQ(nullptr, Session::at(&outside));

    // A hidden parent cuts the box and the field; without one, nothing does.
    dots();
    TextBox loose;
    loose.parent(parentOf(HiddenParent));
    loose.position(1, -2);
    loose.width(6);
    loose.border(SingleLine);
    loose.text("abcde");
    EXPECT_TRUE(loose.paint());
    expectOnly({{2, 10, "----b"}, {3, 10, "cde |"}, {4, 10, "----d"}}, "clipped");
    loose.text("a漢字");
    EXPECT_TRUE(loose.paint());
    EXPECT_EQ(L" 字字 ", wide(3, 10, 4));
}

TEST_F(TextBoxScreen, ArrowsAtEitherEndMoveTheFocusAndHandlersRunOnEditsAndEnter) {
    Button before, after;
    page.attachChild(&before);
    page.attachChild(&after);
    before.position(3, 40);
    after.position(3, 60);
    box.position(3, 52);
    box.width(5);
    box.change(record);
    EXPECT_FALSE(box.change(nullptr) || box.submit(nullptr));
    page.paint();
    EXPECT_EQ(0, page.raiseEvent(Vesk::KeyEnter));
    press(U"aé", {Left, Backspace, Home, Backspace, Delete, Delete, 0xE9});
    EXPECT_EQ("", box.text());
    EXPECT_EQ((std::vector<std::pair<int, void*>>{
                  {'a', &box}, {KeyCharacter + 0xE9, &box}, {Backspace, &box}, {Delete, &box}}),
              seen);
    box.submit(record);
    EXPECT_EQ(5, page.raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ(Vesk::KeyEnter, seen.back().first);

    EXPECT_EQ(1, page.raiseEvent(Left));
    EXPECT_EQ(&before, page.activeControl());
    page.activeControl(&box);
    press(U"x", {Left});
    EXPECT_EQ(1, page.raiseEvent(Right));
    EXPECT_EQ(&box, page.activeControl());
    EXPECT_EQ(1, page.raiseEvent(Right));
    EXPECT_EQ(&after, page.activeControl());
    EXPECT_FALSE(box.focus());
}

// A paste reaches the box as characters only, one change per character.
TEST_F(TextBoxScreen, PastedTextIsTypedAndCannotSubmit) {
    box.change(record);
    box.submit(record);
    type(
        "\x1b[200~Gr\xc3\xbc\xc3\x9f"
        "e\r\n\x1b[A\t\xe6\xbc\xa2\x1b[201~!");
    for (int event = 0; event != '!';) {
        event = Session::getEvent();
        page.raiseEvent(event);
    }
    page.paint();
    // A key inside a paste is dropped whole, the line break is not Enter.
    EXPECT_EQ("Grüße漢!", box.text());
    EXPECT_EQ(7u, seen.size());
    EXPECT_EQ(L"Grüße漢漢!   ", wide(3, 5, 11));
    EXPECT_EQ(13, cursorColumn());
}
