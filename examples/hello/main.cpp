// Hello: a label and a button that changes it; Esc or F10 quits.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

// What the handler changes. main() owns it; the button carries its address.
struct Form {
    Label greeting;
};

// A handler receives only the control; its data() leads back to the form.
Form* formOf(void* control) {
    return static_cast<Form*>(static_cast<Control*>(control)->data());
}

int greet(int, void* control) {
    delete formOf(control)->greeting.text("Hello, world!");  // text() hands back a copy to delete
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
        Form form;
        form.greeting.position(1, 2);
        form.greeting.width(30);
        delete form.greeting.text("Press Enter to be greeted.");
        page.attachChild(&form.greeting);

        Button button;
        button.text("Greet me");
        button.position(3, 2);
        button.width(14);
        button.click(greet);
        button.data(&form);  // for greet()
        page.attachChild(&button);
        page.activeControl(&button);

        page.paint();
        for (;;) {
            const Vesk::Event event = Session::getEvent();
            // F10 or Esc, or no more keys to come (input from a closed pipe)
            if (event == Vesk::KeyF10 || event == 0x1B || event == Vesk::KeyEndOfInput) {
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
