// A scroll box of 18 rows on an 80 x 25 root page, holding N text boxes one
// a row (each with its text): a repaint with nothing changed, for 20 and
// 1,000 fields (only the fields in view are painted, so the two should
// cost alike); Tab from field to field among the 1,000, to set against
// RepaintAfterTab on the reference form; and a scroll by one row, whose bytes_per_paint is
// what the terminal receives, with curses rewriting the changed cells and
// with the terminal scrolling its own lines (idlok).
#include <curses.h>

#include <benchmark/benchmark.h>

#include <deque>
#include <string>

#include "MeasuredPaint.h"
#include "Terminal.h"
#include "forms/Page.h"
#include "forms/ScrollBox.h"
#include "forms/TextBox.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using VeskBench::Terminal;

namespace {

class LongForm {
public:
    explicit LongForm(int fields) {
        box.position(2, 0);
        box.width(80);
        box.height(18);
        root.attachChild(&box);
        for (int i = 0; i < fields; ++i) {
            TextBox& field = boxes.emplace_back();
            field.position(i, 10);
            field.width(40);
            box.attachChild(&field);
            field.text("field " + std::to_string(i));
        }
        boxes.front().takeFocus();
    }

    void settleOnScreen() {
        clear();
        root.paint();
        Terminal::current()->settle();
    }

    Page root;
    ScrollBox box;
    std::deque<TextBox> boxes;
};

void ScrollBoxRepaint(benchmark::State& state) {
    LongForm form(static_cast<int>(state.range(0)));
    form.settleOnScreen();
    VeskBench::measurePaints(state, form.root, [] {});
}

// Tab and back-tab in turn between two fields in the middle of the 1,000
// (range 0), as RepaintAfterTab does on the reference form; or Tab on and on
// through all of them (range 1), so that past the bottom edge every Tab
// scrolls the box by a row and every row of it changes (from the last
// field, back to the first once in 1,000).
void ScrollBoxTab(benchmark::State& state) {
    LongForm form(1000);
    const bool through = state.range(0) != 0;
    form.boxes[through ? 0 : 500].takeFocus();
    form.settleOnScreen();
    bool forward = true;
    bool moved = true;
    VeskBench::measurePaints(state, form.root, [&] {
        if (through && form.boxes.back().focus()) {
            form.boxes.front().takeFocus();
            return;
        }
        Control* before = form.root.activeControl();
        form.root.raiseEvent(forward || through ? Vesk::KeyTab : Vesk::KeyBackTab);
        forward = !forward;
        moved = moved && form.root.activeControl() != before;
    });
    if (!moved) {
        state.SkipWithError("the focus did not move");
    }
}

// Down by one row and up again in turn; range(0) turns the terminal's own
// line scrolling on.
void ScrollBoxScrollOneRow(benchmark::State& state) {
    LongForm form(1000);
    idlok(stdscr, state.range(0) != 0);
    form.settleOnScreen();
    VeskBench::measurePaints(state, form.root, [&] {
        form.box.scrollRow(form.box.scrollRow() == 0 ? 1 : 0);
    });
    idlok(stdscr, FALSE);
}

BENCHMARK(ScrollBoxRepaint)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBoxTab)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBoxScrollOneRow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
