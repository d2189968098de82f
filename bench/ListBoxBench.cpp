// A list box filling most of an 80 x 25 page, focused, with the selection
// in the middle of its items: painting it with 100 items and with 100,000
// costs the same, since only the rows shown are visited. And the time to
// add 100,000 items to an empty list.
//
// CPU time is google-benchmark's; instructions per paint:
//   tools/bench-instructions build-bench ListPaint/100 ListPaint/100000
#include <curses.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MeasuredPaint.h"
#include "Terminal.h"
#include "forms/ListBox.h"
#include "forms/Page.h"

using namespace Vesk::Forms;
using VeskBench::Terminal;

namespace {

// The text of item `index`: alike in length for every index, so that the
// rows shown cost the same in lists of any length.
std::string itemText(int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%06d", index);
    return std::string("item ") + number + ": Grüße, 漢字";
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
    // Added one by one: freeing a whole vector of texts here would leave
    // the heap to be tidied up during the first measured paints.
    for (int i = 0; i < count; ++i) {
        list.add(itemText(i));
    }
    list.selected(count / 2);
    page.activeControl(&list);
    clear();
    page.paint();
    VeskBench::measurePaints(state, page, [] {});
}

// An empty list takes 100,000 items, copied from texts made beforehand.
void AddItems(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < 100000; ++i) {
        texts.push_back(itemText(i));
    }
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
