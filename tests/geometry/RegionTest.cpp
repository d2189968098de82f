#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Point.h"
#include "forms/Region.h"

using namespace Vesk::Forms;

namespace {

std::string locate(Region& region) {
    std::unique_ptr<Point> point(region.location());
    return std::to_string(point->row) + "," + std::to_string(point->column) + " " + point->tag;
}

}  // namespace

// Each ancestor adds its position and an L to the tag, up to its 12 bytes.
TEST(Region, LocationAddsPositionsAndMarksEachAncestorWithinTheTag) {
    std::vector<std::unique_ptr<Region>> chain;
    for (int i = 0; i < 15; ++i) {
        chain.push_back(std::make_unique<Region>());
        chain[i]->position(i == 0 ? 3 : 1, i == 0 ? 5 : i);
        chain[i]->parent(i == 0 ? nullptr : chain[i - 1].get());
    }
    std::unique_ptr<Point> copy(chain[0]->position());
    copy->row = 9;
    EXPECT_EQ("3,5 p", locate(*chain[0]));
    EXPECT_EQ("4,6 pL", locate(*chain[1]));
    EXPECT_EQ("5,8 pLL", locate(*chain[2]));
    EXPECT_EQ("17,110 pLLLLLLLLLL", locate(*chain[14]));
    EXPECT_EQ(nullptr, chain[14]->parent(nullptr));
    EXPECT_EQ("1,14 p", locate(*chain[14]));
}

// Sums past the 32 bits of a point are clamped, never wrapped round to the
// other side of the screen.
TEST(Region, LocationClampsSumsBeyondThirtyTwoBits) {
    const int most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
    // clang-format off
    const struct { int top, middle, bottom; int expected; } cases[] = {
        {most, 1, 0, most}, {least, -1, 0, least}, {most, most, least, most - 1},
        {most, 1, -2, most - 1}, {least, least, most, least}, {most, least, 5, 4},
    };
    // clang-format on
    for (const auto& c : cases) {
        Region top, middle, bottom;
        middle.parent(&top);
        bottom.parent(&middle);
        top.position(c.top, -c.top / 2);
        middle.position(c.middle, -c.middle / 2);
        bottom.position(c.bottom, -c.bottom / 2);
        std::unique_ptr<Point> point(bottom.location());
        EXPECT_EQ(c.expected, point->row) << c.top << " " << c.middle << " " << c.bottom;
        const long long column = -static_cast<long long>(c.top / 2) - c.middle / 2 - c.bottom / 2;
        EXPECT_EQ(std::clamp<long long>(column, least, most), point->column);
    }
}

TEST(Region, OverflowRefusesAllButHiddenAndVisible) {
    Region region;
    EXPECT_EQ(Visible, region.overflow(Visible));
    for (int value : {2, 3, -1, 1 << 30}) {
        std::string message = "(nothing thrown)";
        try {
            region.overflow(static_cast<OverflowStyle>(value));
        } catch (std::invalid_argument* error) {
            message = error->what();
            delete error;
        }
        EXPECT_EQ("Cannot scroll Region.", message) << value;
        EXPECT_EQ(Visible, region.overflow());
    }
}

// Destroying either side of a parent link leaves no pointer to the dead one
// (AddressSanitizer reports any use).
TEST(Region, ParentLinksSurviveRelinkingAndDestructionInBothOrders) {
    auto parent = std::make_unique<Region>();
    auto other = std::make_unique<Region>();
    auto child = std::make_unique<Region>();
    auto sibling = std::make_unique<Region>();
    child->position(1, 1);
    child->parent(parent.get());
    sibling->parent(parent.get());
    EXPECT_EQ(other.get(), child->parent(other.get()));
    child->parent(parent.get());
    child->parent(parent.get());
    other.reset();
    EXPECT_EQ(parent.get(), child->parent());
    sibling.reset();
    parent.reset();
    EXPECT_EQ(nullptr, child->parent());
    EXPECT_EQ("1,1 p", locate(*child));

    parent = std::make_unique<Region>();
    child->parent(parent.get());
    child.reset();
    sibling = std::make_unique<Region>();
    sibling->parent(parent.get());
    parent.reset();
    EXPECT_EQ(nullptr, sibling->parent());

    // A link that would close the chain into a ring is refused, so walks up
    // the chain always end.
    Region top, middle, bottom;
    middle.parent(&top);
    bottom.parent(&middle);
    EXPECT_EQ(nullptr, top.parent(&bottom));
    EXPECT_EQ(nullptr, top.parent(&top));
    EXPECT_EQ(nullptr, top.parent());
    EXPECT_EQ("0,0 pLL", locate(bottom));
}
