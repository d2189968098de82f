#include "testing/KeyBytes.h"

namespace Vesk {
namespace Forms {
namespace Testing {

namespace {

struct NamedKey {
    std::int32_t event;
    VTermKey key;
    VTermModifier modifiers;
};

// The library's Enter arrives as a line feed (curses' nl mode); both are the
// Enter key of a terminal.
constexpr NamedKey namedKeys[] = {
    {Vesk::KeyEnter, VTERM_KEY_ENTER, VTERM_MOD_NONE},
    {Vesk::KeyLineFeed, VTERM_KEY_ENTER, VTERM_MOD_NONE},
    {Vesk::KeyTab, VTERM_KEY_TAB, VTERM_MOD_NONE},
    {Vesk::KeyBackTab, VTERM_KEY_TAB, VTERM_MOD_SHIFT},
    {Vesk::KeyEscape, VTERM_KEY_ESCAPE, VTERM_MOD_NONE},
    {Vesk::KeyBackspace, VTERM_KEY_BACKSPACE, VTERM_MOD_NONE},
    {0x7F, VTERM_KEY_BACKSPACE, VTERM_MOD_NONE},
    {Vesk::KeyDelete, VTERM_KEY_DEL, VTERM_MOD_NONE},
    {Vesk::KeyUp, VTERM_KEY_UP, VTERM_MOD_NONE},
    {Vesk::KeyDown, VTERM_KEY_DOWN, VTERM_MOD_NONE},
    {Vesk::KeyAltDown, VTERM_KEY_DOWN, VTERM_MOD_ALT},
    {Vesk::KeyLeft, VTERM_KEY_LEFT, VTERM_MOD_NONE},
    {Vesk::KeyRight, VTERM_KEY_RIGHT, VTERM_MOD_NONE},
    {Vesk::KeyHome, VTERM_KEY_HOME, VTERM_MOD_NONE},
    {Vesk::KeyEnd, VTERM_KEY_END, VTERM_MOD_NONE},
    {Vesk::KeyPreviousPage, VTERM_KEY_PAGEUP, VTERM_MOD_NONE},
    {Vesk::KeyNextPage, VTERM_KEY_PAGEDOWN, VTERM_MOD_NONE},
    {Vesk::KeyF10, static_cast<VTermKey>(VTERM_KEY_FUNCTION(10)), VTERM_MOD_NONE},
};

}  // namespace

bool keyStrokeOf(Vesk::Event event, KeyStroke& stroke) {
    for (const NamedKey& named : namedKeys) {
        if (named.event == event) {
            stroke = KeyStroke{named.key, named.modifiers, 0};
            return true;
        }
    }
    if (Vesk::IsCharacter(event)) {
        stroke = KeyStroke{VTERM_KEY_NONE, VTERM_MOD_NONE, Vesk::CodePoint(event)};
        return true;
    }
    // Other control codes go as they are (Ctrl and a letter).
    if (event >= 0 && event < 0x80) {
        stroke = KeyStroke{VTERM_KEY_NONE, VTERM_MOD_NONE, static_cast<std::uint32_t>(event)};
        return true;
    }
    return false;
}

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
