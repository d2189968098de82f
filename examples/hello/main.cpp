// Hello: a label and a button that changes it; Esc or F10 quits.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

Label* greeting = nullptr;

int greet(int, void*) {
    delete greeting->text("Hello, world!");  // text() hands back a copy to delete
    return 1;
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "hello: %s\n", owned->what());
        return 1;
    }
    {
        Page page;  // the whole screen
        Label label;
        label.position(1, 2);
        label.width(30);
        delete label.text("Press Enter to be greeted.");
        page.attachChild(&label);
        greeting = &label;

        Button button;
        button.text("Greet me");
        button.position(3, 2);
        button.width(14);
        button.click(greet);
        page.attachChild(&button);
        page.activeControl(&button);

        page.paint();
        for (;;) {
            const Vesk::Event event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == 0x1B) {  // F10 or Esc
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
