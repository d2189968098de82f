#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "vesk/Format.h"

namespace {

template <typename... Args>
std::string format(const std::string& pattern, Args... args) {
    const std::unique_ptr<std::string> result(Vesk::String::Format(pattern, args...));
    return result ? *result : "<null>";
}

TEST(Format, FormatsTheLibrarysPatternsWithoutALengthLimit) {
    EXPECT_EQ(format("Screen dimensions: %d x %d %s", 80, 25, "characters"),
              "Screen dimensions: 80 x 25 characters");
    EXPECT_EQ(format("Event 0x%08X raised on %s", 0x1A2Bu, "Button"),
              "Event 0x00001A2B raised on Button");
    EXPECT_EQ(format("Forward navigation request in page 0x%p", reinterpret_cast<void*>(0xbeef)),
              "Forward navigation request in page 0x0xbeef");
    EXPECT_EQ(format("[%*s|%*s]", 4, "", 0, ""), "[    |]");
    EXPECT_EQ(format("%Lf/%Lf %.*Lf%%", 3.25L, 10.0L, 1, 99.5L), "3.250000/10.000000 99.5%");

    // 309 integer digits: 1e308L itself is a hair below 10^308 and has 308.
    char reference[400];
    std::snprintf(reference, sizeof(reference), "%Lf", 1.5e308L);
    EXPECT_EQ(format("%Lf", 1.5e308L), reference);
    EXPECT_EQ(std::string(reference).size(), 316u);
    const std::string longText(5000, 'x');
    EXPECT_EQ(format("[%s]", longText.c_str()), "[" + longText + "]");

    // The C locale cannot encode U+0100: an encoding error gives "".
    EXPECT_EQ(format("a%lsb", L"\u0100"), "");
}

}  // namespace
