#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/Label.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using LabelPaint = VeskTest::PaintedScreen;

namespace {

std::string textOf(Label& label) {
    std::unique_ptr<std::string> copy(label.text());
    return *copy;
}

void setText(Label& label, const std::string& value) {
    std::unique_ptr<std::string> copy(label.text(value));
    EXPECT_EQ(value, *copy);
}

}  // namespace

TEST_F(LabelPaint, TextIsCutToTheLabelAndToAClippingParent) {
    enum Parent { HiddenParent, VisibleParent, NoParent };
    // clang-format off
    const struct { Parent parent; int column, width; std::string text; int shownAt; std::string shown; } cases[] = {
        {HiddenParent, 0, 0, "unsized", 0, ""},
        {HiddenParent, 0, 10, "hello", 10, "hello"},
        {HiddenParent, 0, 10, "abcdefghijklmno", 10, "abcdefghij"},
        {HiddenParent, 15, 10, "0123456789", 25, "01234"},
        {HiddenParent, -3, 10, "0123456789", 10, "3456789"},
        {HiddenParent, -12, 10, "0123456789", 0, ""},
        {HiddenParent, -8, 10, "abc", 0, ""},
        {VisibleParent, 15, 10, "0123456789", 25, "0123456789"},
        {VisibleParent, -3, 10, "0123456789", 7, "0123456789"},
        {NoParent, 72, 10, "0123456789", 72, "01234567"},
    };
    // clang-format on
    Region parent;  // a 20-column parent whose top-left cell is (2, 10)
    parent.position(2, 10);
    parent.width(20);
    for (const auto& c : cases) {
        dots();
        Label label;
        parent.overflow(c.parent == VisibleParent ? Visible : Hidden);
        label.parent(c.parent == NoParent ? nullptr : &parent);
        label.position(c.parent == NoParent ? 3 : 1, c.column);
        label.width(c.width);
        setText(label, c.text);
        EXPECT_TRUE(label.paint());
        std::string where = c.text + " at " + std::to_string(c.column);
        if (c.shown.empty()) {
            expectOnly({}, where);
        } else {
            expectOnly({{3, c.shownAt - 1, "." + c.shown}}, where);
            EXPECT_EQ(16 * 8 + 0 + 1, cell(3, c.shownAt).pair) << where;
            EXPECT_FALSE(cell(3, c.shownAt).reverse) << where;
        }
    }
}

TEST_F(LabelPaint, OnlyAShorterTextClearsTheScreen) {
    Label label;
    EXPECT_EQ("", textOf(label));
    EXPECT_EQ(BrightBlack, label.color());
    EXPECT_EQ(Black, label.background());
    setText(label, "abcdef");
    const struct {
        std::string text;
        bool cleared;
    } cases[] = {{"ghijkl", false}, {"longer text", false}, {"abc", true}, {"", true}};
    for (const auto& c : cases) {
        mvaddch(20, 40, 'Z');
        setText(label, c.text);
        EXPECT_EQ(c.cleared ? ' ' : 'Z', cell(20, 40).character) << c.text;
    }

    std::unique_ptr<std::string> copy(label.text());
    *copy = "changed";
    copy.reset();
    EXPECT_EQ("", textOf(label));
}
