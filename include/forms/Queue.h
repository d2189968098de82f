#pragma once

/// @file
/// A queue shared between threads.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace Vesk {
namespace Threading {
/// Containers safe to share between threads.
namespace Atomic {

/// Unbounded FIFO shared between threads. Every access to the items happens
/// under the mutex; waiters are notified after the lock is released.
template <typename T>
class Queue {
public:
    /// An empty queue.
    Queue() = default;
    /// Not copyable: the mutex and the waiters belong to this object.
    Queue(const Queue&) = delete;
    /// Not assignable.
    Queue& operator=(const Queue&) = delete;

    /// Appends a copy of `value` and wakes one waiting pop().
    void push(const T& value) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            items.push_back(value);
        }
        signal.notify_one();
    }

    /// Appends `value`, moved, and wakes one waiting pop().
    void push(T&& value) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            items.push_back(std::move(value));
        }
        signal.notify_one();
    }

    /// Blocks until a value is there, then takes the oldest out and returns it.
    T pop() {
        std::unique_lock<std::mutex> lock(mutex);
        signal.wait(lock, [this] { return !items.empty(); });
        T value = std::move(items.front());
        items.pop_front();
        return value;
    }

    /// Takes the oldest value out into `value` and returns true; waits up to
    /// `timeout` for one when the queue is empty, and returns false, leaving
    /// `value` alone, when none came. A value already there is taken at
    /// once, at the cost of pop().
    template <typename Rep, typename Period>
    bool pop(T& value, std::chrono::duration<Rep, Period> timeout) {
        std::unique_lock<std::mutex> lock(mutex);
        if (items.empty() && !signal.wait_for(lock, timeout, [this] { return !items.empty(); })) {
            return false;
        }
        value = std::move(items.front());
        items.pop_front();
        return true;
    }

    /// Gives back storage beyond the contents. The waiter it wakes finds the
    /// queue unchanged and, if it is empty, waits again.
    void shrink() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            items.shrink_to_fit();
        }
        signal.notify_one();
    }

    /// The number of values waiting.
    std::size_t size() {
        std::lock_guard<std::mutex> lock(mutex);
        return items.size();
    }

private:
    std::deque<T> items;
    std::mutex mutex;
    std::condition_variable signal;
};

}  // namespace Atomic
}  // namespace Threading
}  // namespace Vesk
