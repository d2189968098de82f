#pragma once

namespace Vesk {
namespace Forms {
namespace detail {

// Puts in, once per process and chained to the handler it replaces, a
// std::terminate handler that gives the terminal back when a session runs
// and then prints the message of the uncaught std::exception (or, as the
// library throws them, std::exception*) on standard error. It stays for the
// life of the process: an error thrown by start is thrown after the session
// is undone, and an uncaught one must still be told.
void installTerminateHandler();

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
