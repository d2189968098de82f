#include "widgets/TextMask.h"

#include <utf8proc.h>

#include "geometry/Utf8.h"
#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

char32_t firstCode(const std::string& character) {
    if (character.empty()) {
        return 0;
    }
    const auto* at = reinterpret_cast<const unsigned char*>(character.data());
    if (*at < 0x80) {
        return *at;
    }
    const Utf8Sequence sequence = decodeUtf8(at, at + character.size());
    return sequence.length == 0 ? 0 : static_cast<char32_t>(sequence.character);
}

// The places' values laid out as a masked text; false when one does not fit.
bool layOut(const std::vector<std::string>& places, const std::vector<std::string>& values,
            std::string& text) {
    std::string laid;
    std::size_t place = 0;
    for (const std::string& value : values) {
        while (place < places.size() && maskLiteral(places[place])) {
            laid += places[place++];
        }
        if (place == places.size() || !maskTakes(places[place], value)) {
            return false;
        }
        laid += value;
        ++place;
    }
    text = std::move(laid);
    return true;
}

}  // namespace

bool maskLiteral(const std::string& place) {
    return place != "9" && place != "A" && place != "*";
}

bool maskTakes(const std::string& place, const std::string& character) {
    if (place == "*") {
        return !character.empty();
    }
    const char32_t code = firstCode(character);
    if (place == "9") {
        return code >= '0' && code <= '9';
    }
    if (place == "A") {
        const utf8proc_category_t kind = utf8proc_category(static_cast<utf8proc_int32_t>(code));
        return kind >= UTF8PROC_CATEGORY_LU && kind <= UTF8PROC_CATEGORY_LO;
    }
    return character == place;
}

std::vector<std::string> characters(const std::string& text, bool unicode) {
    std::vector<std::string> result;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = nextCharacter(text, at, unicode);
        result.push_back(text.substr(at, next - at));
        at = next;
    }
    return result;
}

bool editMask(const std::vector<std::string>& places, std::string& text, std::size_t& at,
              bool erase, const std::string& typed, bool unicode) {
    const std::vector<std::string> shown = characters(text, unicode);
    std::vector<std::string> values;
    std::size_t index = 0;  // the value at or after place `at`
    for (std::size_t place = 0; place < shown.size() && place < places.size(); ++place) {
        if (!maskLiteral(places[place])) {
            index += place < at ? 1 : 0;
            values.push_back(shown[place]);
        }
    }
    if (erase) {
        if (index >= values.size()) {
            return false;
        }
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(index));
    }
    if (!typed.empty()) {
        values.insert(values.begin() + static_cast<std::ptrdiff_t>(index), typed);
    }
    std::string laid;
    if (!layOut(places, values, laid)) {
        return false;
    }
    // The place of value `index` (the erased one), or the one after the typed.
    std::size_t place = 0;
    for (std::size_t seen = 0; place < places.size(); ++place) {
        if (!maskLiteral(places[place]) && seen++ == index) {
            break;
        }
    }
    at = typed.empty() ? place : place + 1;
    text = std::move(laid);
    return true;
}

std::string fitMask(const std::vector<std::string>& places, const std::string& text, bool unicode) {
    std::vector<std::string> values;
    std::size_t place = 0;
    for (const std::string& character : characters(text, unicode)) {
        if (place < places.size() && maskLiteral(places[place]) && character == places[place]) {
            ++place;
            continue;
        }
        while (place < places.size() && maskLiteral(places[place])) {
            ++place;
        }
        if (place == places.size() || !maskTakes(places[place], character)) {
            break;
        }
        values.push_back(character);
        ++place;
    }
    std::string laid;
    layOut(places, values, laid);
    return laid;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
