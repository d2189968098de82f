#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "vesk/Event.h"
#include "vesk/Export.h"

namespace Vesk {
namespace IO {

// Incremental decoder of terminal key bytes into event codes. It never reads
// a clock: the caller feeds bytes and reports how much time has passed, so an
// escape sequence that stops half-way is resolved after `escapeDelay` of
// silence. Pure and deterministic; safe to drive from tests and fuzzers.
class VESK_API KeyDecoder {
public:
    explicit KeyDecoder(std::chrono::milliseconds escapeDelay = std::chrono::milliseconds(25));

    // Feeds bytes; every byte restarts the escape delay.
    void feed(const std::uint8_t* bytes, std::size_t count);
    void feed(const std::string& bytes);

    // Reports that `elapsed` passed since the last feed or advance without
    // input. Once the silence since the last byte reaches the escape delay, a
    // pending sequence is resolved.
    void advance(std::chrono::milliseconds elapsed);

    // True while bytes of an unfinished sequence wait for more input.
    bool pending() const;
    // Time left before a pending sequence is resolved; zero when none is pending.
    std::chrono::milliseconds timeLeft() const;

    // Takes the next decoded event; false when there is none.
    bool next(Event& event);
    bool empty() const { return events.empty(); }

    std::chrono::milliseconds escapeDelay() const { return delay; }

    // The escape delay named by `text` (a positive number of milliseconds, as
    // in the ESCDELAY environment variable of curses programs), or `fallback`
    // when `text` is null, empty or not such a number.
    static std::chrono::milliseconds parseEscapeDelay(const char* text,
                                                      std::chrono::milliseconds fallback);

    // Longest run of bytes between "ESC [" and the final byte that is still
    // taken for a sequence.
    static constexpr std::size_t MaxSequenceBody = 32;

private:
    enum class State : std::uint8_t {
        Ground,         // no sequence
        Escape,         // ESC
        Csi,            // ESC [ parameters and intermediates
        LinuxFunction,  // ESC [ [ (linux console F1-F5)
        Ss3,            // ESC O parameters
        MouseReport,    // ESC [ M and up to three raw report bytes
    };

    void step(std::uint8_t byte);
    void finishSequence(std::uint8_t final);
    void flushRaw();
    void emit(std::int32_t code);

    std::chrono::milliseconds delay;
    std::chrono::milliseconds silence{0};
    State state = State::Ground;
    std::string sequence;  // bytes of the unfinished escape sequence, ESC first
    std::deque<Event> events;
};

}  // namespace IO
}  // namespace Vesk
