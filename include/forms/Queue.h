#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace Vesk {
namespace Threading {
namespace Atomic {

/// Unbounded FIFO shared between threads. Every access to the items happens
/// under the mutex; waiters are notified after the lock is released.
template <typename T>
class Queue {
public:
    Queue() = default;
    Queue(const Queue&) = delete;
    Queue& operator=(const Queue&) = delete;

    void push(const T& value) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            items.push_back(value);
        }
        signal.notify_one();
    }

    void push(T&& value) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            items.push_back(std::move(value));
        }
        signal.notify_one();
    }

    /// Blocks until a value is there.
    T pop() {
        std::unique_lock<std::mutex> lock(mutex);
        signal.wait(lock, [this] { return !items.empty(); });
        T value = std::move(items.front());
        items.pop_front();
        return value;
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
