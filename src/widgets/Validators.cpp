#include "forms/Validators.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <regex>
#include <sstream>
#include <utility>

#include "widgets/TextEditing.h"

namespace Vesk {
namespace Forms {
namespace Validators {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The shortest way to write the number: "9.5", "120", "1e+06".
std::string written(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// A leading '+' is not one from_chars takes.
const char* afterPlus(const std::string& text) {
    return text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
}

bool onlyNumberCharacters(const std::string& text, bool point) {
    std::size_t digits = 0;
    std::size_t points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (point && c == '.') {
            ++points;
        } else if (i != 0 || (c != '+' && c != '-')) {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

}  // namespace

Validator required() {
    return [](const std::string& text) -> std::string {
        return trimmed(text).empty() ? "A value is required." : "";
    };
}

Validator integer(long long min, long long max) {
    const std::string message =
        "Enter a whole number from " + std::to_string(min) + " to " + std::to_string(max) + ".";
    return [=](const std::string& text) -> std::string {
        const std::string number = trimmed(text);
        if (number.empty()) {
            return "";
        }
        long long value = 0;
        const char* end = number.data() + number.size();
        const auto [stop, fault] = std::from_chars(afterPlus(number), end, value);
        const bool whole =
            onlyNumberCharacters(number, false) && fault == std::errc() && stop == end;
        return whole && value >= min && value <= max ? "" : message;
    };
}

Validator decimal(double min, double max) {
    const std::string message = "Enter a number from " + written(min) + " to " + written(max) + ".";
    return [=](const std::string& text) -> std::string {
        const std::string number = trimmed(text);
        if (number.empty()) {
            return "";
        }
        double value = 0;
        const char* end = number.data() + number.size();
        const auto [stop, fault] =
            std::from_chars(afterPlus(number), end, value, std::chars_format::fixed);
        const bool read = onlyNumberCharacters(number, true) && fault == std::errc() && stop == end;
        return read && value >= min && value <= max ? "" : message;
    };
}

Validator length(int min, int max) {
    min = std::max(0, min);
    max = std::max(min, max);
    const std::string message =
        min == max ? "Enter " + std::to_string(min) + " characters."
        : min == 0 ? "Enter at most " + std::to_string(max) + " characters."
                   : "Enter " + std::to_string(min) + " to " + std::to_string(max) + " characters.";
    return [=](const std::string& text) -> std::string {
        const long long count = detail::countCharacters(text, 0, text.size(), true, max);
        return count >= min && count <= max ? "" : message;
    };
}

Validator pattern(std::string expression) {
    std::shared_ptr<const std::regex> compiled;
    try {
        compiled = std::make_shared<const std::regex>(expression, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        return {};
    }
    return [compiled](const std::string& text) -> std::string {
        return text.empty() || std::regex_match(text, *compiled)
                   ? ""
                   : "The value is not in the expected form.";
    };
}

// One '@', no spaces, and a domain of two labels or more: what a form can
// tell before a message is sent.
Validator email() {
    return [](const std::string& text) -> std::string {
        static const std::regex address(R"([^\s@]+@[^\s@.]+(\.[^\s@.]+)+)");
        return text.empty() || std::regex_match(text, address)
                   ? ""
                   : "Enter an e-mail address such as name@example.com.";
    };
}

Validator all(std::vector<Validator> validators) {
    for (const Validator& validator : validators) {
        if (!validator) {
            return {};
        }
    }
    return [validators = std::move(validators)](const std::string& text) -> std::string {
        for (const Validator& validator : validators) {
            std::string message = validator(text);
            if (!message.empty()) {
                return message;
            }
        }
        return "";
    };
}

}  // namespace Validators
}  // namespace Forms
}  // namespace Vesk
