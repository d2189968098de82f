#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "forms/Queue.h"

using Vesk::Threading::Atomic::Queue;
using namespace std::chrono_literals;

TEST(Queue, KeepsEachProducersOrderAcrossThreads) {
    Queue<int> queue;
    constexpr int perProducer = 5000;
    std::thread first([&] {
        for (int i = 0; i < perProducer; ++i) {
            queue.push(i);
        }
    });
    std::thread second([&] {
        for (int i = perProducer; i < 2 * perProducer; ++i) {
            int value = i;
            queue.push(std::move(value));
        }
    });
    int next[2] = {0, perProducer};
    for (int i = 0; i < 2 * perProducer; ++i) {
        const int value = queue.pop();
        EXPECT_EQ(next[value >= perProducer]++, value);
    }
    first.join();
    second.join();
    EXPECT_EQ(0u, queue.size());
}

TEST(Queue, PopWaitsForPushAndShrinkKeepsContentsAndWakesWithoutValue) {
    Queue<int> queue;
    for (int i = 0; i < 1000; ++i) {
        queue.push(i);
    }
    for (int i = 0; i < 990; ++i) {
        queue.pop();
    }
    queue.shrink();
    for (int i = 990; i < 1000; ++i) {
        EXPECT_EQ(i, queue.pop());
    }

    std::atomic<bool> returned{false};
    int value = 0;
    std::thread consumer([&] {
        value = queue.pop();
        returned = true;
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(returned);
    queue.shrink();
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(returned) << "shrink must not hand out a value";
    queue.push(42);
    consumer.join();
    EXPECT_EQ(42, value);
}
