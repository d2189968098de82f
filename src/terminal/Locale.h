#pragma once

namespace Vesk {
namespace Forms {
namespace detail {

    // A host that never called setlocale runs in the "C" locale, where curses
    // can show no character beyond ASCII. The session then takes the
    // environment's character type for its lifetime; a locale the host chose
    // is left alone.
    void adoptCharacterType();

    // Puts back the character type that adoptCharacterType found; does
    // nothing when it changed none.
    void restoreCharacterType();

    // Whether the session's characters are UTF-8, decided by the last
    // adoptCharacterType.
    bool unicodeScreen();

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
