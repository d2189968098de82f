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

// Handlers are plain functions, so they reach the form through these.
TextBox* userName = nullptr;
TextBox* password = nullptr;
CheckBox* remember = nullptr;
Label* message = nullptr;

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

// A label given a shorter text than before blanks the whole screen for the
// next paint; padded to the label's width, the text never is shorter.
void say(const std::string& text, Color color) {
    std::string padded = text;
    padded.resize(static_cast<std::size_t>(message->width()), ' ');
    message->color(color);
    delete message->text(padded);  // text() hands back a copy to delete
}

// Runs for Enter in either field and for the button. A handler gets the
// event and the control it was raised on; non-zero means "handled".
int signIn(int, void*) {
    if (userName->text().empty()) {
        say("Please enter a user name.", BrightRed);
        userName->takeFocus();  // the focus goes to the field at fault
    } else if (characters(password->text()) < MinimumPassword) {
        say("The password needs at least 8 characters.", BrightRed);
        password->takeFocus();
    } else {
        say("Welcome, " + userName->text() + "!" +
                (remember->checked() ? " You will stay signed in." : ""),
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
        // Every control lives on the stack here and is attached to the page,
        // which does not own it; the page must be built before its children.
        Page page;
        page.title("Sign in");

        Label heading;
        heading.position(1, 2);
        heading.width(40);
        heading.color(BrightWhite);
        delete heading.text("Sign in to continue");
        page.attachChild(&heading);

        Label nameCaption;
        nameCaption.position(3, 2);
        nameCaption.width(10);
        delete nameCaption.text("User name");
        page.attachChild(&nameCaption);

        TextBox name;
        name.position(3, 13);
        name.width(30);
        name.background(Blue);
        name.color(BrightWhite);
        name.placeholder("your name");
        name.submit(signIn);  // Enter in the field signs in
        page.attachChild(&name);
        userName = &name;

        Label secretCaption;
        secretCaption.position(5, 2);
        secretCaption.width(10);
        delete secretCaption.text("Password");
        page.attachChild(&secretCaption);

        TextBox secret;
        secret.position(5, 13);
        secret.width(30);
        secret.background(Blue);
        secret.color(BrightWhite);
        secret.placeholder("at least 8 characters");
        secret.password(true);  // each character shows as '*'
        secret.submit(signIn);
        page.attachChild(&secret);
        password = &secret;

        CheckBox keep;
        keep.text("Remember me");
        keep.position(7, 13);
        keep.width(20);
        page.attachChild(&keep);
        remember = &keep;

        // A button draws its border one cell around its row.
        Button button;
        button.text("Sign in");
        button.position(10, 14);
        button.width(12);
        button.click(signIn);
        page.attachChild(&button);

        Label result;
        result.position(13, 2);
        result.width(76);
        page.attachChild(&result);
        message = &result;
        say("Esc or F10 quits.", BrightBlack);

        page.activeControl(&name);  // typing starts in the user name

        // The host loop: wait for an event, hand it to the page, paint.
        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape) {
                break;
            }
            page.raiseEvent(event);
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
