// Login: a user name, an e-mail address, a password, a "Remember me" check
// box and a Sign in button. Each field checks what is typed (a validator)
// and shows what is wrong in a label under it; a welcome shows below.
//
// Keys: Tab, Shift-Tab and the arrows move between the fields, Enter in a
// field (or on the button) signs in, Space toggles the check box, Esc or F10
// quits. The mouse is on: a click places the caret, toggles or presses.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;
constexpr int MinimumPassword = 8;

// The controls the handler reads and writes. main() owns the form, and each
// control that runs signIn carries its address (Control::data).
struct Form {
    Page* page = nullptr;
    TextBox name;
    TextBox email;
    TextBox password;
    Label nameError;
    Label emailError;
    Label passwordError;
    CheckBox remember;
    Label message;
};

// Handlers are plain functions that receive only the control: its data()
// leads back to the form.
Form* formOf(void* control) {
    return static_cast<Form*>(static_cast<Control*>(control)->data());
}

// A label given a shorter text than before blanks the whole screen for the
// next paint; padded to the label's width, the text never is shorter.
void say(Label& message, const std::string& text, Color color) {
    std::string padded = text;
    padded.resize(static_cast<std::size_t>(message.width()), ' ');
    message.color(color);
    delete message.text(padded);  // text() hands back a copy to delete
}

// Runs for Enter in a field and for the button. A handler gets the event and
// the control it was raised on; non-zero means "handled". A field runs it
// only when its own text is valid; Page::validate checks them all and puts
// the focus in the first field at fault.
int signIn(int, void* control) {
    Form& form = *formOf(control);
    if (form.page->validate() > 0) {
        say(form.message, "Please correct the fields in red.", BrightRed);
    } else {
        say(form.message,
            "Welcome, " + form.name.text() + "!" +
                (form.remember.checked() ? " You will stay signed in." : ""),
            BrightGreen);
    }
    return 1;
}

// A caption in the grid's first column and, in its second, the field with
// its error label under it, in red.
void addField(Grid& fields, Form& form, Stack& place, TextBox& field, Label& error,
              Label& caption, const std::string& text) {
    delete caption.text(text);
    fields.attachChild(&caption);
    fields.attachChild(&place);

    field.background(Blue);
    field.color(BrightWhite);
    field.submit(signIn);  // Enter in the field signs in
    field.data(&form);     // signIn's way back to the form
    place.attachChild(&field);

    error.color(BrightRed);
    place.attachChild(&error);
    field.errorLabel(&error);  // the field's message shows here, emptied once valid
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-login: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        // Every control lives on the stack here, in the form or on its own,
        // and is attached to the page, which does not own it; the page must
        // be built before its children. A stack lays them out one below
        // the other, a grid lines the fields up after their captions.
        Page page;
        page.title("Sign in");
        Form form;
        form.page = &page;

        Stack column;
        column.fill(true);  // the whole screen, at any size
        column.padding(1);
        column.gap(1);
        page.attachChild(&column);

        Label heading;
        heading.color(BrightWhite);
        delete heading.text("Sign in to continue");
        column.attachChild(&heading);

        Grid fields;
        fields.columns({0, -1});  // the widest caption, then the rest
        fields.gap(1);
        column.attachChild(&fields);

        Label nameCaption, emailCaption, secretCaption;
        Stack namePlace, emailPlace, secretPlace;
        addField(fields, form, namePlace, form.name, form.nameError, nameCaption, "User name");
        form.name.placeholder("your name");
        form.name.validate(Validators::required());

        addField(fields, form, emailPlace, form.email, form.emailError, emailCaption, "E-mail");
        form.email.placeholder("name@example.com");
        form.email.validate(Validators::all({Validators::required(), Validators::email()}));

        addField(fields, form, secretPlace, form.password, form.passwordError, secretCaption,
                 "Password");
        form.password.placeholder("at least 8 characters");
        form.password.password(true);  // each character shows as '*'
        // Characters as the user sees them: "é" or "👍🏽" is one.
        form.password.validate(Validators::length(MinimumPassword, 64));

        Label noCaption;  // the check box goes under the fields
        fields.attachChild(&noCaption);
        form.remember.text("Remember me");
        fields.attachChild(&form.remember);

        // A button draws its border one cell around its row; it keeps its
        // natural width at the left.
        Button button;
        button.text("Sign in");
        button.click(signIn);
        button.data(&form);
        column.attachChild(&button);
        column.align(&button, Align::Start);

        form.message.width(76);  // say() pads to it until the stack sizes it
        column.attachChild(&form.message);
        say(form.message, "Esc or F10 quits.", BrightBlack);

        page.activeControl(&form.name);  // typing starts in the user name

        // The host loop: wait for an event, hand it to the page, paint.
        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape || event == Vesk::KeyEndOfInput) {
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
