// Painting a page of N labels into a real curses screen whose output goes to
// a pseudo-terminal. Items are labels, so items per second is the cost of one
// control.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/Label.h"
#include "forms/Page.h"

using namespace Vesk::Forms;

namespace {

struct Form {
    explicit Form(int count) {
        for (int i = 0; i < count; ++i) {
            auto label = std::make_unique<Label>();
            label->position(i % 24, (i / 24) % 8 * 10);
            label->width(10);
            std::unique_ptr<std::string> stored(label->text("Label " + std::to_string(i % 1000)));
            page.attachChild(label.get());
            labels.push_back(std::move(label));
        }
    }

    Page page;
    std::vector<std::unique_ptr<Label>> labels;
};

// Repaints an unchanged page: every label is drawn, curses sends nothing.
void PaintUnchanged(benchmark::State& state) {
    Form form(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(form.page.paint());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Changes every text (same length, so no clear) before each paint, so that
// the changed cells travel through the pseudo-terminal.
void PaintChanged(benchmark::State& state) {
    Form form(static_cast<int>(state.range(0)));
    const std::string texts[] = {"Alpha", "Omega"};
    int round = 0;
    for (auto _ : state) {
        for (auto& label : form.labels) {
            std::unique_ptr<std::string> stored(label->text(texts[round & 1]));
        }
        ++round;
        benchmark::DoNotOptimize(form.page.paint());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(PaintUnchanged)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(PaintChanged)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace
