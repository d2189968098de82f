#include "terminal/Locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <initializer_list>

#include "terminal/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// The literal of the default locale ("C" or "POSIX") that `name` names, else
// null. setlocale returns a static buffer that the next call overwrites, so
// the name is kept as the literal.
const char* defaultName(const char* name) {
    if (name != nullptr) {
        for (const char* known : {"C", "POSIX"}) {
            if (std::strcmp(name, known) == 0) {
                return known;
            }
        }
    }
    return nullptr;
}

}  // namespace

void adoptCharacterType() {
    const char* current = defaultName(std::setlocale(LC_CTYPE, nullptr));
    if (terminalState.adoptedFrom == nullptr && current != nullptr &&
        std::setlocale(LC_CTYPE, "") != nullptr) {
        terminalState.adoptedFrom = current;
    }
    terminalState.unicode = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

void restoreCharacterType() {
    if (terminalState.adoptedFrom != nullptr) {
        std::setlocale(LC_CTYPE, terminalState.adoptedFrom);
        terminalState.adoptedFrom = nullptr;
    }
    terminalState.unicode = false;
}

bool unicodeScreen() {
    return terminalState.unicode;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
