#include <gtest/gtest.h>

#include "controls/Probes.h"
#include "vesk/Event.h"
#include "vesk/Format.h"

using namespace ControlsTest;
using CharacterRouting = VeskTest::PseudoTerminal;

namespace {

int own(int event, void* control) {
    calls.emplace_back(-event, control);
    return 2;
}

}  // namespace

// A control with an AnyCharacter handler takes every character event it has
// no handler of its own for, through the page and through a container, with
// the character's code; the dispatch is logged under that code.
TEST_F(CharacterRouting, AnyCharacterTakesEveryCharacterWithoutItsOwnHandler) {
    ASSERT_TRUE(Session::start(Session::Verbose));
    Page page;
    Container box;
    Probe field;
    page.attachChild(&box);
    box.attachChild(&field);
    field.attachHandler(Vesk::AnyCharacter, record);
    field.attachHandler('q', own);
    page.activeControl(&field);
    answer = 1;
    const int K = Vesk::KeyCharacter;
    // clang-format off
    const struct { int event; bool handled; int seen; } cases[] = {
        {'a', true, 'a'}, {' ', true, ' '}, {'~', true, '~'}, {'q', true, -'q'},
        {K + 0xE9, true, K + 0xE9}, {K + 0x6F22, true, K + 0x6F22}, {K + 0x1F600, true, K + 0x1F600},
        {K + 0x85, true, K + 0x85}, {K + 0x10FFFF, true, K + 0x10FFFF},
        {0x1F, false, 0}, {0x7F, false, 0}, {0x0D, false, 0}, {K + 0xD800, false, 0},
        {K + 0x110000, false, 0}, {K + 0x41, false, 0}, {0xE9, false, 0}, {Vesk::KeyHome, false, 0}};
    // clang-format on
    Lines expected;
    for (const auto& c : cases) {
        EXPECT_EQ(c.handled, field.handles(c.event)) << std::hex << c.event;
        for (Control* via : List{&page, &box}) {
            calls.clear();
            const int result = via == &page ? page.raiseEvent(c.event) : box.raiseEvent(c.event);
            EXPECT_EQ(c.handled ? (c.seen < 0 ? 2 : 1) : 0, result) << std::hex << c.event;
            EXPECT_EQ(c.handled ? Calls({{c.seen, &field}}) : Calls(), calls)
                << std::hex << c.event;
            if (c.handled) {
                std::unique_ptr<std::string> line(Vesk::String::Format(
                    "Event 0x%08X raised on Vqrm1Contrl", static_cast<unsigned int>(c.event)));
                expected.push_back(*line);
            }
        }
    }
    // Without the AnyCharacter handler, characters are no longer its.
    field.detachHandler(Vesk::AnyCharacter);
    EXPECT_FALSE(field.handles('a') || field.handles(K + 0xE9));
    EXPECT_TRUE(field.handles('q'));
    Session::stop();
    EXPECT_EQ(expected, routingLines());
}
