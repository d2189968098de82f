#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
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
constexpr int Paint = 0x00010000, Tab = 0x9, BackTab = 0x0002015F, PageDown = 0x00020152,
              PageUp = 0x00020153;

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

// The library throws its domain errors by pointer.
template <typename Act>
void expectDomainError(const char* message, Act act) {
    try {
        act();
        ADD_FAILURE() << "nothing thrown";
    } catch (std::domain_error* error) {
        std::unique_ptr<std::domain_error> owned(error);
        EXPECT_STREQ(message, error->what());
    }
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

inline void attach(Container& parent, const List& children) {
    for (Control* child : children) {
        parent.attachChild(child);
    }
}

inline void place(Region& region, int row, int column, int width, int height) {
    region.position(row, column);
    region.width(width);
    region.height(height);
}

inline List controlList(Page& page) {
    List list;
    for (int i = 0; i < page.controlCount(); ++i) {
        list.push_back(page.control(i));
    }
    return list;
}

}  // namespace ControlsTest
