#pragma once

// Which key of the emulator's keyboard sends an event.

#include <vterm.h>

#include <cstdint>

#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
namespace Testing {

struct KeyStroke {
    // VTERM_KEY_NONE for a character.
    VTermKey key = VTERM_KEY_NONE;
    VTermModifier modifiers = VTERM_MOD_NONE;
    std::uint32_t character = 0;
};

// False for an event no key sends.
bool keyStrokeOf(Vesk::Event event, KeyStroke& stroke);

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
