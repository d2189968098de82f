// Fields that check what is typed: Page::validate over 1,000 fields (one in
// ten invalid, each with its message in a label), and one key typed into a
// text box with maxLength, whose cost must not grow with the text: 100
// characters against 100,000.
#include <benchmark/benchmark.h>

#include <deque>
#include <string>

#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/TextBox.h"
#include "forms/Validators.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;

namespace {

struct ThousandFields {
    ThousandFields() {
        for (int i = 0; i < 1000; ++i) {
            TextBox& box = boxes.emplace_back();
            Label& label = labels.emplace_back();
            box.position(i, 0);
            label.position(i, 25);
            page.attachChild(&box);
            page.attachChild(&label);
            switch (i % 3) {
                case 0:
                    box.validate(Validators::required());
                    box.text(i % 10 == 0 ? "" : "Анна");
                    break;
                case 1:
                    box.validate(Validators::integer(1, 120));
                    box.text(i % 10 == 1 ? "abc" : "42");
                    break;
                default:
                    box.validate(Validators::length(2, 20));
                    box.text(i % 10 == 2 ? "x" : "漢字👍🏽");
                    break;
            }
            box.errorLabel(&label);
        }
    }

    Page page;
    std::deque<TextBox> boxes;
    std::deque<Label> labels;
};

void PageValidate(benchmark::State& state) {
    ThousandFields form;
    int invalid = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(invalid = form.page.validate());
    }
    state.counters["invalid"] = invalid;
}

// A character typed at the end and taken back, one key per iteration, in a
// field of state.range(0) characters whose maxLength leaves room for one.
void KeyWithMaxLength(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    Page page;
    TextBox box;
    page.attachChild(&box);
    page.activeControl(&box);
    box.maxLength(length + 1);
    std::string text;
    for (int i = 0; i < length; ++i) {
        text += i % 3 == 0 ? "é" : i % 3 == 1 ? "가" : "漢";
    }
    box.text(text);
    bool typing = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.raiseEvent(typing ? 'a' : 0x7F));
        typing = !typing;
    }
}

BENCHMARK(PageValidate)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyWithMaxLength)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
