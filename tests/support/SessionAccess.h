#pragma once

#include "forms/Session.h"

namespace Vesk {
namespace Forms {

// Lets tests look at the session's private state.
struct SessionAccess {
    static std::thread* worker() { return Session::worker; }
    static Vesk::Threading::Timer* collector() { return Session::collector; }
    static void* logfile() { return Session::logfile; }
    static Control** map() { return Session::map; }
};

}  // namespace Forms
}  // namespace Vesk
