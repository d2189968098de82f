// Dialog: a name on the page and a Rename button that opens a dialog with a
// text box and OK / Cancel, run until it closes. OK keeps the new name,
// Cancel or Esc leaves it as it was.
//
// Keys: Enter on Rename opens the dialog; in it Tab and Shift-Tab go round
// its controls, Enter presses the focused button, Esc cancels. Esc or F10
// on the page quits. The mouse is on.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;
constexpr int Ok = 1;
constexpr int Cancel = 0;

// The page's and the dialog's controls; handlers reach it through data().
struct Form {
    Page page;
    Label name;
    Button rename;
    Dialog dialog;
    Label caption;
    TextBox field;
    Button ok;
    Button cancel;
    std::string current = "Vesk";
};

Form& formOf(void* control) {
    return *static_cast<Form*>(static_cast<Control*>(control)->data());
}

void show(Form& form) {
    std::string text = "Name: " + form.current;
    text.resize(40, ' ');  // never shorter than before
    delete form.name.text(text);
}

// The dialog starts from the current name; run returns the button's result
// (or -1 for Esc) once the dialog has closed.
int rename(int, void* control) {
    Form& form = formOf(control);
    form.field.text(form.current);
    form.dialog.activeControl(&form.field);
    if (form.dialog.run(&form.page) == Ok) {
        form.current = form.field.text();
        show(form);
    }
    return 1;
}

int closeWith(int, void* control) {
    Form& form = formOf(control);
    return form.dialog.close(control == &form.ok ? Ok : Cancel) ? 1 : 0;
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-dialog: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        Form form;
        form.page.tabIntoPages(true);
        form.name.position(1, 2);
        form.name.width(40);
        form.page.attachChild(&form.name);
        form.rename.position(4, 3);
        form.rename.width(12);
        form.rename.text("Rename");
        form.rename.data(&form);
        form.rename.click(rename);
        form.page.attachChild(&form.rename);

        // The dialog's controls count from its top-left cell; its frame
        // takes the outer rows and columns.
        form.dialog.title("Rename");
        form.dialog.width(36);
        form.dialog.height(9);
        form.caption.position(2, 2);
        form.caption.width(20);
        delete form.caption.text("New name");
        form.field.position(3, 2);
        form.field.width(30);
        form.field.background(Blue);
        form.field.color(BrightWhite);
        form.ok.position(6, 3);
        form.ok.text("OK");
        form.cancel.position(6, 21);
        form.cancel.text("Cancel");
        for (Control* control : {static_cast<Control*>(&form.caption),
                                 static_cast<Control*>(&form.field),
                                 static_cast<Control*>(&form.ok),
                                 static_cast<Control*>(&form.cancel)}) {
            control->data(&form);
            form.dialog.attachChild(control);
        }
        form.field.submit(closeWith);  // Enter in the field is OK
        form.field.data(&form);
        form.ok.click(closeWith);
        form.cancel.click(closeWith);

        show(form);
        form.rename.takeFocus();
        form.page.paint();
        for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10 && event != Escape &&
                                event != Vesk::KeyEndOfInput;) {
            form.page.raiseEvent(event);
            form.page.paint();
        }
    }
    Session::stop();
    return 0;
}
