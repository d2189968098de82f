// The measuring loop of the event benchmarks: one event raised on a page per
// iteration, with no paint, counted by callgrind when tools/bench-instructions
// runs it.
#pragma once

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include "forms/Page.h"

namespace VeskBench {

// One measured event. Not inlined, so that tools/bench-instructions can count
// its calls as it counts measuredPaint's.
inline __attribute__((noinline)) int measuredEvent(Vesk::Forms::Page& page, int event) {
    const int result = page.raiseEvent(event);
    benchmark::DoNotOptimize(result);
    return result;
}

// Raises `event` on `page` once per iteration; under callgrind only the
// raising is counted. False when any result was not `expected`.
inline bool measureEvents(benchmark::State& state, Vesk::Forms::Page& page, int event,
                          int expected) {
    bool asExpected = true;
    for (auto _ : state) {
        CALLGRIND_TOGGLE_COLLECT;
        const int result = measuredEvent(page, event);
        CALLGRIND_TOGGLE_COLLECT;
        asExpected = asExpected && result == expected;
    }
    return asExpected;
}

}  // namespace VeskBench
