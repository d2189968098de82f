// Login: a user name, a password, a "Remember me" check box and a Sign in
// button. What is wrong with the input, or a welcome, shows in a label below.
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

// Characters, not bytes: "é" is two bytes of UTF-8 but one character (a
// combining accent typed after a letter counts as one more).
int characters(const std::string& text) {
    int count = 0;
    for (unsigned char byte : text) {
        count += (byte & 0xC0) != 0x80;  // count every byte that starts a character
    }
    return count;
}

// The controls the handler reads and writes. main() owns the form, and each
// control that runs signIn carries its address (Control::data).
struct Form {
    TextBox name;
    TextBox password;
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

// Runs for Enter in either field and for the button. A handler gets the
// event and the control it was raised on; non-zero means "handled".
int signIn(int, void* control) {
    Form& form = *formOf(control);
    if (form.name.text().empty()) {
        say(form.message, "Please enter a user name.", BrightRed);
        form.name.takeFocus();  // the focus goes to the field at fault
    } else if (characters(form.password.text()) < MinimumPassword) {
        say(form.message, "The password needs at least 8 characters.", BrightRed);
        form.password.takeFocus();
    } else {
        say(form.message,
            "Welcome, " + form.name.text() + "!" +
                (form.remember.checked() ? " You will stay signed in." : ""),
            BrightGreen);
    }
    return 1;
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

        Label nameCaption;
        delete nameCaption.text("User name");
        fields.attachChild(&nameCaption);
        form.name.background(Blue);
        form.name.color(BrightWhite);
        form.name.placeholder("your name");
        form.name.submit(signIn);  // Enter in the field signs in
        form.name.data(&form);     // signIn's way back to the form
        fields.attachChild(&form.name);

        Label secretCaption;
        delete secretCaption.text("Password");
        fields.attachChild(&secretCaption);
        form.password.background(Blue);
        form.password.color(BrightWhite);
        form.password.placeholder("at least 8 characters");
        form.password.password(true);  // each character shows as '*'
        form.password.submit(signIn);
        form.password.data(&form);
        fields.attachChild(&form.password);

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
