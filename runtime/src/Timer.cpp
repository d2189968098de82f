#include "vesk/Timer.h"

namespace Vesk {
namespace Threading {

Timer::Timer() = default;

Timer::~Timer() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        quitting = true;
        running = false;
    }
    wake.notify_all();
    if (thread.joinable()) {
        thread.join();
    }
}

unsigned Timer::interval() {
    std::lock_guard<std::mutex> lock(mutex);
    return period;
}

unsigned Timer::interval(unsigned milliseconds) {
    if (milliseconds == 0) {
        milliseconds = 1;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        // The pending deadline is one old period after the previous tick;
        // move it to one new period after that same tick.
        deadline += std::chrono::milliseconds(milliseconds) - std::chrono::milliseconds(period);
        period = milliseconds;
    }
    wake.notify_all();
    return milliseconds;
}

bool Timer::tick(Callback newCallback) {
    std::lock_guard<std::mutex> lock(mutex);
    callback = newCallback;
    return true;
}

bool Timer::enabled() {
    std::lock_guard<std::mutex> lock(mutex);
    return running;
}

bool Timer::enabled(bool on) {
    std::unique_lock<std::mutex> lock(mutex);
    if (on) {
        if (!running) {
            running = true;
            ticks = 0;
            deadline = Clock::now() + std::chrono::milliseconds(period);
            if (!thread.joinable()) {
                thread = std::thread(&Timer::run, this);
            }
        }
        lock.unlock();
        wake.notify_all();
        return true;
    }
    running = false;
    wake.notify_all();
    // From the callback itself, waiting for the callback to finish would
    // never end; the thread checks `running` before every tick instead.
    if (std::this_thread::get_id() != thread.get_id()) {
        // Stop waiting if another thread re-enables meanwhile: from then on
        // the callback may run again anyway.
        idle.wait(lock, [this] { return !busy || running; });
    }
    return false;
}

void Timer::run() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!quitting) {
        if (!running) {
            wake.wait(lock);
            continue;
        }
        Clock::time_point now = Clock::now();
        if (now < deadline) {
            // Any notification means the state may have changed: re-check
            // everything, including a deadline moved by interval().
            wake.wait_until(lock, deadline);
            continue;
        }
        deadline += std::chrono::milliseconds(period);
        if (deadline <= now) {
            deadline = now + std::chrono::milliseconds(period);
        }
        // Counted unsigned so that a very long run wraps instead of overflowing.
        const int number = static_cast<int>(++ticks);
        const Callback call = callback;
        if (call == nullptr) {
            continue;
        }
        busy = true;
        lock.unlock();
        call(number, this);
        lock.lock();
        busy = false;
        idle.notify_all();
    }
}

}  // namespace Threading
}  // namespace Vesk
