#include <gtest/gtest.h>

#include "vesk/Object.h"

namespace {

struct Widget : Vesk::Object {
    explicit Widget(const char* name) { stamp(name, sizeof(Widget)); }
    char after[16] = "untouched";
};

}  // namespace

TEST(Object, StampSetsTagAndSizeCuttingLongNames) {
    const Vesk::Object plain;
    EXPECT_STREQ(plain.tag, "Object");
    EXPECT_EQ(plain.size, static_cast<std::int32_t>(sizeof(Vesk::Object)));
    const Widget button("Button");
    EXPECT_STREQ(button.tag, "Button");
    EXPECT_EQ(button.size, static_cast<std::int32_t>(sizeof(Widget)));
    const Widget longName("AVeryLongClassNameIndeed");
    EXPECT_STREQ(longName.tag, "AVeryLongCl");
    EXPECT_STREQ(longName.after, "untouched");
    EXPECT_STREQ(Widget(nullptr).tag, "");
}
