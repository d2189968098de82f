#include <ctime>
#include <mutex>

#include "forms/Session.h"
#include "session/LogFile.h"

namespace Vesk {
namespace Forms {

namespace {
// Serialises whole lines: the worker logs its id while the host thread may
// be logging the curses set-up.
std::mutex& logLock() {
    static std::mutex lock;
    return lock;
}
}  // namespace

bool Session::log(std::string message, Logging level) {
    if (logfile == nullptr) {
        return false;
    }
    if (static_cast<std::int32_t>(loglevel) < static_cast<std::int32_t>(level)) {
        return false;
    }

    std::lock_guard<std::mutex> lock(logLock());
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[80];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);

    std::ostream& stream = static_cast<detail::LogFile*>(logfile)->stream();
    stream << '[' << stamp << "] " << message << '\n';
    stream.flush();
    return true;
}

}  // namespace Forms
}  // namespace Vesk
