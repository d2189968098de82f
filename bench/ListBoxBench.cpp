// A list box filling most of an 80 x 25 page, focused, with the selection
// in the middle of its items: painting it with 100 items and with 100,000
// costs the same, since only the rows shown are visited. And the time to
// add 100,000 items to an empty list.
//
// CPU time is google-benchmark's. Instructions per paint are counted by
// callgrind, which the paint loop switches on around each paint:
//   valgrind --tool=callgrind --collect-atstart=no --separate-threads=yes \
//       build-bench/bench/vesk-bench --benchmark_filter='^ListPaint/100$'
// and divide the main thread's total (the .out-01 file's "summary") by the
// calls of measuredListPaint (callgrind_annotate --tree=caller).
#include <curses.h>

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <string>
#include <vector>

#include "Terminal.h"
#include "forms/ListBox.h"
#include "forms/Page.h"

using namespace Vesk::Forms;
using VeskBench::Terminal;

namespace {

// The texts of `count` items, built once so that adding measures the list.
std::vector<std::string> itemTexts(int count) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        texts.push_back("item " + std::to_string(i) + ": Grüße, 漢字");
    }
    return texts;
}

__attribute__((noinline)) bool measuredListPaint(Page& page) {
    bool painted = page.paint();
    benchmark::DoNotOptimize(painted);
    return painted;
}

// Paints once per iteration with nothing changed, waiting (untimed) for the
// terminal to read what was sent.
void ListPaint(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Page page;
    ListBox list;
    page.attachChild(&list);
    list.position(2, 2);
    list.width(70);
    list.height(20);
    for (const std::string& text : itemTexts(count)) {
        list.add(text);
    }
    list.selected(count / 2);
    page.activeControl(&list);
    clear();
    page.paint();
    Terminal& terminal = *Terminal::current();
    const unsigned long long before = terminal.settle();
    for (auto _ : state) {
        CALLGRIND_TOGGLE_COLLECT;
        benchmark::DoNotOptimize(measuredListPaint(page));
        CALLGRIND_TOGGLE_COLLECT;
        state.PauseTiming();
        terminal.settle();
        state.ResumeTiming();
    }
    state.counters["bytes_per_paint"] = benchmark::Counter(
        static_cast<double>(terminal.settle() - before), benchmark::Counter::kAvgIterations);
}

// An empty list takes 100,000 items, copied from texts made beforehand.
void AddItems(benchmark::State& state) {
    const std::vector<std::string> texts = itemTexts(100000);
    for (auto _ : state) {
        ListBox list;
        for (const std::string& text : texts) {
            list.add(text);
        }
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        // Freeing the items is not adding them.
        list.clear();
        state.ResumeTiming();
    }
    state.counters["items"] = 100000;
}

BENCHMARK(ListPaint)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(AddItems)->Unit(benchmark::kMillisecond);

}  // namespace
