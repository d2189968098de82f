#pragma once

// Drives a KeyDecoder with input read as a mix of byte chunks and time steps
// and checks what must hold for any input. Shared by the fuzzer and the test
// that replays its corpus.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "vesk/KeyDecoder.h"

namespace Vesk {
namespace Fuzz {

struct KeyDecoderOutcome {
    const char* failure = nullptr;  // the invariant that broke, null when none
    std::size_t bytes = 0;          // bytes fed
    std::size_t events = 0;         // events decoded
};

// Input layout: one byte choosing the escape delay (1 to 64 ms), then chunks,
// each a control byte c followed by 1 + c % 8 bytes to feed, after which
// 2 * (c / 8) ms (0 to 62) pass in silence. A short last chunk is fed as is.
inline KeyDecoderOutcome DriveKeyDecoder(const std::uint8_t* data, std::size_t size) {
    using std::chrono::milliseconds;
    KeyDecoderOutcome outcome;
    if (size == 0) {
        return outcome;
    }
    const milliseconds delay(1 + data[0] % 64);
    IO::KeyDecoder whole(delay);
    IO::KeyDecoder split(delay);  // the same input one byte per feed
    std::string fed;

    for (std::size_t at = 1; at < size;) {
        const std::uint8_t control = data[at++];
        std::size_t length = 1 + control % 8;
        if (length > size - at) {
            length = size - at;
        }
        whole.feed(data + at, length);
        for (std::size_t i = 0; i < length; ++i) {
            split.feed(data + at + i, 1);
        }
        fed.append(reinterpret_cast<const char*>(data + at), length);
        at += length;

        const milliseconds step(2 * (control / 8));
        const milliseconds before = whole.timeLeft();
        whole.advance(step);
        split.advance(step);
        if (whole.pending() != split.pending() || whole.timeLeft() != split.timeLeft()) {
            outcome.failure = "feeding byte by byte changed the pending state";
            return outcome;
        }
        if (whole.pending() != (whole.timeLeft() > milliseconds(0)) || whole.timeLeft() > delay) {
            outcome.failure = "timeLeft disagrees with pending";
            return outcome;
        }
        if (whole.pending() && step >= before) {
            outcome.failure = "a sequence outlived its escape delay";
            return outcome;
        }
    }
    outcome.bytes = fed.size();

    whole.advance(delay);
    split.advance(delay);
    if (whole.pending() || whole.timeLeft() != milliseconds(0)) {
        outcome.failure = "still pending after the escape delay";
        return outcome;
    }

    std::vector<std::int32_t> events;
    for (Event event; whole.next(event);) {
        events.push_back(event);
    }
    outcome.events = events.size();
    if (!whole.empty()) {
        outcome.failure = "not empty after draining";
        return outcome;
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        Event event;
        if (!split.next(event) || event != events[i]) {
            outcome.failure = "feeding byte by byte changed the events";
            return outcome;
        }
    }
    if (!split.empty()) {
        outcome.failure = "feeding byte by byte gave more events";
        return outcome;
    }

    for (std::int32_t code : events) {
        const bool byte = code >= 0 && code <= 0xFF;
        const bool key = code >= KeyCodeBase && code < KeyCodeBase + 0x200;
        if (!byte && !key) {
            outcome.failure = "event code out of range";
            return outcome;
        }
    }
    if (events.size() > fed.size()) {
        outcome.failure = "more events than bytes";
        return outcome;
    }
    // Everything before the first ESC is plain input and comes out unchanged.
    const std::size_t plain = fed.find('\x1b') == std::string::npos ? fed.size() : fed.find('\x1b');
    if (plain == fed.size() && events.size() != fed.size()) {
        outcome.failure = "input without ESC lost or gained events";
        return outcome;
    }
    for (std::size_t i = 0; i < plain; ++i) {
        if (events.size() <= i || events[i] != static_cast<std::uint8_t>(fed[i])) {
            outcome.failure = "a plain byte did not come out as itself";
            return outcome;
        }
    }
    return outcome;
}

}  // namespace Fuzz
}  // namespace Vesk
