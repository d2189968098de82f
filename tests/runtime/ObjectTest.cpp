#include <gtest/gtest.h>

#include "vesk/Object.h"

namespace {

struct Widget : Vesk::Object {
    explicit Widget(const char* name) { stamp(name, sizeof(Widget)); }
    char after[16] = "untouched";
};

// Names longer than the tag are cut, never written past it.
TEST(Object, StampCutsLongNames) {
    const Widget longName("AVeryLongClassNameIndeed");
    EXPECT_STREQ(longName.tag, "AVeryLongCl");
    EXPECT_STREQ(longName.after, "untouched");
    EXPECT_EQ(longName.size, static_cast<std::int32_t>(sizeof(Widget)));
    EXPECT_STREQ(Widget(nullptr).tag, "");
}

}  // namespace
