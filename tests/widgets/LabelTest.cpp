#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/Label.h"
#include "geometry/PaintedScreen.h"

using namespace Vesk::Forms;
using LabelPaint = VeskTest::PaintedScreen;

namespace {

// The label hands out copies for the caller to delete.
void setText(Label& label, const std::string& value) {
    std::unique_ptr<std::string> copy(label.text(value));
    EXPECT_EQ(value, *copy);
}

}  // namespace

TEST_F(LabelPaint, TextIsCutToTheLabelAndToAClippingParent) {
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
    for (const auto& c : cases) {
        dots();
        Label label;
        label.parent(parentOf(c.parent));
        label.position(c.parent == NoParent ? 3 : 1, c.column);
        label.width(c.width);
        setText(label, c.text);
        EXPECT_TRUE(label.paint());
        const std::string where = c.text + " at " + std::to_string(c.column);
        expectOnly(
            c.shown.empty() ? std::vector<Line>{} : std::vector<Line>{{3, c.shownAt, c.shown}},
            where);
        if (!c.shown.empty()) {
            EXPECT_EQ(16 * BrightBlack + Black + 1, cell(3, c.shownAt).pair) << where;
            EXPECT_FALSE(cell(3, c.shownAt).reverse) << where;
        }
    }
}

TEST_F(LabelPaint, OnlyAShorterTextClearsTheScreen) {
    Label label;
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
    EXPECT_EQ("", *copy);
}
