#include "terminal/Locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string>
#include <utility>

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// setlocale returns a static buffer that the next call overwrites, so the
// name is copied.
std::string previous;
bool adopted = false;
bool unicode = false;

bool isDefault(const char* name) {
    return name != nullptr && (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0);
}

}  // namespace

void adoptCharacterType() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    if (!adopted && isDefault(current)) {
        std::string name = current;
        if (std::setlocale(LC_CTYPE, "") != nullptr) {
            previous = std::move(name);
            adopted = true;
        }
    }
    unicode = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

void restoreCharacterType() {
    if (adopted) {
        std::setlocale(LC_CTYPE, previous.c_str());
        adopted = false;
    }
    unicode = false;
}

bool unicodeScreen() {
    return unicode;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
