// Long form: a registration form of forty fields, taller than the screen, in
// a scroll box that fills the screen between a title line and a status line.
// The box follows the focus, so the field being filled in is always shown
// whole; a Send button at the end of the form counts the fields filled in.
//
// Keys: Tab and Shift-Tab walk the fields, the arrow keys move to the
// nearest field (scrolled in when it is out of view), Page Up and Page Down
// scroll the box, Enter on Send sends, Esc or F10 quits. The mouse is on: a
// click places the caret in the field under it, the wheel scrolls the box.
// The box takes the screen's new size when the terminal changes size.
#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;
constexpr int Fields = 40;

// The labels take turns in Russian, Chinese and English, as a form for
// people from several countries would.
const char* const Captions[] = {"Имя",   "姓名",   "Name",  "Фамилия", "电话",
                                "Email", "Город",  "国家",   "Street", "Индекс"};

// The program's state, owned by main(); the Send button carries its address
// (Control::data). A deque never moves what it holds: the tree points into it.
struct LongForm {
    Page root;
    Label title;
    ScrollBox box;
    std::deque<Label> labels;
    std::deque<TextBox> fields;
    Button send;
    Label status;
};

void say(Label& label, const std::string& text) {
    std::string padded = text;
    padded.resize(static_cast<std::size_t>(label.width()), ' ');
    delete label.text(padded);  // text() hands back a copy to delete
}

int sendForm(int, void* control) {
    LongForm& form = *static_cast<LongForm*>(static_cast<Control*>(control)->data());
    int filled = 0;
    for (TextBox& field : form.fields) {
        filled += field.text().empty() ? 0 : 1;
    }
    say(form.status, "Sent: " + std::to_string(filled) + " of " + std::to_string(Fields) +
                         " fields filled in.");
    return 1;
}

// The box takes every row between the title and the status line.
void fit(LongForm& form) {
    const int lines = Session::screenHeight();
    const int columns = Session::screenWidth();
    form.box.width(columns);
    form.box.height(std::max(1, lines - 3));
    form.status.position(lines - 1, 1);
    form.status.width(std::max(1, columns - 2));
}

void build(LongForm& form) {
    form.root.title("Long form");
    form.root.tabIntoPages(true);
    form.title.position(0, 1);
    form.title.width(60);
    form.title.color(BrightWhite);
    form.root.attachChild(&form.title);
    say(form.title, "Registration: 40 fields, Tab to walk them");
    form.box.position(2, 0);
    form.root.attachChild(&form.box);
    for (int i = 0; i < Fields; ++i) {
        Label& label = form.labels.emplace_back();
        label.position(i, 2);
        label.width(14);
        form.box.attachChild(&label);
        say(label, std::string(Captions[i % 10]) + " " + std::to_string(i + 1));
        TextBox& field = form.fields.emplace_back();
        field.position(i, 18);
        field.width(30);
        field.background(Blue);
        field.color(BrightWhite);
        form.box.attachChild(&field);
    }
    form.send.text("Send");
    form.send.position(Fields + 1, 18);
    form.send.width(12);
    form.send.click(sendForm);
    form.send.data(&form);
    form.box.attachChild(&form.send);
    form.status.color(BrightCyan);
    form.root.attachChild(&form.status);
    fit(form);
    say(form.status, "Ready.");
    form.fields.front().takeFocus();
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-long-form: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        LongForm form;
        build(form);
        form.root.paint();
        for (int event; (event = Session::getEvent()) != Vesk::KeyF10 && event != Escape &&
                        event != Vesk::KeyEndOfInput;) {
            if (event == Vesk::KeyResize) {
                fit(form);
            } else {
                form.root.raiseEvent(event);
            }
            form.root.paint();
        }
    }
    Session::stop();
    return 0;
}
