#pragma once

/// @file
/// Checks of a text field's text, and the ready ones.

#include <functional>
#include <string>
#include <vector>

#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// Checks a field's text: returns the message to show (a short sentence),
/// or an empty string when the text is valid. It may throw: the field then
/// reads invalid with the exception's message (see TextBox::validate).
using Validator = std::function<std::string(const std::string& text)>;

/// Ready validators. Lengths count characters as the user sees them
/// (grapheme clusters), not bytes.
namespace Validators {

/// Refuses an empty text, or one of spaces only: "A value is required."
VESK_FORMS_API Validator required();

/// Takes a whole number from `min` to `max` (an optional sign, then the
/// digits 0 to 9; spaces around it are allowed): "Enter a whole number
/// from 1 to 120." An empty text is valid: combine with required() in a
/// validator of the host's to refuse it.
VESK_FORMS_API Validator integer(long long min, long long max);

/// Takes a number from `min` to `max` written with digits 0 to 9 and at
/// most one point ('.'), with an optional sign: "Enter a number from 0 to
/// 9.5." An empty text is valid.
VESK_FORMS_API Validator decimal(double min, double max);

/// Takes a text of `min` to `max` characters: "Enter 8 to 64 characters."
/// An empty text is checked like any other.
VESK_FORMS_API Validator length(int min, int max);

/// Takes a text that the ECMAScript regular expression `expression`
/// matches whole: "The value is not in the expected form." Returns an empty
/// validator when the expression does not compile, which
/// TextBox::validate refuses. An empty text is valid.
VESK_FORMS_API Validator pattern(std::string expression);

/// Takes an e-mail address: a local part and a domain of at least two
/// labels around one '@', no spaces: "Enter an e-mail address such as
/// name@example.com." An empty text is valid.
VESK_FORMS_API Validator email();

/// Runs `validators` in turn and returns the first message; valid when all
/// are. An empty validator among them is refused: the result is empty.
VESK_FORMS_API Validator all(std::vector<Validator> validators);

}  // namespace Validators
}  // namespace Forms
}  // namespace Vesk
