#pragma once

/// @file
/// A periodic timer on a thread of its own.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "vesk/Export.h"

namespace Vesk {
/// Threads and what they share: the timer and the inbox queue.
namespace Threading {

/// Periodic timer running its callback on a thread of its own. The callback
/// receives the number of the tick (counted from 1 since the last enable)
/// and the timer itself. The first tick comes one period after enable; later
/// ticks keep a steady cadence, except that a callback running past the next
/// deadline does not cause a burst of catch-up ticks.
///
/// The timer must not be destroyed from inside its own callback.
class VESK_API Timer {
public:
    /// Receives the tick number (from 1) and the timer; its result is not used.
    using Callback = int (*)(int, void*);

    /// A disabled timer with a period of 1000 ms and no callback. Its thread
    /// starts at the first enabled(true).
    Timer();
    /// Stops the ticks, waits for a running callback to return and joins the
    /// timer's thread.
    ~Timer();
    /// Not copyable: the thread works on this object.
    Timer(const Timer&) = delete;
    /// Not assignable.
    Timer& operator=(const Timer&) = delete;

    /// The period in milliseconds.
    unsigned interval();
    /// Period in milliseconds; a running timer takes the new period from its
    /// next tick, which then comes one new period after the previous tick (or
    /// after the enable), at once if that moment has already passed. 0 is
    /// stored as 1.
    unsigned interval(unsigned milliseconds);

    /// Stores the callback for the next ticks and returns true. A null
    /// callback leaves the timer ticking without calling anything.
    bool tick(Callback callback);

    /// Whether the timer ticks.
    bool enabled();
    /// Starts (true) or stops (false) the ticks and returns the new state; a
    /// stopped timer that starts counts its ticks from 1 again.
    /// enabled(false) returns only when the callback is not running and will
    /// not run again until the next enabled(true). Calling it from inside
    /// the callback stops further ticks without waiting for itself.
    bool enabled(bool on);

private:
    using Clock = std::chrono::steady_clock;

    VESK_LOCAL void run();

    std::mutex mutex;
    std::condition_variable wake;  // to the timer thread: state changed
    std::condition_variable idle;  // from the timer thread: callback returned
    std::thread thread;            // started by the first enable
    Callback callback = nullptr;
    unsigned period = 1000;
    unsigned ticks = 0;
    Clock::time_point deadline;
    bool running = false;
    bool quitting = false;
    bool busy = false;  // the callback is executing
};

}  // namespace Threading
}  // namespace Vesk
