#pragma once

#include <memory>
#include <ostream>
#include <streambuf>

namespace Vesk {
namespace Forms {
namespace detail {

// The session's log, "VeskForms.log" in the current directory, emptied. Only
// a regular file is written (created when missing); a named pipe, a socket or
// a device is not opened for good and never blocks the start, a symbolic
// link is not followed (its target is neither created nor emptied), and the
// stream then drops what is written to it, as one that failed to open.
class LogFile {
public:
    LogFile();
    std::ostream& stream() { return out; }

private:
    std::unique_ptr<std::streambuf> buffer;
    std::ostream out{nullptr};
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
