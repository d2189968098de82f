// Typing into a text box of 40 cells that holds 1,000 characters, on a root
// page of the whole screen. bytes_per_paint is what the repaint after one
// keystroke sent to the terminal; the wait for the terminal to read it is
// left out of the time.
#include <benchmark/benchmark.h>

#include <string>

#include "Terminal.h"
#include "forms/Page.h"
#include "forms/TextBox.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using VeskBench::Terminal;

namespace {

const std::string Start(1000, 'x');

struct Field {
    Field() {
        box.position(10, 20);
        box.width(40);
        page.attachChild(&box);
        page.activeControl(&box);
        box.text(Start);
    }

    Page page;
    TextBox box;
};

// One character typed at the end, then a repaint. Every 500 keystrokes the
// field starts again from 1,000 characters, untimed and uncounted.
void TypeAndRepaint(benchmark::State& state) {
    Field field;
    Terminal& terminal = *Terminal::current();
    field.page.paint();
    unsigned long long bytes = 0;
    unsigned long long before = terminal.settle();
    int typed = 0;
    for (auto _ : state) {
        field.page.raiseEvent('a' + typed % 26);
        benchmark::DoNotOptimize(field.page.paint());
        state.PauseTiming();
        const unsigned long long after = terminal.settle();
        bytes += after - before;
        before = after;
        if (++typed == 500) {
            typed = 0;
            field.box.text(Start);
            field.page.paint();
            before = terminal.settle();
        }
        state.ResumeTiming();
    }
    state.counters["bytes_per_paint"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}

// The keystroke alone: a character typed at the end and taken back again,
// one key per iteration.
void Keystroke(benchmark::State& state) {
    Field field;
    bool typing = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(field.page.raiseEvent(typing ? 'a' : 0x7F));
        typing = !typing;
    }
}

BENCHMARK(TypeAndRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
