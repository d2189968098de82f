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
#include "vesk/Utf8.h"

namespace Vesk {
namespace Fuzz {

struct KeyDecoderOutcome {
    const char* failure = nullptr;  // the invariant that broke, null when none
    std::size_t bytes = 0;          // bytes fed
    std::size_t events = 0;         // events decoded
};

// Appends the bytes an event stands for when it is a plain byte or a
// character (UTF-8); false for any other event.
inline bool AppendBytesOf(std::int32_t event, std::string& bytes) {
    if (event >= 0 && event <= 0xFF) {
        bytes.push_back(static_cast<char>(event));
        return true;
    }
    if (!IsCharacter(event)) {
        return false;
    }
    bytes += EncodeUtf8(CodePoint(event));
    return true;
}

// Text a paste may deliver: printable ASCII or a character past the C1 controls.
inline bool IsPastedText(std::int32_t event) {
    return IsCharacter(event) && (event < 0x80 || CodePoint(event) >= 0xA0);
}

// Whether the markers of pastes in `events` pair up (PasteBegin, then
// PasteEnd) and line breaks of a paste come only between them.
inline bool PastesPairUp(const std::vector<std::int32_t>& events) {
    bool inside = false;
    for (std::int32_t event : events) {
        if (event == PasteBegin || event == PasteEnd) {
            if (inside != (event == PasteEnd)) {
                return false;
            }
            inside = !inside;
        } else if (IsPasteCharacter(event) && !inside) {
            return false;
        }
    }
    return !inside;
}

// Input layout: one byte choosing the escape delay (1 to 64 ms), then chunks,
// each a control byte c followed by 1 + c % 8 bytes to feed, after which
// 2 * (c / 8) ms (0 to 60) pass in silence, or the paste timeout when
// c / 8 is 31. A short last chunk is fed as is. Then input ends.
inline KeyDecoderOutcome DriveKeyDecoder(const std::uint8_t* data, std::size_t size) {
    using std::chrono::milliseconds;
    KeyDecoderOutcome outcome;
    if (size == 0) {
        return outcome;
    }
    const milliseconds delay(1 + data[0] % 64);
    IO::KeyDecoder whole(delay);
    IO::KeyDecoder split(delay);  // the same input one byte per feed
    std::vector<std::int32_t> splitEvents;
    std::string fed;

    for (std::size_t at = 1; at < size;) {
        const std::uint8_t control = data[at++];
        std::size_t length = 1 + control % 8;
        if (length > size - at) {
            length = size - at;
        }
        whole.feed(data + at, length);
        for (std::size_t i = 0; i < length; ++i) {
            const bool wasPasting = split.pasting();
            split.feed(data + at + i, 1);
            const std::size_t first = splitEvents.size();
            for (Event event; split.next(event);) {
                splitEvents.push_back(event);
            }
            // A byte that neither ends nor starts a paste inside one gives
            // text and line breaks only.
            for (std::size_t e = first; wasPasting && split.pasting() && e < splitEvents.size();
                 ++e) {
                if (!IsPastedText(splitEvents[e]) && !IsPasteCharacter(splitEvents[e])) {
                    outcome.failure = "a paste delivered something other than text";
                    return outcome;
                }
            }
        }
        fed.append(reinterpret_cast<const char*>(data + at), length);
        at += length;

        const milliseconds step =
            control / 8 == 31 ? IO::KeyDecoder::PasteTimeout : milliseconds(2 * (control / 8));
        const milliseconds before = whole.timeLeft();
        whole.advance(step);
        split.advance(step);
        for (Event event; split.next(event);) {
            splitEvents.push_back(event);
        }
        if (whole.pending() != split.pending() || whole.timeLeft() != split.timeLeft() ||
            whole.pasting() != split.pasting()) {
            outcome.failure = "feeding byte by byte changed the pending state";
            return outcome;
        }
        if (whole.pasting() && !whole.pending()) {
            outcome.failure = "a paste does not wait for its timeout";
            return outcome;
        }
        const milliseconds limit = whole.pasting() ? IO::KeyDecoder::PasteTimeout : delay;
        if (whole.pending() != (whole.timeLeft() > milliseconds(0)) || whole.timeLeft() > limit) {
            outcome.failure = "timeLeft disagrees with pending";
            return outcome;
        }
        if (whole.pending() && step >= before) {
            outcome.failure = "a sequence outlived its escape delay";
            return outcome;
        }
    }
    outcome.bytes = fed.size();

    whole.endOfInput();
    split.endOfInput();
    for (Event event; split.next(event);) {
        splitEvents.push_back(event);
    }
    if (whole.pending() || whole.timeLeft() != milliseconds(0)) {
        outcome.failure = "still pending after the end of input";
        return outcome;
    }

    std::vector<std::int32_t> events;
    for (Event event; whole.next(event);) {
        events.push_back(event);
    }
    if (events.empty() || events.back() != KeyEndOfInput) {
        outcome.failure = "the end of input did not come last";
        return outcome;
    }
    events.pop_back();
    splitEvents.pop_back();  // the same, or the comparison below tells
    outcome.events = events.size();
    if (!whole.empty()) {
        outcome.failure = "not empty after draining";
        return outcome;
    }
    if (splitEvents.size() < events.size()) {
        outcome.failure = "feeding byte by byte gave fewer events";
        return outcome;
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (splitEvents[i] != events[i]) {
            outcome.failure = "feeding byte by byte changed the events";
            return outcome;
        }
    }
    if (splitEvents.size() != events.size()) {
        outcome.failure = "feeding byte by byte gave more events";
        return outcome;
    }

    if (!PastesPairUp(events)) {
        outcome.failure = "paste markers do not pair up";
        return outcome;
    }
    std::size_t mice = 0;
    for (std::int32_t code : events) {
        const bool byte = code >= 0 && code <= 0xFF;
        // ncurses' numbering, and the one key with a code of its own.
        const bool key = (code >= KeyCodeBase && code < KeyCodeBase + 0x200) || code == KeyAltDown;
        const bool character =
            code >= KeyCharacter && (IsCharacter(code) || IsPasteCharacter(code));
        const bool marker = code == PasteBegin || code == PasteEnd;
        const bool mouse = IsMouse(code);
        if (!byte && !key && !character && !marker && !mouse) {
            outcome.failure = "event code out of range";
            return outcome;
        }
        if (mouse && (IsCharacter(code) ||
                      MouseEvent(MouseButtonOf(code), MousePressed(code), MouseModifiers(code),
                                 MouseRow(code), MouseColumn(code)) != code)) {
            outcome.failure = "a mouse event does not read back as itself";
            return outcome;
        }
        mice += mouse ? 1 : 0;
    }
    // Every mouse event needs a report of its own, which starts "ESC [ <" or "ESC [ M".
    std::size_t reports = 0;
    for (std::size_t at = fed.find("\x1b["); at != std::string::npos;
         at = fed.find("\x1b[", at + 1)) {
        reports += at + 2 < fed.size() && (fed[at + 2] == '<' || fed[at + 2] == 'M') ? 1 : 0;
    }
    if (mice > reports) {
        outcome.failure = "more mouse events than mouse reports";
        return outcome;
    }
    if (events.size() > fed.size()) {
        outcome.failure = "more events than bytes";
        return outcome;
    }
    // Everything before the first ESC is plain input: its bytes come out as
    // bytes and characters that spell the same bytes again.
    const std::size_t plain = fed.find('\x1b') == std::string::npos ? fed.size() : fed.find('\x1b');
    std::string spelled;
    std::size_t used = 0;
    while (spelled.size() < plain && used < events.size()) {
        if (!AppendBytesOf(events[used++], spelled)) {
            outcome.failure = "plain input gave a key";
            return outcome;
        }
    }
    if (spelled != fed.substr(0, plain)) {
        outcome.failure = "plain input did not come out as itself";
        return outcome;
    }
    if (plain == fed.size() && used != events.size()) {
        outcome.failure = "input without ESC gained events";
        return outcome;
    }
    return outcome;
}

}  // namespace Fuzz
}  // namespace Vesk
