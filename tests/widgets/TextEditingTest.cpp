#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "widgets/TextEditing.h"

using namespace Vesk::Forms::detail;

namespace {

long long count(const std::string& text, bool unicode) {
    return countCharacters(text, 0, text.size(), unicode, LLONG_MAX - 1);
}

}  // namespace

// A field keeps its count from what replaceCharacters reports: whatever is
// put in or taken out, anywhere, the count must equal a count of the whole
// text, also where an edit joins or parts characters around it (a mark, a
// skin tone, a joiner, regional letters that pair anew, jamo).
TEST(TextEditing, EditsReportTheChangeInCharactersOfTheWholeText) {
    const std::vector<std::string> texts = {
        "",       "abc", "👍🏽x👨‍👩‍👧", "🇩🇪🇫🇷🇮🇹", "e\u0301漢\u1100\u1161\u11a8",
        "\u0301a", "가각한\u11a8"};
    const std::vector<std::string> pieces = {"",  "q", "\u0301", "🏽", "\u200d",
                                             "👧", "🇦", "\u1161", "漢字"};
    for (bool unicode : {true, false}) {
        for (const std::string& text : texts) {
            for (std::size_t from = 0; from <= text.size(); ++from) {
                if (from < text.size() && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) {
                    continue;  // between code points only
                }
                for (std::size_t to = from;; to = nextCharacter(text, to, false)) {
                    for (const std::string& piece : pieces) {
                        std::string edited = text;
                        const long long change =
                            replaceCharacters(edited, from, to, piece, unicode);
                        const std::string expected = text.substr(0, from) + piece + text.substr(to);
                        ASSERT_EQ(expected, edited);
                        ASSERT_EQ(count(expected, unicode) - count(text, unicode), change)
                            << text << " [" << from << "," << to << ") " << piece << " " << unicode;
                    }
                    if (to == text.size()) {
                        break;
                    }
                }
            }
        }
    }
}
