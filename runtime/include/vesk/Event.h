#pragma once

/// @file
/// Event codes of keys, characters, mouse reports and painting, and the
/// helpers that read them.

#include <cstdint>

namespace Vesk {

/// Event codes exchanged between the keyboard reader, the host and the
/// controls. Keys outside this table arrive as 0x00020000 plus their ncurses
/// key code, or as their own byte value for ASCII and for bytes that are not
/// UTF-8. A character from U+0080 up arrives as KeyCharacter plus its code point.
/// The library's own codes that are not keys (UpdateView, PasteBegin and the
/// others) lie from 0x00010000 to 0x0001FFFF; a host's own events use
/// 0x00030000 to 0x00FFFFFF.
enum Event : std::int32_t {
    /// Tab: moves the focus to the next control of the page.
    KeyTab = 0x00000009,
    /// Line feed (Ctrl+J); a button's click handler receives it.
    KeyLineFeed = 0x0000000A,
    /// Enter (carriage return).
    KeyEnter = 0x0000000D,
    /// Escape, alone (not the start of a longer key's sequence).
    KeyEscape = 0x0000001B,
    /// Paint: raised on a control to draw it (see Control::paint).
    UpdateView = 0x00010000,
    /// In a handler table: receives every character event (see IsCharacter)
    /// that has no handler of its own. Never raised itself.
    AnyCharacter = 0x00010001,
    /// In a handler table: receives every mouse event (see IsMouse) that has
    /// no handler of its own. Never raised itself.
    AnyMouse = 0x00010002,
    /// Down arrow (ncurses KEY_DOWN).
    KeyDown = 0x00020102,
    /// Up arrow (ncurses KEY_UP).
    KeyUp = 0x00020103,
    /// Left arrow (ncurses KEY_LEFT).
    KeyLeft = 0x00020104,
    /// Right arrow (ncurses KEY_RIGHT).
    KeyRight = 0x00020105,
    KeyHome = 0x00020106,       ///< ncurses KEY_HOME (0406)
    KeyBackspace = 0x00020107,  ///< ncurses KEY_BACKSPACE; terminals mostly send 0x7F or 0x08
    KeyF10 = 0x00020112,        ///< ncurses KEY_F(10)
    KeyDelete = 0x0002014A,     ///< ncurses KEY_DC (0512)
    /// Page Down (ncurses KEY_NPAGE).
    KeyNextPage = 0x00020152,
    /// Page Up (ncurses KEY_PPAGE).
    KeyPreviousPage = 0x00020153,
    /// Shift+Tab (ncurses KEY_BTAB): moves the focus to the previous control.
    KeyBackTab = 0x0002015F,
    KeyEnd = 0x00020168,  ///< ncurses KEY_END (0550)
    /// The terminal changed size (or must be drawn again in full).
    KeyResize = 0x0002019A,
    /// Starts a bracketed paste: the character events up to PasteEnd were
    /// pasted, not typed. Inside a paste a line break (CR LF, CR or LF) is one
    /// PasteLineBreak (U+000A by CodePoint, see IsPasteCharacter), never
    /// KeyEnter; other control characters and escape sequences are dropped.
    /// Neither marker is a character or a mouse event: hosts that ignore them
    /// see the pasted characters only.
    PasteBegin = 0x00010003,
    /// Ends a bracketed paste: the terminal's end marker came, or no byte came
    /// for two seconds (IO::KeyDecoder::PasteTimeout) after the last one.
    PasteEnd = 0x00010004,
    /// Standard input reached its end (closed pipe, /dev/null, hung-up
    /// terminal). Raised once; nothing else arrives from the keyboard after it.
    KeyEndOfInput = 0x00010005,
    /// Alt+Down arrow (xterm's ESC [ 1 ; 3 B): opens a drop-down list. Outside
    /// the ncurses numbering, whose code for it differs from terminal to terminal.
    KeyAltDown = 0x00021102,
    /// Added to a code point from U+0080 up to form its character event.
    KeyCharacter = 0x01000000,
};

/// Offset added to an ncurses key code to form its event code.
constexpr std::int32_t KeyCodeBase = 0x00020000;

/// True for a character event: printable ASCII (0x20 to 0x7E) as its own code,
/// or KeyCharacter plus a code point from U+0080 to U+10FFFF that is not a
/// surrogate. Control characters, keys and bytes that were not UTF-8 are not.
constexpr bool IsCharacter(std::int32_t event) {
    if (event >= 0x20 && event <= 0x7E) {
        return true;
    }
    if (event < KeyCharacter + 0x80 || event > KeyCharacter + 0x10FFFF) {
        return false;
    }
    const std::int32_t code = event - KeyCharacter;
    return code < 0xD800 || code > 0xDFFF;
}

/// The line break of a paste: only sent between PasteBegin and PasteEnd.
/// Not a character event of IsCharacter, so a control that ignores pastes
/// never takes it for typed text.
constexpr std::int32_t PasteLineBreak = KeyCharacter + 0x0A;

/// True for the line break of a paste (see PasteLineBreak).
constexpr bool IsPasteCharacter(std::int32_t event) { return event == PasteLineBreak; }

/// The code point of a character event (U+000A for PasteLineBreak); 0 for
/// any other event.
constexpr char32_t CodePoint(std::int32_t event) {
    if (IsPasteCharacter(event)) {
        return U'\n';
    }
    if (!IsCharacter(event)) {
        return 0;
    }
    return static_cast<char32_t>(event < KeyCharacter ? event : event - KeyCharacter);
}

/// The character event of `character`; 0 (no character event) for a code
/// point that has none: a control character, a surrogate or one past U+10FFFF.
constexpr std::int32_t CharacterEvent(char32_t character) {
    if (character < 0x80) {
        return IsCharacter(static_cast<std::int32_t>(character))
                   ? static_cast<std::int32_t>(character)
                   : 0;
    }
    if (character > 0x10FFFF) {
        return 0;
    }
    const std::int32_t event = KeyCharacter + static_cast<std::int32_t>(character);
    return IsCharacter(event) ? event : 0;
}

/// The button of a mouse event, or the direction of a wheel notch.
///
/// Mouse events. One event code holds a button press or release, or a wheel
/// notch, with its modifiers and the zero-based cell:
///
///     MouseBase | kind << 27 | modifiers << 24 | row << 12 | column
///
/// kind: 0 left press, 1 left release, 2 middle press, 3 middle release,
/// 4 right press, 5 right release, 6 wheel up, 7 wheel down. The codes lie
/// above every key and character code, so no key is ever taken for one.
enum class MouseButton : std::int32_t {
    Left,      ///< The left button.
    Middle,    ///< The middle button.
    Right,     ///< The right button.
    WheelUp,   ///< A wheel notch away from the user (scrolls up).
    WheelDown  ///< A wheel notch towards the user (scrolls down).
};
/// The base of every mouse event code (see IsMouse).
constexpr std::int32_t MouseBase = 0x40000000;
/// Modifier bits of a mouse event, as MouseModifiers gives them.
constexpr std::int32_t MouseShift = 1,  ///< Shift was held.
    MouseAlt = 2,                       ///< Alt (Meta) was held.
    MouseCtrl = 4;                      ///< Ctrl was held.
/// Largest row or column a mouse event carries; larger ones are clamped to it.
constexpr int MouseMaxCell = 4095;

/// True for a mouse event.
constexpr bool IsMouse(std::int32_t event) {
    return (static_cast<std::uint32_t>(event) & 0xC0000000u) == 0x40000000u;
}

/// The button (or wheel direction) of a mouse event; Left for any other event.
constexpr MouseButton MouseButtonOf(std::int32_t event) {
    if (!IsMouse(event)) {
        return MouseButton::Left;
    }
    const int kind = event >> 27 & 7;
    return kind >= 6 ? static_cast<MouseButton>(kind - 3) : static_cast<MouseButton>(kind / 2);
}

/// True for a press or a wheel notch; false for a release and any other event.
constexpr bool MousePressed(std::int32_t event) {
    if (!IsMouse(event)) {
        return false;
    }
    const int kind = event >> 27 & 7;
    return kind >= 6 || kind % 2 == 0;
}

/// MouseShift, MouseAlt and MouseCtrl or-ed together; 0 for any other event.
constexpr int MouseModifiers(std::int32_t event) {
    return IsMouse(event) ? event >> 24 & 7 : 0;
}

/// The zero-based screen row of a mouse event; -1 for any other event.
constexpr int MouseRow(std::int32_t event) {
    return IsMouse(event) ? event >> 12 & 0xFFF : -1;
}

/// The zero-based screen column of a mouse event; -1 for any other event.
constexpr int MouseColumn(std::int32_t event) {
    return IsMouse(event) ? event & 0xFFF : -1;
}

/// The mouse event of `button` (`pressed` is ignored for the wheel, which only
/// has notches), `modifiers` (bits past MouseCtrl ignored) at row and column,
/// each clamped to 0..MouseMaxCell.
constexpr std::int32_t MouseEvent(MouseButton button, bool pressed, int modifiers, int row,
                                  int column) {
    const int b = static_cast<int>(button);
    const int kind =
        (b >= static_cast<int>(MouseButton::WheelUp) ? b + 3 : b * 2 + (pressed ? 0 : 1)) & 7;
    const auto clamp = [](int cell) {
        return cell < 0 ? 0 : (cell > MouseMaxCell ? MouseMaxCell : cell);
    };
    return MouseBase | kind << 27 | (modifiers & 7) << 24 | clamp(row) << 12 | clamp(column);
}

}  // namespace Vesk
