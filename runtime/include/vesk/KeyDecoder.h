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
/// Between the bracketed-paste markers ESC [ 200 ~ and ESC [ 201 ~ only
/// character events come out: control characters (line breaks included),
/// malformed UTF-8 and the ESC of any escape sequence are dropped, so pasted
/// text can never act as a key. A paste has no time limit, as the terminal
/// always ends it with its marker; until the marker comes, input is text.
///
/// Mouse reports, SGR (ESC [ < b ; x ; y M or m) and legacy (ESC [ M and
/// three raw bytes), become one mouse event each (see IsMouse). Drags, moves,
/// the horizontal wheel and extra buttons give no event; neither does a
/// malformed report nor one cut off by the delay: report bytes are never keys.
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
    /// pending sequence is resolved.
    void advance(std::chrono::milliseconds elapsed);

    /// True while bytes of an unfinished sequence wait for more input and
    /// will be resolved when the escape delay has passed (never in a paste).
    bool pending() const;
    /// True between the start and end markers of a bracketed paste.
    bool pasting() const { return paste; }
    /// Time left before a pending sequence is resolved; zero when none is pending.
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
    VESK_LOCAL void finishSequence(std::uint8_t final);
    VESK_LOCAL void stepSgrMouse(std::uint8_t byte);
    VESK_LOCAL void finishLegacyMouse();
    VESK_LOCAL void flushRaw();
    VESK_LOCAL void emit(std::int32_t code);

    std::chrono::milliseconds delay;
    std::chrono::milliseconds silence{0};
    State state = State::Ground;
    bool paste = false;
    // The SGR mouse report being read has gone wrong: it is swallowed up to
    // its final byte.
    bool spoiledReport = false;
    // Bytes of the unfinished escape or UTF-8 sequence; in a paste, of the
    // possible end marker or the unfinished UTF-8 sequence.
    std::string sequence;
    std::deque<Event> events;
};

}  // namespace IO
}  // namespace Vesk
