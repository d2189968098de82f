#pragma once

/// @file
/// The decoder of terminal key bytes into event codes.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "vesk/Event.h"
#include "vesk/Export.h"

namespace Vesk {
namespace IO {

/// Incremental decoder of terminal key bytes into event codes. It never reads
/// a clock: the caller feeds bytes and reports how much time has passed, so an
/// escape sequence or UTF-8 sequence that stops half-way is resolved after
/// `escapeDelay` of silence. Pure and deterministic; safe to drive from tests
/// and fuzzers.
///
/// A well-formed UTF-8 sequence becomes one character event (KeyCharacter plus
/// the code point); the bytes of a malformed or cut one come out one event
/// each, as their own values (0x80 to 0xFF), so nothing is lost.
///
/// Bracketed paste: ESC [ 200 ~ gives PasteBegin and ESC [ 201 ~ gives
/// PasteEnd; between them only character events and PasteLineBreak come out,
/// so pasted text can never act as a key. A line break (CR LF, CR or LF; a
/// CR LF split between two feeds still counts once) is one PasteLineBreak.
/// Other control characters, malformed UTF-8, C1 controls and every escape
/// sequence are dropped whole (ESC [ 31 m gives nothing, not "[31m"; nor
/// does a string such as a hyperlink's ESC ] 8 ; ; url ESC \, which runs to
/// BEL or ESC \ or up to the next escape sequence). A paste
/// whose end marker never comes ends after PasteTimeout (2 seconds) without a
/// byte: PasteEnd comes out and the bytes after it decode as keys again.
///
/// Mouse reports, SGR (ESC [ < b ; x ; y M or m) and legacy (ESC [ M and
/// three raw bytes), become one mouse event each (see IsMouse). Drags, moves,
/// the horizontal wheel and extra buttons give no event.
///
/// Malformed input is dropped whole and never takes the next real key:
/// - The bytes of a mouse report after its introducer (ESC [ < or ESC [ M)
///   come in one burst, as a terminal writes them. An SGR report runs to its
///   M or m; any other byte of 0x20 to 0x7E but digits and ';' spoils it,
///   and it gives no event. Any silence (time told to advance() between two
///   feeds) before the report's last byte cuts it: the
///   report is dropped and the bytes after the silence decode on their own,
///   so typing after a cut report never makes a click nor vanishes.
/// - A sequence whose body (between "ESC [" or "ESC O" and the final byte)
///   grows past MaxSequenceBody is dropped up to its final byte, under the
///   same one-burst rule.
/// - Any other sequence broken off by a byte it cannot hold (a control
///   character, ESC, a byte from 0x80), or left unfinished for the escape
///   delay, gives its bytes back one event each (ESC alone, Alt+key); a
///   report or a body past the limit is dropped instead.
class VESK_API KeyDecoder {
public:
    /// A decoder with nothing pending that waits `escapeDelay` of silence
    /// before it resolves a cut sequence; a negative delay is taken as 0.
    explicit KeyDecoder(std::chrono::milliseconds escapeDelay = std::chrono::milliseconds(25));

    /// Feeds bytes; every byte restarts the escape delay.
    void feed(const std::uint8_t* bytes, std::size_t count);
    /// Feeds the bytes of a string, as feed(const std::uint8_t*, std::size_t) does.
    void feed(const std::string& bytes);

    /// Reports that `elapsed` passed since the last feed or advance without
    /// input. Once the silence since the last byte reaches the escape delay, a
    /// pending sequence is resolved; once it reaches PasteTimeout, a paste ends.
    void advance(std::chrono::milliseconds elapsed);

    /// Input has ended (standard input was closed): what is pending is
    /// resolved at once, as if its time had passed (a paste ends with
    /// PasteEnd), then KeyEndOfInput comes out. The decoder is then empty of
    /// pending bytes and would decode new input from scratch.
    void endOfInput();

    /// True while the decoder waits for time: bytes of an unfinished sequence
    /// are resolved after the escape delay, a paste ends after PasteTimeout.
    bool pending() const;
    /// True between PasteBegin and PasteEnd.
    bool pasting() const { return paste; }
    /// Time left before a pending sequence is resolved or a paste ends; zero
    /// when nothing is pending.
    std::chrono::milliseconds timeLeft() const;

    /// Takes the next decoded event; false when there is none.
    bool next(Event& event);
    /// True when no decoded event waits to be taken by next().
    bool empty() const { return events.empty(); }

    /// The silence after which a cut sequence is resolved, as constructed.
    std::chrono::milliseconds escapeDelay() const { return delay; }

    /// The escape delay named by `text` (a positive number of milliseconds, as
    /// in the ESCDELAY environment variable of curses programs), or `fallback`
    /// when `text` is null, empty or not such a number.
    static std::chrono::milliseconds parseEscapeDelay(const char* text,
                                                      std::chrono::milliseconds fallback);

    /// Longest run of bytes between "ESC [" and the final byte that is still
    /// taken for a sequence.
    static constexpr std::size_t MaxSequenceBody = 32;
    /// Silence after which a paste without its end marker ends.
    static constexpr std::chrono::milliseconds PasteTimeout{2000};

private:
    enum class State : std::uint8_t {
        Ground,         // no sequence
        Escape,         // ESC
        Csi,            // ESC [ parameters and intermediates
        LinuxFunction,  // ESC [ [ (linux console F1-F5)
        Ss3,            // ESC O parameters
        MouseReport,    // ESC [ M and up to three raw report bytes
        SgrMouse,       // ESC [ < and the report's parameters
        Utf8,           // lead and continuation bytes of a UTF-8 sequence
    };

    VESK_LOCAL void step(std::uint8_t byte);
    VESK_LOCAL void stepPaste(std::uint8_t byte);
    VESK_LOCAL bool stepPasteEscape(std::uint8_t byte);
    VESK_LOCAL void endPaste();
    VESK_LOCAL void drop();
    VESK_LOCAL void finishSequence(std::uint8_t final);
    VESK_LOCAL void stepSgrMouse(std::uint8_t byte);
    VESK_LOCAL void finishLegacyMouse();
    VESK_LOCAL void flushRaw();
    VESK_LOCAL void emit(std::int32_t code);

    std::chrono::milliseconds delay;
    std::chrono::milliseconds silence{0};
    State state = State::Ground;
    bool paste = false;
    // The sequence being read has gone wrong (an SGR report with a foreign
    // byte, a body past the limit): it is dropped up to its final byte.
    bool spoiled = false;
    // The byte being decoded came after a silence (the first of its feed
    // after an advance).
    bool gap = false;
    // In a paste, the last byte was a CR: an LF right after it adds nothing.
    bool afterReturn = false;
    // Bytes of the unfinished escape or UTF-8 sequence; in a paste, of the
    // escape sequence being dropped (its head only) or the UTF-8 sequence.
    std::string sequence;
    std::deque<Event> events;
};

}  // namespace IO
}  // namespace Vesk
