// The measuring loop of the paint benchmarks: a change and a paint per
// iteration, counted by callgrind when tools/bench-instructions runs it.
#pragma once

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include "Terminal.h"
#include "forms/Page.h"

namespace VeskBench {

// One measured paint. Not inlined, so that tools/bench-instructions can count
// its calls (every run of a benchmark, the estimating ones included) and
// divide the instructions collected by them.
inline __attribute__((noinline)) bool measuredPaint(Vesk::Forms::Page& page) {
    bool painted = page.paint();
    // Keeps the call a call, not a jump callgrind would not count.
    benchmark::DoNotOptimize(painted);
    return painted;
}

// Runs `change` and a paint of `page` per iteration, then waits (untimed)
// until the terminal has read everything the paint sent, so each paint starts
// with the terminal idle and every byte is counted in the iteration that sent
// it. Under callgrind only the change and the paint are counted; elsewhere the
// toggles are no-ops.
template <typename Change>
void measurePaints(benchmark::State& state, Vesk::Forms::Page& page, Change change) {
    Terminal& terminal = *Terminal::current();
    const unsigned long long before = terminal.settle();
    for (auto _ : state) {
        CALLGRIND_TOGGLE_COLLECT;
        change();
        benchmark::DoNotOptimize(measuredPaint(page));
        CALLGRIND_TOGGLE_COLLECT;
        state.PauseTiming();
        terminal.settle();
        state.ResumeTiming();
    }
    state.counters["bytes_per_paint"] = benchmark::Counter(
        static_cast<double>(terminal.settle() - before), benchmark::Counter::kAvgIterations);
}

}  // namespace VeskBench
