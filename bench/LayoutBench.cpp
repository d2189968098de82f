// Stacks and grids: the reference form laid out by them against the same
// form placed by hand (FormBench.cpp's FullPaint and IdleRepaint), and the
// cost of laying out a thousand children.
#include <benchmark/benchmark.h>

#include <curses.h>

#include <deque>
#include <memory>
#include <string>

#include "LaidOutForm.h"
#include "MeasuredPaint.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Stack.h"

namespace {

void LaidOutFullPaint(benchmark::State& state) {
    VeskBench::LaidOutForm form;
    form.settleOnScreen();
    VeskBench::measurePaints(state, form.root, [] { clearok(curscr, TRUE); });
}

// Nothing changed: the layouts find their input as it was and move nothing.
void LaidOutIdleRepaint(benchmark::State& state) {
    VeskBench::LaidOutForm form;
    form.settleOnScreen();
    VeskBench::measurePaints(state, form.root, [] {});
}

// A stack of 1,000 labels whose width changes at each paint, so that every
// child is measured and placed again; only the first rows show, so the
// paint is mostly the layout.
void LayoutThousandChildren(benchmark::State& state) {
    using namespace Vesk::Forms;
    Page root;
    Stack stack;
    std::deque<Label> labels;
    root.attachChild(&stack);
    stack.height(10);
    stack.width(40);
    for (int i = 0; i < 1000; ++i) {
        Label& label = labels.emplace_back();
        stack.attachChild(&label);
        std::unique_ptr<std::string> stored(label.text("Feld " + std::to_string(i)));
    }
    root.paint();
    bool wide = false;
    VeskBench::measurePaints(state, root, [&] {
        wide = !wide;
        stack.width(wide ? 41 : 40);
    });
}

BENCHMARK(LaidOutFullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(LaidOutIdleRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(LayoutThousandChildren)->Unit(benchmark::kMicrosecond);

}  // namespace
