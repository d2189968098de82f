#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

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
        for (int i = 0; i < perProducer; ++i) {
            int value = perProducer + i;
            queue.push(std::move(value));
        }
    });
    int nextFirst = 0;
    int nextSecond = perProducer;
    for (int i = 0; i < 2 * perProducer; ++i) {
        int value = queue.pop();
        if (value < perProducer) {
            ASSERT_EQ(nextFirst++, value);
        } else {
            ASSERT_EQ(nextSecond++, value);
        }
    }
    first.join();
    second.join();
    EXPECT_EQ(perProducer, nextFirst);
    EXPECT_EQ(2 * perProducer, nextSecond);
    EXPECT_EQ(0u, queue.size());
}

TEST(Queue, PopWaitsForPushAndShrinkWakesWithoutValue) {
    Queue<int> queue;
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
    EXPECT_TRUE(returned);
    EXPECT_EQ(42, value);
}

TEST(Queue, ShrinkKeepsContents) {
    Queue<int> queue;
    for (int i = 0; i < 1000; ++i) {
        queue.push(i);
    }
    for (int i = 0; i < 990; ++i) {
        queue.pop();
    }
    queue.shrink();
    std::vector<int> rest;
    for (int i = 0; i < 10; ++i) {
        rest.push_back(queue.pop());
    }
    EXPECT_EQ((std::vector<int>{990, 991, 992, 993, 994, 995, 996, 997, 998, 999}), rest);
}
