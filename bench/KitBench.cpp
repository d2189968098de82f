// The steps of a test driven through the testing kit, in-process: starting a
// session on the kit's terminal until its form shows, typing a line until it
// shows, and reading the screen back. The benchmark program's own session is
// stopped meanwhile and started again afterwards.
#include <benchmark/benchmark.h>

#include <string>
#include <thread>

#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Session.h"
#include "forms/TextBox.h"
#include "forms/testing/Terminal.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using Vesk::Forms::Testing::Terminal;

namespace {

// A text box whose line goes to the label above it on Enter; F10 ends.
struct LineForm {
    LineForm() {
        shown.position(0, 0);
        shown.width(60);
        field.position(2, 0);
        field.width(60);
        page.attachChild(&shown);
        page.attachChild(&field);
        page.activeControl(&field);
    }

    void run() {
        page.paint();
        for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10;) {
            if (event == Vesk::KeyLineFeed || event == Vesk::KeyEnter) {
                delete shown.text(field.text());
                field.text("");
            } else {
                page.raiseEvent(event);
            }
            page.paint();
        }
    }

    Page page;
    Label shown;
    TextBox field;
};

// Hands the process's session over to the kit's terminal and back.
class OnKitTerminal {
public:
    OnKitTerminal() {
        Session::stop();
        terminal.attach();
        Session::start(Session::None);
    }
    ~OnKitTerminal() {
        Session::stop();
        terminal.detach();
        Session::start(Session::None);
    }
    Terminal terminal{25, 80};
};

void KitStartSession(benchmark::State& state) {
    Session::stop();
    for (auto _ : state) {
        Terminal terminal(25, 80);
        terminal.attach();
        Session::start(Session::None);
        {
            LineForm form;
            delete form.shown.text("Ready");
            form.page.paint();
            if (!terminal.waitFor("Ready")) {
                state.SkipWithError("the form did not show");
            }
        }
        Session::stop();
        terminal.detach();
    }
    Session::start(Session::None);
}
BENCHMARK(KitStartSession)->Unit(benchmark::kMillisecond);

void KitTypeLine(benchmark::State& state) {
    OnKitTerminal kit;
    LineForm form;
    std::thread host([&form] { form.run(); });
    long line = 0;
    for (auto _ : state) {
        const std::string text = "Grüße 世界 " + std::to_string(++line);
        kit.terminal.type(text + "\r");
        if (!kit.terminal.waitUntil([&text](Terminal& t) { return t.row(0) == text; })) {
            state.SkipWithError("the line did not show");
            break;
        }
    }
    kit.terminal.press(Vesk::KeyF10);
    host.join();
}
BENCHMARK(KitTypeLine)->Unit(benchmark::kMicrosecond);

void KitReadText(benchmark::State& state) {
    Terminal terminal(25, 80);
    std::string full;
    for (int row = 0; row < 25; ++row) {
        full += std::string(79, static_cast<char>('a' + row % 26)) + "\r\n";
    }
    terminal.run("sh", {"-c", "printf '%s' \"$0\"; sleep 30", full.substr(0, full.size() - 2)});
    terminal.waitFor(std::string(79, 'y'));
    for (auto _ : state) {
        benchmark::DoNotOptimize(terminal.text());
    }
}
BENCHMARK(KitReadText)->Unit(benchmark::kMicrosecond);

}  // namespace
