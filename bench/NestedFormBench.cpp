// The reference form with every control six holders deep: five plain
// containers, overflowing and the size of their page, between the root page
// or the shown page and each of its controls. The frames are derived once
// per holder in the paint walk and a click is one map lookup, so these
// should cost about what the flat form's do.
#include <benchmark/benchmark.h>

#include "FormMeasures.h"

namespace {

constexpr int Depth = 5;

void NestedFullPaint(benchmark::State& state) {
    VeskBench::measureFullPaint(state, Depth);
}

void NestedIdleRepaint(benchmark::State& state) {
    VeskBench::measureIdleRepaint(state, Depth);
}

void NestedClickLookup(benchmark::State& state) {
    VeskBench::measureClickLookup(state, Depth);
}

BENCHMARK(NestedFullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(NestedIdleRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(NestedClickLookup)->Unit(benchmark::kNanosecond);

}  // namespace
