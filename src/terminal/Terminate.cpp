#include "terminal/Terminate.h"

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "terminal/SignalState.h"
#include "terminal/TerminalState.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

void tell(const char* message) {
    const std::string line = std::string("vesk-forms: uncaught exception: ") + message + '\n';
    (void)!::write(STDERR_FILENO, line.data(), line.size());
}

[[noreturn]] void onTerminate() {
    // A screen still up would hide the message, and the host's shell would
    // be left in the program's modes.
    if (signalState.active.load()) {
        giveBack();
    }
    if (std::exception_ptr error = std::current_exception()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception* thrown) {
            tell(thrown != nullptr ? thrown->what() : "(null)");
        } catch (const std::exception& thrown) {
            tell(thrown.what());
        } catch (...) {
        }
    }
    if (terminalState.hostTerminate != nullptr) {
        terminalState.hostTerminate();
    }
    std::abort();
}

}  // namespace

void installTerminateHandler() {
    if (!terminalState.terminateInstalled) {
        terminalState.hostTerminate = std::set_terminate(onTerminate);
        terminalState.terminateInstalled = true;
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
