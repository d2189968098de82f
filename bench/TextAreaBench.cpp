// Typing one character into a text area of 40 x 10 cells that holds 100
// lines and one that holds 100,000: the keystroke and the repaint cost the
// same, since an edit lays out its own line and a paint visits the rows
// shown. An idle repaint, and a paste of 1 MB of text, put in as one edit.
//
// CPU time is google-benchmark's; instructions per keystroke and paint:
//   tools/bench-instructions build-bench TextAreaTyping/100 TextAreaTyping/100000
#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <string>
#include <vector>

#include "MeasuredPaint.h"
#include "Terminal.h"
#include "forms/Page.h"
#include "forms/TextArea.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using VeskBench::Terminal;

namespace {

// Lines alike in length for every count, Latin and Cyrillic.
std::string lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "line " + std::to_string(i) + ": строка текста\n";
    }
    return text;
}

struct Area {
    explicit Area(int count) {
        area.position(2, 2);
        area.width(40);
        area.height(10);
        page.attachChild(&area);
        page.activeControl(&area);
        area.text(lines(count));
    }

    Page page;
    TextArea area;
};

// One character typed at the end of a line in the middle of the text, then
// a repaint, both counted; every 10 characters (before the line wraps) one
// undo takes them back, uncounted and untimed.
void TextAreaTyping(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Area field(count);
    Terminal& terminal = *Terminal::current();
    field.area.cursor(count / 2, 0);
    field.page.raiseEvent(Vesk::KeyEnd);
    field.page.paint();
    unsigned long long before = terminal.settle();
    unsigned long long bytes = 0;
    int typed = 0;
    for (auto _ : state) {
        CALLGRIND_TOGGLE_COLLECT;
        field.page.raiseEvent('a' + typed % 26);
        benchmark::DoNotOptimize(VeskBench::measuredPaint(field.page));
        CALLGRIND_TOGGLE_COLLECT;
        state.PauseTiming();
        const unsigned long long after = terminal.settle();
        bytes += after - before;
        before = after;
        if (++typed == 10) {
            typed = 0;
            field.page.raiseEvent(0x1F);
            field.page.paint();
            before = terminal.settle();
        }
        state.ResumeTiming();
    }
    state.counters["bytes_per_paint"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}

// A repaint with nothing changed in a text area of 100,000 lines: the
// screen sends nothing.
void TextAreaIdleRepaint(benchmark::State& state) {
    Area field(100000);
    field.page.paint();
    VeskBench::measurePaints(state, field.page, [] {});
}

// 1 MB of lines of 84 characters, each event of the paste raised on the
// page (as a host hands them on), then one paint.
void TextAreaPaste(benchmark::State& state) {
    Area field(0);
    std::vector<int> events;
    std::size_t bytes = 0;
    for (int phrase = 1; bytes < (1u << 20); ++phrase) {
        for (char32_t code : std::u32string(U"Paste, вставка 貼上 e\u0301 ")) {
            events.push_back(code < 0x80 ? static_cast<int>(code)
                                         : Vesk::KeyCharacter + static_cast<int>(code));
            bytes += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
        }
        if (phrase % 4 == 0) {
            events.push_back(Vesk::PasteLineBreak);
            ++bytes;
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        field.area.text("");
        field.page.paint();
        state.ResumeTiming();
        field.page.raiseEvent(Vesk::PasteBegin);
        for (int event : events) {
            field.page.raiseEvent(event);
        }
        field.page.raiseEvent(Vesk::PasteEnd);
        benchmark::DoNotOptimize(field.page.paint());
    }
    state.counters["lines"] = field.area.lines();
}

BENCHMARK(TextAreaTyping)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(TextAreaIdleRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(TextAreaPaste)->Unit(benchmark::kMillisecond);

}  // namespace
