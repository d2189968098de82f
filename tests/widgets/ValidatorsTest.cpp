#include <gtest/gtest.h>

#include <string>

#include "forms/Validators.h"

using namespace Vesk::Forms;

TEST(Validators, TakeWhatFitsAndNameWhatIsExpected) {
    const std::string date = R"((0[1-9]|[12]\d|3[01])/(0[1-9]|1[0-2])/\d{4})";
    // clang-format off
    const struct { Validator check; std::string text; std::string message; } cases[] = {
        {Validators::required(), "Анна", ""},
        {Validators::required(), "", "A value is required."},
        {Validators::required(), "   ", "A value is required."},
        {Validators::integer(1, 120), " 42 ", ""},
        {Validators::integer(1, 120), "+120", ""},
        {Validators::integer(1, 120), "", ""},
        {Validators::integer(1, 120), "abc", "Enter a whole number from 1 to 120."},
        {Validators::integer(1, 120), "121", "Enter a whole number from 1 to 120."},
        {Validators::integer(1, 120), "4.0", "Enter a whole number from 1 to 120."},
        {Validators::integer(1, 120), "٤٢", "Enter a whole number from 1 to 120."},
        {Validators::integer(-5, 5), "-5", ""},
        {Validators::integer(0, 9), "99999999999999999999", "Enter a whole number from 0 to 9."},
        {Validators::decimal(0, 9.5), "9.5", ""},
        {Validators::decimal(0, 9.5), "-0.1", "Enter a number from 0 to 9.5."},
        {Validators::decimal(0, 9.5), "1.2.3", "Enter a number from 0 to 9.5."},
        {Validators::decimal(0, 9.5), "1e3", "Enter a number from 0 to 9.5."},
        {Validators::length(2, 4), "Жжж", ""},
        {Validators::length(2, 4), "👍🏽👨‍👩‍👧🇩🇪e\u0301", ""},
        {Validators::length(2, 4), "漢字漢字漢", "Enter 2 to 4 characters."},
        {Validators::length(2, 4), "x", "Enter 2 to 4 characters."},
        {Validators::length(0, 1), "🇩🇪", ""},
        {Validators::length(3, 3), "ab", "Enter 3 characters."},
        {Validators::pattern(date), "28/02/2026", ""},
        // A pattern checks the form, not the calendar.
        {Validators::pattern(date), "31/02/2026", ""},
        {Validators::pattern(date), "31/13/2026", "The value is not in the expected form."},
        {Validators::pattern(date), "1/02/2026", "The value is not in the expected form."},
        {Validators::pattern(date), "28/02/2026x", "The value is not in the expected form."},
        {Validators::email(), "anna.k@пример.рф", ""},
        {Validators::email(), "anna@example", "Enter an e-mail address such as name@example.com."},
        {Validators::email(), "a b@example.com", "Enter an e-mail address such as name@example.com."},
        {Validators::email(), "a@@example.com", "Enter an e-mail address such as name@example.com."},
        {Validators::all({Validators::required(), Validators::email()}), "", "A value is required."},
        {Validators::all({Validators::required(), Validators::email()}), "x@y.z", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_TRUE(c.check) << c.text;
        EXPECT_EQ(c.message, c.check(c.text)) << c.text;
    }
    // An expression that does not compile gives no validator at all.
    EXPECT_FALSE(Validators::pattern("(unclosed"));
    EXPECT_FALSE(Validators::all({Validators::required(), Validators::pattern("[")}));
}
