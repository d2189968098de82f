#include "vesk/Event.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using namespace Vesk;

TEST(Event, TellsCharactersFromOtherEvents) {
    const struct {
        std::int32_t event;
        char32_t codePoint;  // 0 when the event is no character
    } rows[] = {
        {' ', U' '},
        {'a', U'a'},
        {'~', U'~'},
        {0x1F, 0},
        {0x7F, 0},
        {KeyTab, 0},
        {KeyEnter, 0},
        {0xE9, 0},
        {0xFF, 0},  // bytes that were not UTF-8
        {KeyUp, 0},
        {KeyF10, 0},
        {AnyCharacter, 0},
        {UpdateView, 0},
        {-1, 0},
        {std::numeric_limits<std::int32_t>::min(), 0},
        {std::numeric_limits<std::int32_t>::max(), 0},
        {KeyCharacter, 0},
        {KeyCharacter + 'a', 0},  // ASCII has its own codes only
        {KeyCharacter + 0x80, 0x80},
        {KeyCharacter + 0xE9, U'é'},
        {KeyCharacter + 0x6F22, U'漢'},
        {KeyCharacter + 0xD7FF, 0xD7FF},
        {KeyCharacter + 0xD800, 0},
        {KeyCharacter + 0xDFFF, 0},
        {KeyCharacter + 0xE000, 0xE000},
        {KeyCharacter + 0x1F600, U'😀'},
        {KeyCharacter + 0x10FFFF, 0x10FFFF},
        {KeyCharacter + 0x110000, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.event);
        EXPECT_EQ(IsCharacter(row.event), row.codePoint != 0);
        EXPECT_EQ(CodePoint(row.event), row.codePoint);
        if (row.codePoint != 0) {
            EXPECT_EQ(CharacterEvent(row.codePoint), row.event);
        }
    }
    for (char32_t none : {U'\0', U'\t', U'\n', char32_t(0x7F), char32_t(0xD800), char32_t(0xDFFF),
                          char32_t(0x110000), char32_t(0xFFFFFFFF)}) {
        EXPECT_EQ(CharacterEvent(none), 0) << static_cast<std::uint32_t>(none);
    }
    static_assert(CodePoint(CharacterEvent(U'漢')) == U'漢', "usable in constant expressions");
}

}  // namespace
