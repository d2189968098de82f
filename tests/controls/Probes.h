#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "forms/Forms.h"
#include "support/LogLines.h"
#include "support/PseudoTerminal.h"

namespace ControlsTest {

using namespace Vesk::Forms;
using Calls = std::vector<std::pair<int, void*>>;
using Lines = std::vector<std::string>;
using List = std::vector<Control*>;

// A plain control whose can-focus flag the test chooses.
struct Probe : Control {
    explicit Probe(bool canFocus = true) { focusable = canFocus; }
};

// Handler calls in order, with the control each was raised on.
inline Calls calls;
inline int answer = 0;
inline int record(int event, void* control) {
    calls.emplace_back(event, control);
    return answer;
}

inline bool tagIs(Vesk::Object& object, const char* tag) {
    return std::strncmp(object.tag, tag, sizeof object.tag) == 0;
}

// Dispatch and navigation lines of the log, without the session's own.
inline Lines routingLines() {
    Lines lines;
    for (const std::string& line :
         VeskTest::logMessages(VeskTest::PseudoTerminal::readFile("VeskForms.log"))) {
        if (line.rfind("Event", 0) == 0 || line.find("navigation") != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

inline List controlList(Page& page) {
    List list;
    for (int i = 0; i < page.controlCount(); ++i) {
        list.push_back(page.control(i));
    }
    return list;
}

}  // namespace ControlsTest
