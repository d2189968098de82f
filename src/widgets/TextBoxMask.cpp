// A text box's mask: what each place takes, and the caret past literals.
#include "forms/TextBox.h"

#include <climits>
#include <string>
#include <utility>

#include "terminal/Screen.h"
#include "widgets/TextEditing.h"
#include "widgets/TextMask.h"

namespace Vesk {
namespace Forms {

namespace {

bool unicode() {
    return detail::Screen::unicode();
}

}  // namespace

// A literal typed where the mask has it steps over it. A mask is short:
// each edit lays the masked text out again.
bool TextBox::typeMasked(const std::string& character) {
    std::size_t at = static_cast<std::size_t>(cursor());
    if (at < places.size() && detail::maskLiteral(places[at]) && places[at] == character) {
        caret = detail::nextCharacter(content, caret, unicode());
        skipLiterals();
        return true;
    }
    std::string edited = content;
    if (!detail::editMask(places, edited, at, false, character, unicode())) {
        return false;
    }
    const long long count =
        detail::countCharacters(edited, 0, edited.size(), unicode(), LLONG_MAX - 1);
    if (limit > 0 && count > limit) {
        return false;
    }
    content = std::move(edited);
    length = count;
    caret = detail::skipCharacters(content, 0, static_cast<long long>(at), unicode());
    skipLiterals();
    return true;
}

void TextBox::skipLiterals() {
    std::size_t at = places.empty() ? 0 : static_cast<std::size_t>(cursor());
    while (!places.empty() && caret < content.size() && at < places.size() &&
           detail::maskLiteral(places[at])) {
        caret = detail::nextCharacter(content, caret, unicode());
        ++at;
    }
}

std::string TextBox::mask() {
    std::string value;
    for (const std::string& place : places) {
        value += place;
    }
    return value;
}

bool TextBox::mask(std::string value) {
    places = detail::characters(detail::validText(value), unicode());
    text(content);
    return true;
}

// The places of the mask after the text: literals as they are, the places
// to type in as '_'.
std::string TextBox::unfilled() {
    std::string rest;
    for (std::size_t at = static_cast<std::size_t>(std::min<long long>(length, LLONG_MAX));
         at < places.size(); ++at) {
        rest += detail::maskLiteral(places[at]) ? places[at] : "_";
    }
    return rest;
}

}  // namespace Forms
}  // namespace Vesk
