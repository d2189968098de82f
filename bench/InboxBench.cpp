// Taking an event that already waits in the inbox: the blocking getEvent
// against getEvent with a timeout. Each iteration posts one event and takes
// it, so the two differ only in how they take it.
#include <benchmark/benchmark.h>

#include <chrono>

#include "forms/Session.h"

using Vesk::Forms::Session;

namespace {

constexpr auto Waiting = static_cast<Vesk::Event>(0x00040001);

void GetEventBlocking(benchmark::State& state) {
    for (auto _ : state) {
        Session::setEvent(Waiting);
        benchmark::DoNotOptimize(Session::getEvent());
    }
}
BENCHMARK(GetEventBlocking);

void GetEventWithTimeout(benchmark::State& state) {
    for (auto _ : state) {
        Session::setEvent(Waiting);
        benchmark::DoNotOptimize(Session::getEvent(std::chrono::milliseconds(100)));
    }
}
BENCHMARK(GetEventWithTimeout);

}  // namespace
