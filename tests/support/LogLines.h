#pragma once

#include <cctype>
#include <string>
#include <vector>

namespace VeskTest {

// True when `line` starts with "[YYYY-MM-DD HH:MM:SS] ".
inline bool stamped(const std::string& line) {
    static const char shape[] = "[dddd-dd-dd dd:dd:dd] ";
    if (line.size() < sizeof shape - 1) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < sizeof shape; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (shape[i] == 'd' ? !digit : line[i] != shape[i]) {
            return false;
        }
    }
    return true;
}

// The messages of a log file's lines, each line's time stamp checked; a line
// of another form is kept whole and prefixed with "!malformed: " so that
// comparisons fail on it.
inline std::vector<std::string> logMessages(const std::string& contents) {
    std::vector<std::string> messages;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) {
            messages.push_back("!unterminated: " + contents.substr(start));
            break;
        }
        std::string line = contents.substr(start, end - start);
        messages.push_back(stamped(line) ? line.substr(22) : "!malformed: " + line);
        start = end + 1;
    }
    return messages;
}

}  // namespace VeskTest
