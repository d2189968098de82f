#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <memory>
#include <stdexcept>

#include "forms/Button.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ScrollBox.h"
#include "forms/Tabs.h"
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

// A paste reaches the box as characters only, its line break a space, and
// changes it once.
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
    EXPECT_EQ("Grüße 漢!", box.text());
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(Vesk::PasteEnd, seen.front().first);
    EXPECT_EQ(L"Grüße 漢漢!  ", wide(3, 5, 11));
    EXPECT_EQ(14, cursorColumn());
}

TEST_F(TextBoxScreen, AMaskTakesWhatFitsEachPlaceAndShowsItsLiterals) {
    const std::string date = "99/99/9999";
    // clang-format off
    const struct { std::string mask; int width; std::u32string typed; std::vector<int> keys;
                   std::string text; int cursor; std::wstring shown; int caret; } cases[] = {
        {date, 11, U"12032026", {}, "12/03/2026", 10, L"12/03/2026 ", 10},
        {date, 10, U"1a2", {}, "12", 2, L"12/__/____", 3},
        {date, 10, U"12/03", {}, "12/03", 5, L"12/03/____", 6},
        {date, 10, U"12032026", {Home, Right, Right, Right, Backspace}, "12/32/026", 3, L"12/32/026_", 3},
        {date, 10, U"1203", {Left, Left, Left}, "12/03", 1, L"12/03/____", 1},
        {date, 10, U"1203", {Home, Delete}, "20/3", 0, L"20/3_/____", 0},
        {"(999) AAA", 11, U"555ЖΩ日", {}, "(555) ЖΩ日", 9, L"(555) ЖΩ日日 ", 10},
        {"(999) AAA", 10, U"5551", {Home}, "(555", 1, L"(555) ___ ", 1},
        {"**", 10, U"👍🏽x漢", {Left}, "👍🏽x", 1, L"👍👍🏽🏽x     ", 4},
        {"9999-9999-9999", 5, U"123456789", {}, "1234-5678-9", 11, L"-9___", 2},
        {"", 10, U"a1", {}, "a1", 2, L"a1        ", 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::string label = c.mask + " " + c.text;
        box.mask("");
        box.text("");
        EXPECT_TRUE(box.mask(c.mask));
        EXPECT_EQ(c.mask, box.mask());
        box.width(c.width);
        page.paint();
        dots();
        press(c.typed, c.keys);
        EXPECT_EQ(c.text, box.text()) << label;
        EXPECT_EQ(c.cursor, box.cursor()) << label;
        EXPECT_EQ(c.shown, wide(3, 5, c.width)) << label;
        EXPECT_EQ(5 + c.caret, cursorColumn()) << label;
    }
    // Host text keeps its longest beginning that fits; a literal left out is put in.
    box.mask(date);
    EXPECT_EQ("12/03/2026", box.text("12032026"));
    EXPECT_EQ("12", box.text("12-03-2026"));
    EXPECT_EQ("", box.text("ab\xff"));
    box.text("31122026");
    EXPECT_EQ("31/1", box.mask("99/9") ? box.text() : "");
}

// One change at the end of a paste, whatever ends it: its end, the focus
// leaving, Enter, or events handed to another page (0 below).
TEST_F(TextBoxScreen, APasteIsOneEditWhateverEndsIt) {
    Button other;
    page.attachChild(&other);
    Page elsewhere;
    Button there;
    elsewhere.attachChild(&there);
    elsewhere.activeControl(&there);
    box.change(record);
    box.submit(record);
    using Seen = std::vector<int>;
    const int End = Vesk::PasteEnd;
    // clang-format off
    const struct { int max; std::string before; std::u32string pasted; int then; std::string text; Seen seen; } cases[] = {
        {0, "", U"Grüße\nиз\n漢字👍🏽", End, "Grüße из 漢字👍🏽", {End}},
        {5, "xy", U"ab👍🏽cde\u0301", End, "xyab👍🏽", {End}},  // what fits is kept
        {5, "12345", U"x", End, "12345", {}},
        {0, "", U"abc", Vesk::KeyTab, "abc", {End}},
        {0, "", U"d", Vesk::KeyEnter, "d", {End, Vesk::KeyEnter}},
        {0, "", U"e", 0, "e", {End}},
    };
    // clang-format on
    for (const auto& c : cases) {
        box.maxLength(c.max);
        box.text(c.before);
        box.takeFocus();
        seen.clear();
        page.raiseEvent(Vesk::PasteBegin);
        for (char32_t code : c.pasted) {
            page.raiseEvent(code == U'\n' ? Vesk::PasteLineBreak : Vesk::CharacterEvent(code));
        }
        EXPECT_TRUE(seen.empty()) << c.text;
        c.then == 0 ? elsewhere.raiseEvent('x') : page.raiseEvent(c.then);
        EXPECT_EQ(c.text, box.text());
        Seen events;
        for (const auto& [event, control] : seen) {
            events.push_back(control == &box ? event : -1);
        }
        EXPECT_EQ(c.seen, events) << c.text;
    }
}

TEST_F(TextBoxScreen, PageValidateChecksEveryFieldAndFocusesTheFirstInvalid) {
    Tabs tabs;
    Page first, second;
    ScrollBox scroll;
    std::vector<std::unique_ptr<TextBox>> fields;
    page.attachChild(&tabs);
    tabs.position(5, 0);
    tabs.width(30);
    tabs.height(4);
    tabs.attachTab(&first);
    tabs.attachTab(&second);
    page.attachChild(&scroll);
    scroll.position(10, 0);
    scroll.width(30);
    scroll.height(3);
    for (int i = 0; i < 20; ++i) {
        fields.push_back(std::make_unique<TextBox>());
        scroll.attachChild(fields.back().get());
        fields.back()->position(i, 0);
        fields.back()->text("ok");
    }
    TextBox inTab;
    second.attachChild(&inTab);
    Label message;
    page.attachChild(&message);
    inTab.validate(Validators::required());
    inTab.errorLabel(&message);
    fields[15]->validate(Validators::integer(1, 9));
    box.validate(Validators::length(1, 2));
    box.text("ab");
    page.paint();

    EXPECT_EQ(2, page.validate());
    EXPECT_EQ(&second, tabs.activeTab());
    EXPECT_EQ(&inTab, second.activeControl());
    EXPECT_TRUE(inTab.focus());
    EXPECT_EQ(&tabs, page.activeControl());
    EXPECT_EQ("A value is required.", *std::unique_ptr<std::string>(message.text()));

    inTab.text("Ёж");
    EXPECT_EQ(1, page.validate());
    EXPECT_EQ("", *std::unique_ptr<std::string>(message.text()));
    EXPECT_EQ(fields[15].get(), page.activeControl());
    EXPECT_LE(scroll.scrollRow(), 15);
    EXPECT_GT(scroll.scrollRow() + 3, 15);
    EXPECT_EQ("Enter a whole number from 1 to 9.", fields[15]->error());

    // A disabled field, or one on a hidden page, cannot be corrected: left out.
    fields[15]->enabled(false);
    second.visible(false);
    inTab.text("");
    EXPECT_EQ(0, page.validate());
    second.visible(true);
    EXPECT_EQ(1, page.validate());
    inTab.text("Ёж");
    fields[15]->enabled(true);

    fields[15]->text("7");
    EXPECT_EQ(0, page.validate());
    EXPECT_EQ(&tabs, page.activeControl());  // where the last invalid one took it
}

TEST_F(TextBoxScreen, BadChecksAndAnyOrderOfDestructionLeaveTheFieldSound) {
    EXPECT_FALSE(box.validate(nullptr));
    EXPECT_FALSE(box.validate(Validators::pattern("([a-z")));
    EXPECT_TRUE(box.validate([](const std::string& text) -> std::string {
        throw std::runtime_error("Сервер не ответил: " + text);
    }));
    EXPECT_EQ("", box.error());
    box.text("x\x01\xff");
    EXPECT_EQ(1, page.raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ("Сервер не ответил: x\uFFFD\uFFFD", box.error());
    box.validate([](const std::string&) -> std::string { throw 42; });
    EXPECT_EQ(1, page.validate());
    EXPECT_EQ("The value could not be checked.", box.error());
    page.paint();
    EXPECT_EQ(16 * Red + Black + 1, VeskTest::wideCell(3, 5).pair);

    // A field destroyed while keys reach it is not checked afterwards.
    auto focused = std::make_unique<TextBox>();
    page.attachChild(focused.get());
    focused->validate(Validators::required());
    focused->takeFocus();
    EXPECT_EQ(1, page.raiseEvent('a'));
    focused.reset();
    EXPECT_EQ(0, page.raiseEvent('b'));
    EXPECT_EQ(nullptr, page.activeControl());

    // The label goes first, or the box does: neither leaves a pointer behind.
    for (bool labelFirst : {true, false}) {
        auto label = std::make_unique<Label>();
        auto field = std::make_unique<TextBox>();
        page.attachChild(field.get());
        field->validate(Validators::required());
        EXPECT_EQ(label.get(), field->errorLabel(label.get()));
        EXPECT_EQ(2, page.validate());
        if (labelFirst) {
            label.reset();
            EXPECT_EQ(nullptr, field->errorLabel());
            EXPECT_EQ(2, page.validate());
        } else {
            field.reset();
            EXPECT_EQ("A value is required.", *std::unique_ptr<std::string>(label->text()));
            EXPECT_EQ(1, page.validate());
            delete label->text("kept");
        }
    }
}
