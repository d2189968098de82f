#pragma once

#include "forms/Session.h"
#include "session/ScreenMap.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The session's private state, for the library's own code (the control
// destructor) and its tests; not part of the API.
struct SessionInternals {
    static std::thread* worker() { return Session::worker; }
    static Vesk::Threading::Timer* collector() { return Session::collector; }
    static void* logfile() { return Session::logfile; }
    static ScreenMap* map() { return Session::map; }
    // The field keys reached after the last routing (see controls/Checks.h).
    static Control*& keysField() { return Session::keysField; }
    // Clears the map cells of a control that is being destroyed.
    static void forgetControl(Control* control) { Session::forgetControl(control); }
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
