// A consumer's own test of its form through the installed testing kit: the
// form runs in this process on the kit's terminal, a key clicks its button
// and the screen shows the result.
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"
#include "forms/testing/Terminal.h"

using namespace Vesk::Forms;

namespace {

Label* greeting = nullptr;

int greet(int, void*) {
    delete greeting->text("Grüße, 世界!");
    return 1;
}

bool check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "kit-consumer: %s\n", what);
    }
    return condition;
}

}  // namespace

int main() {
    Testing::Terminal terminal(10, 40);
    if (!check(terminal.attach(), "attach refused")) {
        return 1;
    }
    bool passed = false;
    try {
        Session::start(Session::None);
        {
            Page page;
            Label label;
            label.position(1, 2);
            label.width(30);
            delete label.text("Press Enter");
            greeting = &label;
            Button button;
            button.text("Greet");
            button.position(3, 2);
            button.click(greet);
            page.attachChild(&label);
            page.attachChild(&button);
            page.activeControl(&button);
            page.paint();
            passed = check(terminal.waitFor("Press Enter"), "no form shown") &&
                     check(terminal.press(Vesk::KeyEnter), "Enter refused");
            if (passed) {
                page.raiseEvent(Session::getEvent());
                page.paint();
                const Testing::WaitResult greeted = terminal.waitFor("Grüße, 世界!");
                if (!greeted) {
                    std::ostringstream seen;
                    seen << greeted;
                    std::fprintf(stderr, "%s", seen.str().c_str());
                }
                passed = check(greeted, "no greeting shown") &&
                         check(terminal.cell(1, 9).text == "世", "wrong cell") &&
                         check(terminal.find("世界") == Testing::Position{1, 9}, "not found") &&
                         check(terminal.cells(1, 2, 11) == "Grüße, 世", "wrong cells");
            }
        }
        Session::stop();
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);
        check(false, owned->what());
    }
    terminal.detach();
    std::printf("kit-consumer: %s\n", passed ? "the form was driven" : "FAILED");
    return passed ? 0 : 1;
}
