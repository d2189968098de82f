#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "vesk/Timer.h"

using Vesk::Threading::Timer;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Timer recording what its callback saw; the callback's void* is the timer.
struct Probe : Timer {
    std::atomic<int> calls{0}, lastTick{0}, stopAt{0};
    std::atomic<bool> inside{false}, inOrder{true}, stoppedItself{false};
    std::thread::id creator = std::this_thread::get_id();
    std::chrono::milliseconds work{0};

    explicit Probe(unsigned period) {
        interval(period);
        tick(onTick);
    }
    ~Probe() { enabled(false); }

    static int onTick(int number, void* timer) {
        auto* self = static_cast<Probe*>(static_cast<Timer*>(timer));
        self->inside = true;
        if (number != self->lastTick.exchange(number) + 1 ||
            std::this_thread::get_id() == self->creator) {
            self->inOrder = false;
        }
        std::this_thread::sleep_for(self->work);
        if (number == self->stopAt) {
            self->stoppedItself = !self->enabled(false);
        }
        self->inside = false;
        return ++self->calls;
    }
};

template <typename Condition>
bool eventually(Condition condition) {
    for (const auto limit = Clock::now() + 5s; !condition(); std::this_thread::sleep_for(1ms)) {
        if (Clock::now() > limit) {
            return false;
        }
    }
    return true;
}

std::atomic<int> plainCalls{0};
int countCall(int, void*) {
    return ++plainCalls;
}

}  // namespace

TEST(Timer, TicksInOrderOnItsOwnThreadRestartingTheCountOnReenable) {
    Timer bare;
    EXPECT_EQ(bare.interval(0), 1u);
    EXPECT_TRUE(bare.enabled(true));  // ticks with nothing to call
    std::this_thread::sleep_for(5ms);
    EXPECT_FALSE(bare.enabled(false));

    Probe probe(10);
    const auto start = Clock::now();
    probe.enabled(true);
    ASSERT_TRUE(eventually([&] { return probe.calls >= 1; }));
    EXPECT_GE(Clock::now() - start, 10ms);
    ASSERT_TRUE(eventually([&] { return probe.calls >= 3; }));
    probe.enabled(false);
    probe.lastTick = 0;
    probe.enabled(true);
    ASSERT_TRUE(eventually([&] { return probe.lastTick >= 2; }));
    probe.enabled(false);
    EXPECT_TRUE(probe.inOrder);

    // A new interval takes over the pending tick.
    Probe slow(15000);
    slow.enabled(true);
    slow.interval(10);
    EXPECT_TRUE(eventually([&] { return slow.calls >= 2; }));
}

TEST(Timer, DisableWaitsForTheCallbackAndWorksFromInsideIt) {
    Probe busy(5);
    busy.work = 50ms;
    busy.enabled(true);
    ASSERT_TRUE(eventually([&] { return busy.inside.load(); }));
    busy.enabled(false);
    EXPECT_FALSE(busy.inside);
    const int calls = busy.calls;

    Probe self(5);
    self.stopAt = 2;
    self.enabled(true);
    ASSERT_TRUE(eventually([&] { return self.stoppedItself.load(); }));
    EXPECT_FALSE(self.enabled());
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(busy.calls, calls);
    EXPECT_EQ(self.calls, 2);
}

TEST(Timer, DestructorReturnsPromptlyAndStopsCallbacks) {
    auto slow = std::make_unique<Timer>();
    slow->interval(15000);
    slow->tick(countCall);
    slow->enabled(true);
    std::this_thread::sleep_for(20ms);  // let the thread settle into its 15 s wait
    const auto start = Clock::now();
    slow.reset();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_EQ(plainCalls, 0);

    auto fast = std::make_unique<Timer>();
    fast->interval(2);
    fast->tick(countCall);
    fast->enabled(true);
    ASSERT_TRUE(eventually([] { return plainCalls >= 2; }));
    fast.reset();
    const int calls = plainCalls;
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(plainCalls, calls);
}
