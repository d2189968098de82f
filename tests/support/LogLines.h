#pragma once

#include <regex>
#include <string>
#include <vector>

namespace VeskTest {

// The messages of a log file's lines, with each line's time stamp checked
// against the "[YYYY-MM-DD HH:MM:SS] " form; a line of another form is kept
// whole and prefixed with "!malformed: " so that comparisons fail on it.
inline std::vector<std::string> logMessages(const std::string& contents) {
    static const std::regex stamped(R"(^\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\] ([^\n]*)$)");
    std::vector<std::string> messages;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) {
            messages.push_back("!unterminated: " + contents.substr(start));
            break;
        }
        std::string line = contents.substr(start, end - start);
        std::smatch match;
        if (std::regex_match(line, match, stamped)) {
            messages.push_back(match[1]);
        } else {
            messages.push_back("!malformed: " + line);
        }
        start = end + 1;
    }
    return messages;
}

}  // namespace VeskTest
