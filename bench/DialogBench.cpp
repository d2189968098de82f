// Dialogs and drop-down lists. Opening a dialog over the reference form
// should send about what the dialog's own cells take, and closing it about
// what the cells it covered take: each is compared with that reference
// (open_ratio, close_ratio). Opening a drop-down list should cost the same
// instructions for 10 items as for 10,000 (tools/bench-instructions).
#include <curses.h>

#include <benchmark/benchmark.h>

#include <string>

#include "MeasuredPaint.h"
#include "ReferenceForm.h"
#include "Terminal.h"
#include "forms/Button.h"
#include "forms/Choice.h"
#include "forms/Dialog.h"
#include "forms/Page.h"
#include "forms/TextBox.h"

using namespace Vesk::Forms;
using VeskBench::ReferenceForm;
using VeskBench::Terminal;

namespace {

// A 10 x 40 dialog with a text box and two buttons, centred.
struct Question {
    Dialog dialog;
    TextBox field;
    Button ok;
    Button cancel;

    Question() {
        dialog.title("Rename 名前");
        field.position(2, 2);
        field.width(30);
        field.text("Grüße, 漢字");
        ok.position(6, 3);
        ok.text("OK");
        cancel.position(6, 21);
        cancel.text("Cancel");
        dialog.attachChild(&field);
        dialog.attachChild(&ok);
        dialog.attachChild(&cancel);
    }
};

// The bytes one paint of `page` sends after `change`.
template <typename Change>
unsigned long long bytesOf(Page& page, Change change) {
    Terminal& terminal = *Terminal::current();
    const unsigned long long before = terminal.settle();
    change();
    VeskBench::measuredPaint(page);
    return terminal.settle() - before;
}

void DialogOverReferenceForm(benchmark::State& state) {
    Question question;
    // References: the dialog's own cells, opened over a blank page, and the
    // cells it covers, painted again over blanks written there by hand.
    Page blank;
    clear();
    blank.paint();
    const unsigned long long dialogCells =
        bytesOf(blank, [&] { question.dialog.open(&blank); });
    question.dialog.close(0);
    blank.paint();

    ReferenceForm form;
    form.settleOnScreen();
    const unsigned long long coveredCells = bytesOf(form.root, [&] {
        const int top = (LINES - question.dialog.height()) / 2;
        const int left = (COLS - question.dialog.width()) / 2;
        for (int row = top; row < top + question.dialog.height(); ++row) {
            mvhline(row, left, ' ', question.dialog.width());
        }
        refresh();
        Terminal::current()->settle();
    });

    unsigned long long opened = 0;
    unsigned long long closed = 0;
    for (auto _ : state) {
        opened += bytesOf(form.root, [&] { question.dialog.open(&form.root); });
        closed += bytesOf(form.root, [&] { question.dialog.close(1); });
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["bytes_open"] = static_cast<double>(opened) / runs;
    state.counters["bytes_dialog_cells"] = static_cast<double>(dialogCells);
    state.counters["bytes_close"] = static_cast<double>(closed) / runs;
    state.counters["bytes_covered_cells"] = static_cast<double>(coveredCells);
    state.counters["open_ratio"] = static_cast<double>(opened) / runs / dialogCells;
    state.counters["close_ratio"] = static_cast<double>(closed) / runs / coveredCells;
}

// Opens the list of a choice of `range(0)` items at the middle one and
// paints it, per iteration.
void ChoiceOpen(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Page page;
    Choice choice;
    choice.position(2, 2);
    choice.width(40);
    for (int i = 0; i < count; ++i) {
        choice.add("item " + std::to_string(1000000 + i) + ": Grüße, 漢字");
    }
    choice.selected(count / 2);
    page.attachChild(&choice);
    choice.takeFocus();
    clear();
    page.paint();
    VeskBench::measurePaints(state, page, [&choice] {
        choice.opened(false);
        choice.opened(true);
    });
}

}  // namespace

BENCHMARK(DialogOverReferenceForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChoiceOpen)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);
