// What a host hands a text area: text that is not valid, limits, places
// for the caret, a hundred thousand lines, sizes of nothing, and the order
// things are destroyed in.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "forms/Page.h"
#include "forms/TextArea.h"
#include "geometry/PaintedScreen.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using TextAreaHost = VeskTest::Utf8PaintedScreen;

TEST_F(TextAreaHost, HostTextIsMadeValidCutToTheLimitAndEndsWithTheCaret) {
    // clang-format off
    const struct { int max; std::string given, stored; int lines, row, column; } cases[] = {
        {0, "a\xff\x01" "b", "a\uFFFD\uFFFDb", 1, 0, 4},
        {0, "one\r\ntwo\rthree\n", "one\ntwo\uFFFDthree\n", 3, 2, 0},
        {0, "\xe2\x80\n\x85\xc2\x85", "\uFFFD\uFFFD\n\uFFFD\uFFFD", 2, 1, 2},
        {5, "ab\ncdef", "ab\ncd", 2, 1, 2},
        {3, "ab\n\ncd", "ab\n", 2, 1, 0},
        {2, "e\u0301\u0301a漢", "e\u0301\u0301a", 1, 0, 2},
        {2, "🇩🇪👍🏽\nx", "🇩🇪👍🏽", 1, 0, 2},
        {4, "🇩🇪👍🏽\nxy", "🇩🇪👍🏽\nx", 2, 1, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        TextArea area;
        area.maxLength(c.max);
        EXPECT_EQ(c.stored, area.text(c.given)) << c.given;
        EXPECT_EQ(std::make_tuple(c.stored, c.lines, c.row, c.column),
                  std::make_tuple(area.text(), area.lines(), area.row(), area.column()))
            << c.given;
    }
}

TEST_F(TextAreaHost, TheCaretGoesOnlyWhereTheTextIs) {
    TextArea area;
    area.text("ab\nжук\n");
    // clang-format off
    const struct { int row, column; bool taken; int atRow, atColumn; } cases[] = {
        {1, 3, true, 1, 3}, {1, 4, false, 1, 3}, {3, 0, false, 1, 3}, {-1, 0, false, 1, 3},
        {2, 0, true, 2, 0}, {0, -1, false, 2, 0}, {0, 2, true, 0, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const bool taken = area.cursor(c.row, c.column);
        EXPECT_EQ(std::make_tuple(c.taken, c.atRow, c.atColumn),
                  std::make_tuple(taken, area.row(), area.column()))
            << c.row << "," << c.column;
    }
}

// The host's text drops the steps before it; the limit counts line breaks.
TEST_F(TextAreaHost, UndoStopsAtTheHostsTextAndTheLimitRefusesKeys) {
    Page page;
    TextArea area;
    page.attachChild(&area);
    page.activeControl(&area);
    page.raiseEvent('a');
    area.text("x");
    EXPECT_EQ(0, page.raiseEvent(0x1F));
    EXPECT_EQ("x", area.text());
    area.maxLength(3);
    EXPECT_EQ(1, page.raiseEvent(Vesk::KeyEnter));
    EXPECT_EQ(1, page.raiseEvent('y'));
    EXPECT_EQ(0, page.raiseEvent('z'));
    EXPECT_EQ(0, page.raiseEvent(Vesk::KeyEnter));
    page.raiseEvent(Vesk::PasteBegin);
    page.raiseEvent('q');
    EXPECT_EQ(1, page.raiseEvent(Vesk::PasteEnd));
    EXPECT_EQ("x\ny", area.text());
    EXPECT_EQ(1, page.raiseEvent(0x1F));
    EXPECT_EQ("x\n", area.text());
}

// A hundred thousand lines scroll to the caret; sizes of nothing and of
// the largest int paint nothing wrong; the page or the area may go first.
TEST_F(TextAreaHost, LongTextsOddSizesAndEitherOrderOfDestruction) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "строка " + std::to_string(i) + "\n";
    }
    auto page = std::make_unique<Page>();
    auto area = std::make_unique<TextArea>();
    page->attachChild(area.get());
    area->position(3, 5);
    area->width(14);
    area->height(3);
    area->text(text);
    page->activeControl(area.get());
    EXPECT_EQ(100001, area->lines());
    page->raiseEvent(Vesk::KeyUp);
    page->raiseEvent('!');
    page->paint();
    EXPECT_EQ(L"строка 99997 ░строка 99998 ░!строка 99999█",
              wide(3, 5, 14) + wide(4, 5, 14) + wide(5, 5, 14));
    EXPECT_EQ(std::make_pair(5, 6), std::make_pair(cursorRow(), cursorColumn()));
    for (int size : {0, -4, 2147483647}) {
        area->width(size);
        area->height(size == 2147483647 ? 2 : size);
        page->paint();
        page->raiseEvent(Vesk::KeyDown);
        page->raiseEvent(Vesk::KeyNextPage);
        page->raiseEvent('x');
    }
    EXPECT_EQ(100001, area->lines());
    page.reset();
    area.reset();
    auto second = std::make_unique<Page>();
    auto held = std::make_unique<TextArea>();
    second->attachChild(held.get());
    second->paint();
    held.reset();
    second->paint();
}

