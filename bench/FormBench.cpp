// Painting the reference form (ReferenceForm.h). Besides the CPU time of a
// paint, bytes_per_paint is what the paint sent to the terminal; the wait
// for the terminal to read it is left out of the time.
#include <benchmark/benchmark.h>

#include <memory>

#include "FormMeasures.h"
#include "MeasuredPaint.h"
#include "ReferenceForm.h"
#include "Terminal.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using VeskBench::ReferenceForm;
using VeskBench::Terminal;

namespace {

template <typename Change>
void measure(benchmark::State& state, ReferenceForm& form, Change change) {
    VeskBench::measurePaints(state, form.root, change);
}

void FullPaint(benchmark::State& state) {
    VeskBench::measureFullPaint(state, 0);
}

void IdleRepaint(benchmark::State& state) {
    VeskBench::measureIdleRepaint(state, 0);
}

// The idle repaint with one unfocused button disabled (1) or not (0): a
// disabled control costs no more than its own cells.
void IdleRepaintOneDisabled(benchmark::State& state) {
    ReferenceForm form;
    form.buttons[2].enabled(state.range(0) == 0);
    form.settleOnScreen();
    measure(state, form, [] {});
}

// KeyRight and KeyLeft alternately: the focus moves between two buttons.
void RepaintAfterFocusMove(benchmark::State& state) {
    ReferenceForm form;
    form.settleOnScreen();
    bool toRight = true;
    bool moved = true;
    measure(state, form, [&] {
        form.root.raiseEvent(toRight ? Vesk::KeyRight : Vesk::KeyLeft);
        moved = moved && (toRight ? form.right : form.left)->focus();
        toRight = !toRight;
    });
    if (!moved) {
        state.SkipWithError("the focus did not move");
    }
}

// Tab and back-tab alternately on the shown page, as the tab set forwards
// them: the focus moves between its first two buttons.
void RepaintAfterTab(benchmark::State& state) {
    ReferenceForm form;
    form.settleOnScreen();
    bool forward = true;
    bool moved = true;
    measure(state, form, [&] {
        form.shown.raiseEvent(forward ? Vesk::KeyTab : Vesk::KeyBackTab);
        moved = moved && (forward ? form.right : form.left)->focus();
        forward = !forward;
    });
    if (!moved) {
        state.SkipWithError("the focus did not move");
    }
}

int countClick(int, void*) {
    return 1;
}

// A left press and release on one of the two buttons, then on the other:
// each click is routed by the screen map, moves the focus and clicks.
void RepaintAfterClick(benchmark::State& state) {
    ReferenceForm form;
    form.left->click(countClick);
    form.right->click(countClick);
    const bool wasOn = Session::mouse();
    Session::mouse(true);
    form.settleOnScreen();
    std::unique_ptr<Point> leftCell(form.left->location());
    std::unique_ptr<Point> rightCell(form.right->location());
    bool toRight = true;
    bool clicked = true;
    measure(state, form, [&] {
        const Point& cell = toRight ? *rightCell : *leftCell;
        form.root.raiseEvent(
            Vesk::MouseEvent(Vesk::MouseButton::Left, true, 0, cell.row, cell.column));
        const int result = form.root.raiseEvent(
            Vesk::MouseEvent(Vesk::MouseButton::Left, false, 0, cell.row, cell.column));
        clicked = clicked && result == 1 && (toRight ? form.right : form.left)->focus();
        toRight = !toRight;
    });
    Session::mouse(wasOn);
    if (!clicked) {
        state.SkipWithError("the click did not land");
    }
}

void ClickLookup(benchmark::State& state) {
    VeskBench::measureClickLookup(state, 0);
}

// One step of a percentage bar of width 50 over 0..99: its text changes
// every step, one of its cells every other step.
void RepaintAfterBarStep(benchmark::State& state) {
    ReferenceForm form;
    form.settleOnScreen();
    ProgressBar& bar = *form.stepped;
    measure(state, form, [&bar] {
        const long double next = bar.value() + 1;
        bar.value(next >= bar.valueMax() ? 0 : next);
    });
}

// No paint: what pausing the timer around the wait costs each iteration.
void MeasurementFloor(benchmark::State& state) {
    Terminal& terminal = *Terminal::current();
    for (auto _ : state) {
        state.PauseTiming();
        terminal.settle();
        state.ResumeTiming();
    }
}

BENCHMARK(FullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(IdleRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(IdleRepaintOneDisabled)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAfterFocusMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAfterTab)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAfterClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAfterBarStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClickLookup)->Unit(benchmark::kNanosecond);
BENCHMARK(MeasurementFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
