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

TEST(Event, PacksAndReadsMouseEvents) {
    using B = MouseButton;
    const struct {
        B button;
        bool pressed;
        int modifiers, row, column;
        std::int32_t code;
        B readButton;  // what the event gives back
        bool readPressed;
        int readModifiers, readRow, readColumn;
    } rows[] = {
        {B::Left, true, 0, 0, 0, 0x40000000, B::Left, true, 0, 0, 0},
        {B::Left, false, MouseShift, 1, 2, 0x49001002, B::Left, false, 1, 1, 2},
        {B::Middle, true, MouseAlt, 24, 80, 0x52018050, B::Middle, true, 2, 24, 80},
        {B::Middle, false, 0, 0, 0, 0x58000000, B::Middle, false, 0, 0, 0},
        {B::Right, true, 0, 4095, 4095, 0x60FFFFFF, B::Right, true, 0, 4095, 4095},
        {B::Right, false, MouseCtrl, 7, 9, 0x6C007009, B::Right, false, 4, 7, 9},
        // The wheel only has notches; bits past Ctrl and cells out of range are cut.
        {B::WheelUp, false, 8 | MouseShift, -1, 4096, 0x71000FFF, B::WheelUp, true, 1, 0, 4095},
        {B::WheelDown, true, 7, 1 << 30, -(1 << 30), 0x7FFFF000, B::WheelDown, true, 7, 4095, 0},
        {B::WheelDown, true, 7, 4095, 4095, 0x7FFFFFFF, B::WheelDown, true, 7, 4095, 4095},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        const std::int32_t event =
            MouseEvent(row.button, row.pressed, row.modifiers, row.row, row.column);
        EXPECT_EQ(event, row.code);
        EXPECT_TRUE(IsMouse(event));
        EXPECT_FALSE(IsCharacter(event));
        EXPECT_EQ(MouseButtonOf(event), row.readButton);
        EXPECT_EQ(MousePressed(event), row.readPressed);
        EXPECT_EQ(MouseModifiers(event), row.readModifiers);
        EXPECT_EQ(MouseRow(event), row.readRow);
        EXPECT_EQ(MouseColumn(event), row.readColumn);
    }
    // No key, character or other code is a mouse event, nor reads as one.
    const std::int32_t others[] = {0,
                                   'a',
                                   KeyEnter,
                                   KeyResize,
                                   KeyCharacter + 0x10FFFF,
                                   MouseBase - 1,
                                   -1,
                                   std::numeric_limits<std::int32_t>::min(),
                                   static_cast<std::int32_t>(0xC0000000u)};
    for (std::int32_t other : others) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(IsMouse(other));
        EXPECT_FALSE(MousePressed(other));
        EXPECT_EQ(MouseModifiers(other), 0);
        EXPECT_EQ(MouseRow(other), -1);
        EXPECT_EQ(MouseColumn(other), -1);
    }
    static_assert(MouseRow(MouseEvent(MouseButton::Right, true, 0, 3, 4)) == 3,
                  "usable in constant expressions");
}

}  // namespace
