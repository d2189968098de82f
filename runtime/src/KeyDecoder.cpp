#include "vesk/KeyDecoder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Utf8Sequence.h"

namespace Vesk {
namespace IO {

namespace {

constexpr std::uint8_t Escape = 0x1B;

// Bracketed paste: the terminal wraps pasted text in these.
constexpr int PasteStart = 200;
constexpr char PasteEndHead[] = "\x1b[201";  // then '~'
// C1 control characters, U+0080 to U+009F, are no text.
constexpr char32_t FirstAfterC1 = 0xA0;

// ncurses key codes (curses.h); the library's event code is KeyCodeBase plus these.
constexpr std::int32_t CursesDown = 0402;
constexpr std::int32_t CursesUp = 0403;
constexpr std::int32_t CursesLeft = 0404;
constexpr std::int32_t CursesRight = 0405;
constexpr std::int32_t CursesHome = 0406;
constexpr std::int32_t CursesBackspace = 0407;
constexpr std::int32_t CursesF0 = 0410;
constexpr std::int32_t CursesDeleteChar = 0512;
constexpr std::int32_t CursesInsertChar = 0513;
constexpr std::int32_t CursesScrollForward = 0520;
constexpr std::int32_t CursesScrollBackward = 0521;
constexpr std::int32_t CursesNextPage = 0522;
constexpr std::int32_t CursesPreviousPage = 0523;
constexpr std::int32_t CursesEnd = 0550;
constexpr std::int32_t CursesShiftDeleteChar = 0577;
constexpr std::int32_t CursesShiftEnd = 0602;
constexpr std::int32_t CursesShiftHome = 0607;
constexpr std::int32_t CursesShiftInsertChar = 0610;
constexpr std::int32_t CursesShiftLeft = 0611;
constexpr std::int32_t CursesShiftNext = 0614;
constexpr std::int32_t CursesShiftPrevious = 0616;
constexpr std::int32_t CursesShiftRight = 0622;
constexpr int CursesLastFunctionKey = 63;

static_assert(KeyDown == KeyCodeBase + CursesDown && KeyUp == KeyCodeBase + CursesUp &&
                  KeyLeft == KeyCodeBase + CursesLeft && KeyRight == KeyCodeBase + CursesRight &&
                  KeyHome == KeyCodeBase + CursesHome && KeyEnd == KeyCodeBase + CursesEnd &&
                  KeyDelete == KeyCodeBase + CursesDeleteChar &&
                  KeyF10 == KeyCodeBase + CursesF0 + 10 &&
                  KeyBackspace == KeyCodeBase + CursesBackspace &&
                  KeyNextPage == KeyCodeBase + CursesNextPage &&
                  KeyPreviousPage == KeyCodeBase + CursesPreviousPage,
              "Event.h codes follow the ncurses numbering");

// A key named by an escape sequence, before its modifier is applied.
struct Key {
    std::int32_t code = 0;     // event code without modifier; 0 for none
    std::int32_t shifted = 0;  // event code with Shift, 0 when there is none
    int function = 0;          // n of F(n), 0 for other keys
};

constexpr Key cursesKey(std::int32_t code, std::int32_t shifted) {
    return Key{KeyCodeBase + code, KeyCodeBase + shifted, 0};
}

constexpr Key functionKey(int n) {
    return Key{KeyCodeBase + CursesF0 + n, 0, n};
}

constexpr Key plainKey(std::int32_t code) {
    return Key{code, 0, 0};
}

// ESC and one of these start a string (OSC, DCS, SOS, PM, APC), ended by
// BEL or by ESC \.
bool isStringIntroducer(char byte) {
    return byte == ']' || byte == 'P' || byte == 'X' || byte == '^' || byte == '_';
}
constexpr std::uint8_t Bell = 0x07;

bool isParameter(std::uint8_t byte) {
    return byte >= 0x30 && byte <= 0x3F;
}
bool isIntermediate(std::uint8_t byte) {
    return byte >= 0x20 && byte <= 0x2F;
}
bool isFinal(std::uint8_t byte) {
    return byte >= 0x40 && byte <= 0x7E;
}

// Keys sent as ESC [ final or ESC O final, possibly with "1;m" or "m" before the final.
Key letterKey(std::uint8_t final) {
    switch (final) {
        case 'A':
            return Key{KeyUp, KeyCodeBase + CursesScrollBackward, 0};
        case 'B':
            return Key{KeyDown, KeyCodeBase + CursesScrollForward, 0};
        case 'C':
            return Key{KeyRight, KeyCodeBase + CursesShiftRight, 0};
        case 'D':
            return Key{KeyLeft, KeyCodeBase + CursesShiftLeft, 0};
        case 'H':
            return cursesKey(CursesHome, CursesShiftHome);
        case 'F':
            return cursesKey(CursesEnd, CursesShiftEnd);
        case 'P':
        case 'Q':
        case 'R':
        case 'S':
            return functionKey(final - 'P' + 1);
        default:
            return Key{};
    }
}

// Keys sent as ESC [ n ~ or ESC [ n ; m ~.
Key tildeKey(int number) {
    switch (number) {
        case 1:
        case 7:
            return cursesKey(CursesHome, CursesShiftHome);
        case 2:
            return cursesKey(CursesInsertChar, CursesShiftInsertChar);
        case 3:
            return cursesKey(CursesDeleteChar, CursesShiftDeleteChar);
        case 4:
        case 8:
            return cursesKey(CursesEnd, CursesShiftEnd);
        case 5:
            return Key{KeyPreviousPage, KeyCodeBase + CursesShiftPrevious, 0};
        case 6:
            return Key{KeyNextPage, KeyCodeBase + CursesShiftNext, 0};
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
            return functionKey(number - 10);
        case 17:
        case 18:
        case 19:
        case 20:
        case 21:
            return functionKey(number - 11);
        case 23:
        case 24:
            return functionKey(number - 12);
        default:
            return Key{};
    }
}

// Keys that SS3 alone sends: keypad Enter and, in application keypad mode,
// the keypad's digits and operators, which stand for the characters on them.
Key keypadKey(std::uint8_t final) {
    if (final >= 'p' && final <= 'y') {
        return plainKey('0' + (final - 'p'));
    }
    switch (final) {
        case 'M':
            return plainKey(KeyEnter);
        case 'X':
            return plainKey('=');
        case 'j':
            return plainKey('*');
        case 'k':
            return plainKey('+');
        case 'l':
            return plainKey(',');
        case 'm':
            return plainKey('-');
        case 'n':
            return plainKey('.');
        case 'o':
            return plainKey('/');
        default:
            return Key{};
    }
}

// The xterm modifier parameter is 1 + Shift(1) + Alt(2) + Ctrl(4); ncurses
// numbers modified function keys in blocks of twelve.
std::int32_t applyModifier(const Key& key, int modifier) {
    if (key.function != 0) {
        int offset = 0;
        switch (modifier) {
            case 2:
                offset = 12;
                break;
            case 5:
                offset = 24;
                break;
            case 6:
                offset = 36;
                break;
            case 3:
                offset = 48;
                break;
            default:
                break;
        }
        if (key.function + offset <= CursesLastFunctionKey) {
            return key.code + offset;
        }
        return key.code;
    }
    if (modifier == 2 && key.shifted != 0) {
        return key.shifted;
    }
    // Alt (3) on Down has a code of its own: a drop-down list opens on it.
    if (modifier == 3 && key.code == KeyDown) {
        return KeyAltDown;
    }
    return key.code;
}

// Up to two numeric parameters separated by ';'; an empty one is absent (-1).
struct Parameters {
    int count = 0;
    int value[2] = {-1, -1};
    bool valid = true;
};

Parameters parseParameters(const std::string& body) {
    Parameters result;
    if (body.empty()) {
        return result;
    }
    result.count = 1;
    for (char c : body) {
        if (c == ';') {
            if (result.count == 2) {
                result.valid = false;
                return result;
            }
            ++result.count;
        } else if (c >= '0' && c <= '9') {
            int& value = result.value[result.count - 1];
            // The body is capped in length, but keep the number bounded anyway.
            value = value < 0 ? c - '0' : (value >= 10000 ? value : value * 10 + (c - '0'));
        } else {
            result.valid = false;
            return result;
        }
    }
    return result;
}

// rxvt ends "ESC [ n" with one of these instead of "~" for Shift, Ctrl and
// Ctrl-Shift; '$' would otherwise be an intermediate and take the next byte.
constexpr std::uint8_t RxvtShift = '$';
constexpr std::uint8_t RxvtControl = '^';
constexpr std::uint8_t RxvtControlShift = '@';

bool isRxvtNumber(const std::string& body) {
    return !body.empty() && body.find_first_not_of("0123456789") == std::string::npos;
}

bool isOneOrAbsent(int value) {
    return value == -1 || value == 1;
}

// Mouse reports: ESC [ < b ; x ; y M (press) or m (release), and ESC [ M b x y
// with each field a raw byte plus 32 (X10). In b, the low two bits are the
// button (3: released, legacy only), then Shift (4), Alt (8), Ctrl (16),
// motion (32), wheel (64) and extra buttons (128).
constexpr std::uint8_t SgrMouseIntroducer = '<';
constexpr std::size_t SgrMouseHead = 3;       // ESC [ <
constexpr std::size_t LegacyMouseLength = 6;  // ESC [ M b x y
constexpr int LegacyMouseOffset = 32;
constexpr int MouseButtonBits = 3, MouseReleased = 3, MouseModifierShift = 2, MouseMotion = 32,
              MouseWheel = 64, MouseExtraButton = 128;
// Numbers of an SGR report stop growing here: anything past it is clamped anyway.
constexpr int SgrNumberCap = 100000;

// The event of a report with button byte `b` at one-based `x` and `y`;
// 0 for reports that give none (drags, moves, horizontal wheel, extra
// buttons, wheel releases, an unknown button pressed).
std::int32_t mouseEvent(int b, bool pressed, int x, int y) {
    if (b < 0 || b > 0xFF || (b & (MouseMotion | MouseExtraButton)) != 0) {
        return 0;
    }
    const int low = b & MouseButtonBits;
    const int modifiers = b >> MouseModifierShift & 7;
    if ((b & MouseWheel) != 0) {
        if (!pressed || low > 1) {
            return 0;
        }
        return MouseEvent(low == 0 ? MouseButton::WheelUp : MouseButton::WheelDown, true, modifiers,
                          y - 1, x - 1);
    }
    if (low == MouseReleased) {
        return 0;
    }
    return MouseEvent(static_cast<MouseButton>(low), pressed, modifiers, y - 1, x - 1);
}

// b ; x ; y, each one or more digits; false for anything else.
bool parseSgrMouse(const std::string& body, int (&field)[3]) {
    std::size_t count = 0;
    bool digits = false;
    field[0] = 0;
    for (char c : body) {
        if (c == ';') {
            if (!digits || ++count == 3) {
                return false;
            }
            field[count] = 0;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            int& value = field[count];
            value = value >= SgrNumberCap ? value : value * 10 + (c - '0');
            digits = true;
        } else {
            return false;
        }
    }
    return digits && count == 2;
}

}  // namespace

KeyDecoder::KeyDecoder(std::chrono::milliseconds escapeDelay)
    : delay(escapeDelay.count() < 0 ? std::chrono::milliseconds(0) : escapeDelay) {}

void KeyDecoder::feed(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0) {
        return;
    }
    gap = silence.count() > 0;
    silence = std::chrono::milliseconds(0);
    for (std::size_t i = 0; i < count; ++i) {
        if (paste) {
            stepPaste(bytes[i]);
        } else {
            step(bytes[i]);
        }
        gap = false;
    }
}

void KeyDecoder::feed(const std::string& bytes) {
    feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void KeyDecoder::advance(std::chrono::milliseconds elapsed) {
    const std::chrono::milliseconds limit = paste ? PasteTimeout : delay;
    if (elapsed.count() > 0) {
        // Saturate: only whether the limit has been reached matters.
        silence = elapsed >= limit - silence ? limit : silence + elapsed;
    }
    if (paste) {
        if (silence >= PasteTimeout) {
            endPaste();
        }
    } else if (state != State::Ground && silence >= delay) {
        flushRaw();
    }
}

void KeyDecoder::endOfInput() {
    if (paste) {
        endPaste();
    } else if (state != State::Ground) {
        flushRaw();
    }
    silence = std::chrono::milliseconds(0);
    emit(KeyEndOfInput);
}

bool KeyDecoder::pending() const {
    return paste || state != State::Ground;
}

std::chrono::milliseconds KeyDecoder::timeLeft() const {
    if (paste) {
        return PasteTimeout - silence;
    }
    return state != State::Ground ? delay - silence : std::chrono::milliseconds(0);
}

bool KeyDecoder::next(Event& event) {
    if (events.empty()) {
        return false;
    }
    event = events.front();
    events.pop_front();
    return true;
}

std::chrono::milliseconds KeyDecoder::parseEscapeDelay(const char* text,
                                                       std::chrono::milliseconds fallback) {
    if (text == nullptr || *text < '0' || *text > '9') {
        return fallback;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value <= 0 || value > INT_MAX) {
        return fallback;
    }
    return std::chrono::milliseconds(value);
}

void KeyDecoder::step(std::uint8_t byte) {
    if (gap && (spoiled || state == State::MouseReport || state == State::SgrMouse)) {
        // Its bytes stopped coming: cut, and the byte after the silence is
        // someone typing.
        drop();
    }
    switch (state) {
        case State::Ground:
            if (byte == Escape) {
                sequence.assign(1, static_cast<char>(byte));
                state = State::Escape;
            } else if (Utf8::lengthFrom(byte) != 0) {
                sequence.assign(1, static_cast<char>(byte));
                state = State::Utf8;
            } else {
                emit(byte);
            }
            return;
        case State::Utf8:
            if (Utf8::continues(sequence, byte)) {
                sequence.push_back(static_cast<char>(byte));
                if (sequence.size() == Utf8::lengthFrom(static_cast<std::uint8_t>(sequence[0]))) {
                    const char32_t code = Utf8::decode(sequence);
                    sequence.clear();
                    state = State::Ground;
                    emit(KeyCharacter + static_cast<std::int32_t>(code));
                }
                return;
            }
            break;
        case State::Escape:
            if (byte == '[' || byte == 'O') {
                sequence.push_back(static_cast<char>(byte));
                state = byte == '[' ? State::Csi : State::Ss3;
                return;
            }
            break;
        case State::Csi: {
            const std::size_t body = sequence.size() - 2;
            if (body == 0 && byte == '[') {
                sequence.push_back(static_cast<char>(byte));
                state = State::LinuxFunction;
                return;
            }
            if (body == 0 && byte == SgrMouseIntroducer) {
                sequence.push_back(static_cast<char>(byte));
                state = State::SgrMouse;
                return;
            }
            if (spoiled) {
                // Past the limit: runs on to its final byte, which ends it.
                if (isFinal(byte)) {
                    drop();
                    return;
                }
                if (isParameter(byte) || isIntermediate(byte)) {
                    return;
                }
                break;
            }
            if (isFinal(byte) || (byte == RxvtShift && isRxvtNumber(sequence.substr(2)))) {
                sequence.push_back(static_cast<char>(byte));
                finishSequence(byte);
                return;
            }
            // Parameters come before intermediates.
            const bool afterIntermediate =
                body > 0 && isIntermediate(static_cast<std::uint8_t>(sequence.back()));
            if (isIntermediate(byte) || (isParameter(byte) && !afterIntermediate)) {
                if (body < MaxSequenceBody) {
                    sequence.push_back(static_cast<char>(byte));
                } else {
                    spoiled = true;
                }
                return;
            }
            break;
        }
        case State::LinuxFunction:
            if (isFinal(byte)) {
                sequence.push_back(static_cast<char>(byte));
                finishSequence(byte);
                return;
            }
            break;
        case State::Ss3:
            if (isFinal(byte)) {
                if (spoiled) {
                    drop();
                    return;
                }
                sequence.push_back(static_cast<char>(byte));
                finishSequence(byte);
                return;
            }
            if (isParameter(byte)) {
                if (sequence.size() - 2 < MaxSequenceBody) {
                    sequence.push_back(static_cast<char>(byte));
                } else {
                    spoiled = true;
                }
                return;
            }
            break;
        case State::MouseReport:
            // Button, column and row, one raw byte each.
            sequence.push_back(static_cast<char>(byte));
            if (sequence.size() == LegacyMouseLength) {
                finishLegacyMouse();
            }
            return;
        case State::SgrMouse:
            if (byte >= 0x20 && byte <= 0x7E) {
                stepSgrMouse(byte);
                return;
            }
            break;
    }
    // The byte cannot continue the sequence: give back what was collected,
    // then decode the byte on its own (an ESC starts a new sequence).
    flushRaw();
    step(byte);
}

// Text and line breaks only; escape sequences are looked at for the end
// marker and dropped whole. Nothing here waits for the escape delay.
void KeyDecoder::stepPaste(std::uint8_t byte) {
    const bool lineFeedAfterReturn = afterReturn && byte == '\n';
    afterReturn = false;
    if (!sequence.empty() && sequence[0] == static_cast<char>(Escape)) {
        if (stepPasteEscape(byte)) {
            return;
        }
    } else if (!sequence.empty()) {
        if (Utf8::continues(sequence, byte)) {
            sequence.push_back(static_cast<char>(byte));
            if (sequence.size() == Utf8::lengthFrom(static_cast<std::uint8_t>(sequence[0]))) {
                const char32_t code = Utf8::decode(sequence);
                sequence.clear();
                if (code >= FirstAfterC1) {
                    emit(KeyCharacter + static_cast<std::int32_t>(code));
                }
            }
            return;
        }
        sequence.clear();  // malformed: dropped
    }
    if (byte == Escape || Utf8::lengthFrom(byte) != 0) {
        sequence.assign(1, static_cast<char>(byte));
    } else if (byte == '\r') {
        emit(PasteLineBreak);
        afterReturn = true;
    } else if (byte == '\n') {
        if (!lineFeedAfterReturn) {
            emit(PasteLineBreak);
        }
    } else if (IsCharacter(byte)) {
        emit(byte);
    }
}

// One byte of an escape sequence in a paste: CSI (ESC [ parameters,
// intermediates, final), SS3 (ESC O, parameters, final), a string (ESC ] for
// a hyperlink or a title, ESC P, X, ^ or _) up to BEL or ESC \, ESC
// intermediates final, or ESC and one byte. False when the byte cannot be
// part of it: the sequence is dropped and the byte decodes on its own.
bool KeyDecoder::stepPasteEscape(std::uint8_t byte) {
    const char kind = sequence.size() > 1 ? sequence[1] : '\0';
    const bool anyFinal = byte >= 0x30 && byte <= 0x7E;
    bool more = false;
    bool last = false;
    if (isStringIntroducer(kind)) {
        // The text of a string is no paste text. An ESC in it is kept as its
        // third byte: with "\" it ends the string, else it starts a sequence
        // of its own (the end marker among them).
        if (sequence.size() > 2) {
            sequence.assign(1, static_cast<char>(Escape));
            if (byte == '\\') {
                sequence.clear();
                return true;
            }
            return stepPasteEscape(byte);
        }
        if (byte == Escape) {
            sequence.push_back(static_cast<char>(byte));
        } else if (byte == Bell) {
            sequence.clear();
        }
        return true;
    }
    if (kind == '\0') {
        more = byte == '[' || byte == 'O' || isIntermediate(byte) || isStringIntroducer(byte);
        last = !more && anyFinal;
    } else if (kind == '[') {
        more = isParameter(byte) || isIntermediate(byte);
        last = isFinal(byte);
    } else if (kind == 'O') {
        more = isParameter(byte);
        last = isFinal(byte);
    } else {
        more = isIntermediate(byte);
        last = anyFinal;
    }
    if (more) {
        // Only the head is kept: a longer one is not the end marker anyway.
        if (sequence.size() < sizeof PasteEndHead) {
            sequence.push_back(static_cast<char>(byte));
        }
        return true;
    }
    const bool endMarker = last && byte == '~' && sequence == PasteEndHead;
    sequence.clear();
    if (endMarker) {
        endPaste();
    }
    return last;
}

void KeyDecoder::endPaste() {
    paste = false;
    afterReturn = false;
    sequence.clear();
    emit(PasteEnd);
}

void KeyDecoder::drop() {
    sequence.clear();
    spoiled = false;
    state = State::Ground;
}

void KeyDecoder::finishSequence(std::uint8_t final) {
    const State kind = state;
    const std::size_t start = kind == State::LinuxFunction ? 3 : 2;
    const Parameters parameters =
        parseParameters(sequence.substr(start, sequence.size() - start - 1));
    sequence.clear();
    state = State::Ground;
    if (!parameters.valid) {
        return;
    }

    Key key;
    int modifier = 1;
    if (kind == State::LinuxFunction) {
        if (parameters.count == 0 && final >= 'A' && final <= 'E') {
            key = functionKey(final - 'A' + 1);
        }
    } else if (kind == State::Ss3) {
        // Some terminals put the modifier alone between "ESC O" and the final.
        if (parameters.count == 1) {
            modifier = parameters.value[0];
        } else if (parameters.count == 2 && isOneOrAbsent(parameters.value[0])) {
            modifier = parameters.value[1];
        } else if (parameters.count == 2) {
            return;
        }
        key = letterKey(final);
        if (key.code == 0) {
            key = keypadKey(final);
        }
    } else if (final == '~') {
        if (parameters.count == 1 && parameters.value[0] == PasteStart) {
            paste = true;
            afterReturn = false;
            emit(PasteBegin);
            return;
        }
        if (parameters.count > 0) {
            key = tildeKey(parameters.value[0]);
            modifier = parameters.value[1];
        }
    } else if (final == RxvtShift || final == RxvtControl || final == RxvtControlShift) {
        if (parameters.count == 1) {
            key = tildeKey(parameters.value[0]);
            modifier = final == RxvtShift ? 2 : (final == RxvtControl ? 5 : 6);
        }
    } else if (final == 'M' && parameters.count == 0) {
        // X10 mouse report: its three raw bytes must not be taken for typing.
        sequence.assign("\x1b[M");
        state = State::MouseReport;
        return;
    } else if (isOneOrAbsent(parameters.value[0])) {
        key = final == 'Z' ? plainKey(KeyBackTab) : letterKey(final);
        modifier = parameters.value[1];
    }
    if (key.code != 0) {
        emit(applyModifier(key, modifier));
    }
}

// A printable byte of an SGR mouse report. Anything but digits, ';' and the
// final M or m spoils the report, which then runs on to its M or m and gives
// no event.
void KeyDecoder::stepSgrMouse(std::uint8_t byte) {
    if (byte != 'M' && byte != 'm') {
        const bool fits = sequence.size() - SgrMouseHead < MaxSequenceBody;
        if (fits && ((byte >= '0' && byte <= '9') || byte == ';')) {
            sequence.push_back(static_cast<char>(byte));
        } else {
            spoiled = true;
        }
        return;
    }
    int field[3];
    const bool valid = !spoiled && parseSgrMouse(sequence.substr(SgrMouseHead), field);
    drop();
    if (!valid) {
        return;
    }
    const std::int32_t code = mouseEvent(field[0], byte == 'M', field[1], field[2]);
    if (code != 0) {
        emit(code);
    }
}

void KeyDecoder::finishLegacyMouse() {
    int b = static_cast<std::uint8_t>(sequence[3]) - LegacyMouseOffset;
    const int x = static_cast<std::uint8_t>(sequence[4]) - LegacyMouseOffset;
    const int y = static_cast<std::uint8_t>(sequence[5]) - LegacyMouseOffset;
    sequence.clear();
    state = State::Ground;
    // The legacy report does not say which button was released: taken for the left.
    bool pressed = true;
    if ((b & MouseWheel) == 0 && (b & MouseButtonBits) == MouseReleased) {
        b &= ~MouseButtonBits;
        pressed = false;
    }
    const std::int32_t code = mouseEvent(b, pressed, x, y);
    if (code != 0) {
        emit(code);
    }
}

void KeyDecoder::flushRaw() {
    // A mouse report cut short, or a body past the limit, is dropped: its
    // bytes are never keys.
    const bool keep = !spoiled && state != State::MouseReport && state != State::SgrMouse;
    for (std::size_t i = 0; keep && i < sequence.size(); ++i) {
        emit(static_cast<std::uint8_t>(sequence[i]));
    }
    drop();
}

void KeyDecoder::emit(std::int32_t code) {
    events.push_back(static_cast<Event>(code));
}

}  // namespace IO
}  // namespace Vesk
