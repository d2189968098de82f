// The reference form's measures that the nested form (NestedFormBench.cpp)
// repeats at depth: one body each, given how many containers stand between
// each page and its controls (see ReferenceForm).
#pragma once

#include <curses.h>

#include <benchmark/benchmark.h>

#include <memory>

#include "MeasuredEvent.h"
#include "MeasuredPaint.h"
#include "ReferenceForm.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "vesk/Event.h"

namespace VeskBench {

// Invalidates the terminal's picture (curscr, not the form's window), so
// curses clears the terminal and sends every cell while the form paints
// exactly what it paints when nothing changed.
inline void measureFullPaint(benchmark::State& state, int depth) {
    ReferenceForm form(depth);
    form.settleOnScreen();
    measurePaints(state, form.root, [] { clearok(curscr, TRUE); });
}

inline void measureIdleRepaint(benchmark::State& state, int depth) {
    ReferenceForm form(depth);
    form.settleOnScreen();
    measurePaints(state, form.root, [] {});
}

// A left press on the focused button, routed by the root page: one lookup
// in the screen map finds the button with its own cell, whatever its depth,
// and the focus stays where it is. No paint.
inline void measureClickLookup(benchmark::State& state, int depth) {
    ReferenceForm form(depth);
    const bool wasOn = Vesk::Forms::Session::mouse();
    Vesk::Forms::Session::mouse(true);
    form.settleOnScreen();
    std::unique_ptr<Vesk::Forms::Point> cell(form.left->location());
    const int press = Vesk::MouseEvent(Vesk::MouseButton::Left, true, 0, cell->row, cell->column);
    const bool landed = measureEvents(state, form.root, press, 1) && form.left->focus();
    Vesk::Forms::Session::mouse(wasOn);
    if (!landed) {
        state.SkipWithError("the press did not land");
    }
}

}  // namespace VeskBench
