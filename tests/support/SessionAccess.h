#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "forms/Point.h"
#include "forms/Session.h"
#include "session/SessionInternals.h"

namespace Vesk {
namespace Forms {

// Lets tests look at the session's private state.
struct SessionAccess : detail::SessionInternals {
    static std::pair<int, int> screenSize() {
        return {Session::screenWidth(), Session::screenHeight()};
    }
    static Control* at(int row, int column) {
        Point cell(row, column);
        return Session::at(&cell);
    }
    static void fill(int fromRow, int fromColumn, int toRow, int toColumn, Control* control) {
        Point from(fromRow, fromColumn), to(toRow, toColumn);
        Session::fillMap(&from, &to, control);
    }
    // The message of the runtime error `call` throws (the library throws by pointer).
    template <typename Call>
    static std::string errorOf(Call call) {
        try {
            call();
        } catch (std::runtime_error* error) {
            return std::unique_ptr<std::runtime_error>(error)->what();
        }
        return "(nothing thrown)";
    }
};

}  // namespace Forms
}  // namespace Vesk
