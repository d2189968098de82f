// vesk-forms demo: a form with a tab set of six pages, buttons whose clicks
// change labels, progress bars in the four text styles that advance while the
// form is open, a page of input fields (name, password, an age and a date
// that check what is typed, a check box, a list and a comment of several
// lines) with a Submit button, a page of dialogs (a question, a drop-down
// choice of countries, a radio group), a long form of forty fields in a
// scroll box that follows the focus, and a Quit button.
//
// Keys: Tab / Shift-Tab walk the controls of the page shown and then Quit,
// the arrow keys move the focus to the nearest control, Page Down / Page Up
// switch the pages, Enter clicks the focused button, F10 or Esc quits (keys
// that typing cannot produce, so a 'q' typed into a field stays there). The
// mouse is on: a click presses a button, toggles the check box, places the
// caret, picks a list item or a page by its title, and the wheel scrolls the
// list. The session log is written to VeskForms.log. The form is drawn again
// when the terminal changes size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

// An event of our own, posted by the session's ticker to wake the host loop.
// Any code between the library's own and the characters' will do.
constexpr int Tick = 0x00040001;

constexpr int Escape = 0x1B;

// Texts are padded to the label's width: a shorter text would blank the
// whole screen until the next paint.
void show(Label* label, const std::string& text) {
    std::string padded = text;
    if (static_cast<int>(padded.size()) < label->width()) {
        padded.resize(static_cast<std::size_t>(label->width()), ' ');
    }
    delete label->text(padded);
}

// The host owns every control. Classes of the library have no virtual
// destructors, so each control is kept (and destroyed) as its own type;
// a deque never moves what it holds.
struct Controls {
    std::deque<Button> buttons;
    std::deque<Label> labels;
    std::deque<ProgressBar> bars;
    std::deque<TextBox> fields;
    std::deque<Stack> stacks;
    std::deque<Grid> grids;
    std::deque<ScrollBox> boxes;
};

// The program's state, owned by main(): the controls, the ones the handlers
// read or write, and the host loop's flags. Every control with a handler
// carries its address (Control::data).
struct Demo {
    Controls owned;
    Label* status = nullptr;
    Label* counter = nullptr;
    TextBox* name = nullptr;
    TextBox* secret = nullptr;
    TextBox* age = nullptr;
    TextBox* date = nullptr;
    CheckBox* news = nullptr;
    ListBox* colours = nullptr;
    Page* root = nullptr;
    Label* answer = nullptr;
    int count = 0;
    bool paused = false;
    bool quitRequested = false;
};

// A handler receives only the control; its data() leads back to the demo.
Demo* demoOf(void* control) {
    return static_cast<Demo*>(static_cast<Control*>(control)->data());
}

// Click handlers receive KeyLineFeed and the button that was clicked.
Button* buttonOf(void* control) {
    return static_cast<Button*>(static_cast<Control*>(control));
}

int sayHello(int, void* control) {
    show(demoOf(control)->status, "Hello from the \"" + buttonOf(control)->text() + "\" button!");
    return 1;
}

int countUp(int, void* control) {
    Demo* demo = demoOf(control);
    show(demo->counter, "Clicks counted: " + std::to_string(++demo->count));
    show(demo->status, "Counted one more click.");
    return 1;
}

int reset(int, void* control) {
    Demo* demo = demoOf(control);
    demo->count = 0;
    show(demo->counter, "Clicks counted: 0");
    show(demo->status, "Counter reset.");
    return 1;
}

int pauseBars(int, void* control) {
    Demo* demo = demoOf(control);
    demo->paused = !demo->paused;
    buttonOf(control)->text(demo->paused ? "Resume" : "Pause");
    show(demo->status, demo->paused ? "Progress bars paused." : "Progress bars running.");
    return 1;
}

// Shows what the form holds; the password only by its length. A field that
// fails its check takes the focus, and the status names its message.
int submitForm(int, void* control) {
    Demo* demo = demoOf(control);
    if (demo->root->validate() > 0) {
        for (TextBox* field : {demo->age, demo->date}) {
            if (!field->error().empty()) {
                show(demo->status, "Not submitted: " + field->error());
                break;
            }
        }
        return 1;
    }
    const std::string entered = demo->name->text().empty() ? "(no name)" : demo->name->text();
    std::string extra;
    if (!demo->age->text().empty()) {
        extra += ", age " + demo->age->text();
    }
    if (demo->date->text().size() == 10) {
        extra += ", " + demo->date->text();
    }
    show(demo->status, "Submitted: " + entered + ", password " +
                           std::to_string(demo->secret->text().size()) + " bytes, news " +
                           (demo->news->checked() ? "on" : "off") + ", " +
                           demo->colours->item(demo->colours->selected()) + extra + ".");
    return 1;
}

// A date as the mask 99/99/9999 writes it, day first: the form of it is the
// mask's, the calendar is checked here. Empty is fine: the date is optional.
std::string calendarDate(const std::string& text) {
    if (text.empty()) {
        return "";
    }
    if (text.size() != 10) {
        return "Enter the whole date, DD/MM/YYYY.";
    }
    const int day = std::stoi(text.substr(0, 2));
    const int month = std::stoi(text.substr(3, 2));
    const int year = std::stoi(text.substr(6, 4));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > days[month - 1]) {
        return "There is no such day in the calendar.";
    }
    return "";
}

// A question in one call: ask runs its own loop until a button or Esc
// closes it, and returns which.
int askToSave(int, void* control) {
    Demo* demo = demoOf(control);
    const char* answers[] = {"Yes", "No", "Cancel"};
    const int index = Dialog::ask(demo->root, "Save the changes? Сохранить изменения? 保存しますか?",
                                  {answers[0], answers[1], answers[2]});
    show(demo->answer, std::string("Answer: ") + (index < 0 ? "none (Esc)" : answers[index]));
    return 1;
}

int quit(int, void* control) {
    demoOf(control)->quitRequested = true;
    return 1;
}

// Controls are attached as they are made, from the page down, so that the
// page lists each one (the order of Tab). Stacks and grids size and place
// them; a field would like 30 columns, and takes what its column gives.
TextBox* makeField(Demo& demo, Container& parent, const char* hint) {
    TextBox* field = &demo.owned.fields.emplace_back();
    field->width(30);
    field->background(Blue);
    field->color(BrightWhite);
    field->placeholder(hint);
    field->submit(submitForm);
    field->data(&demo);
    parent.attachChild(field);
    return field;
}

Button* makeButton(Demo& demo, Container& parent, const char* caption, Handler onClick) {
    Button* button = &demo.owned.buttons.emplace_back();
    button->text(caption);
    button->click(onClick);
    button->data(&demo);
    parent.attachChild(button);
    return button;
}

Label* makeLabel(Demo& demo, Container& parent, const std::string& text, Color color = White) {
    Label* label = &demo.owned.labels.emplace_back();
    label->color(color);
    parent.attachChild(label);
    show(label, text);
    return label;
}

Stack* makeStack(Demo& demo, Container& parent, Direction direction, int gap) {
    Stack* stack = &demo.owned.stacks.emplace_back();
    parent.attachChild(stack);
    stack->direction(direction);
    stack->gap(gap);
    return stack;
}

// A grid of labels (as wide as the widest) and fields (the rest): one line
// per field, whatever the language of the labels.
Grid* makeForm(Demo& demo, Container& parent) {
    Grid* grid = &demo.owned.grids.emplace_back();
    parent.attachChild(grid);
    grid->columns({0, -1});
    grid->gap(1);
    return grid;
}

// A page's content: a stack in a scroll box that fills the page, so that a
// page taller than the screen leaves can be scrolled to every control.
Stack* pageContent(Demo& demo, Page& page) {
    Stack* whole = makeStack(demo, page, Direction::Vertical, 0);
    whole->fill(true);
    ScrollBox* box = &demo.owned.boxes.emplace_back();
    whole->attachChild(box);
    whole->grow(box, 1);
    Stack* content = makeStack(demo, *box, Direction::Vertical, 1);
    content->fill(true);
    content->padding(1);
    return content;
}

}  // namespace

int main() {
    try {
        // Basic: the session's start and stop; Verbose would log every key,
        // and what is typed is the user's.
        Session::start(Session::Basic);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);
        std::fprintf(stderr, "vesk-demo: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);

    {
        // The root page covers the whole screen, and a stack the whole page:
        // the title lines, the tab set taking every row the rest leave, the
        // Quit button and the status line at the bottom. Build the tree from
        // the page down: attaching enters each control into the page's
        // control list, which is the order of Tab navigation.
        Demo demo;
        Page root;
        root.title("vesk-forms demo");
        root.overflow(Visible);
        // Tab stays with the page being filled in: it walks the controls of
        // the page the tab set shows before it moves on to Quit.
        root.tabIntoPages(true);
        Stack* screen = makeStack(demo, root, Direction::Vertical, 0);
        screen->fill(true);
        makeLabel(demo, *screen, "vesk-forms demo", BrightWhite);
        makeLabel(demo, *screen,
                  "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click  F10/Esc: quit",
                  BrightBlack);

        // A tab set must be inside a page before pages are attached to it;
        // laid out, it gives each page its own size below the header line.
        Tabs tabs;
        screen->attachChild(&tabs);
        screen->grow(&tabs, 1);

        Page buttons;
        Page progress;
        Page about;
        Page form;
        Page dialogs;
        dialogs.title("Dialogs");
        Page longForm;
        buttons.title("Buttons");
        progress.title("Progress");
        about.title("About");
        form.title("Form");
        tabs.attachTab(&buttons);
        tabs.attachTab(&progress);
        tabs.attachTab(&about);
        tabs.attachTab(&form);
        tabs.attachTab(&dialogs);
        longForm.title("Long form");
        tabs.attachTab(&longForm);
        demo.root = &root;

        Stack* content = pageContent(demo, buttons);
        Stack* row = makeStack(demo, *content, Direction::Horizontal, 2);
        Button* hello = makeButton(demo, *row, "Say hello", sayHello);
        makeButton(demo, *row, "Count", countUp);
        makeButton(demo, *row, "Reset", reset);
        Button* again = makeButton(demo, *content, "Hello again", sayHello);
        content->align(again, Align::Start);
        demo.counter = makeLabel(demo, *content, "Clicks counted: 0", BrightYellow);
        makeLabel(demo, *content, "Enter clicks the focused button.", BrightBlack);

        content = pageContent(demo, progress);
        Grid* grid = makeForm(demo, *content);
        const char* styles[] = {"Value", "Fraction", "Percentage", "Custom text"};
        ProgressBar* bars[4];
        for (int i = 0; i < 4; ++i) {
            makeLabel(demo, *grid, styles[i]);
            bars[i] = &demo.owned.bars.emplace_back();
            grid->attachChild(bars[i]);
            bars[i]->valueMax(i == 1 ? 40 : 100);
            bars[i]->style(static_cast<ProgressBarStyle>(Value + i));
            bars[i]->precision(1);
        }
        delete bars[3]->text("working...");  // text() hands back a copy to delete
        Button* pause = makeButton(demo, *content, "Pause", pauseBars);
        content->align(pause, Align::Start);

        content = pageContent(demo, about);
        makeLabel(demo, *content, "A small, dependable forms layer over curses.");
        Stack* lines = makeStack(demo, *content, Direction::Vertical, 0);
        makeLabel(demo, *lines, "Pages, tab sets, buttons, labels and progress bars,");
        makeLabel(demo, *lines, "painted with colour pairs and line-drawing borders.");
        makeLabel(demo, *content, "Every session is logged to VeskForms.log.", BrightBlack);

        // One line per field: a field added later takes a line here.
        content = pageContent(demo, form);
        grid = makeForm(demo, *content);
        makeLabel(demo, *grid, "Name");
        demo.name = makeField(demo, *grid, "your name");
        makeLabel(demo, *grid, "Password");
        demo.secret = makeField(demo, *grid, "at least 8 characters");
        demo.secret->password(true);
        makeLabel(demo, *grid, "Age");
        demo.age = makeField(demo, *grid, "in years");
        demo.age->validate(Validators::integer(0, 150));
        makeLabel(demo, *grid, "Date");
        demo.date = makeField(demo, *grid, "");
        demo.date->mask("99/99/9999");  // typed as digits, the slashes are written
        demo.date->validate(calendarDate);
        makeLabel(demo, *grid, "");
        CheckBox subscribe;
        subscribe.text("Send me the news");
        grid->attachChild(&subscribe);
        demo.news = &subscribe;
        makeLabel(demo, *grid, "Colour");
        ListBox list;
        for (const char* colour : {"Red", "Green", "Blue", "Yellow", "Magenta", "Cyan", "White"}) {
            list.add(colour);
        }
        list.naturalHeight(4);  // four rows of the seven, the rest scrolled
        list.submit(submitForm);
        list.data(&demo);
        grid->attachChild(&list);
        demo.colours = &list;
        makeLabel(demo, *grid, "Comment");
        TextArea comment;
        comment.height(3);
        comment.background(Blue);
        comment.color(BrightWhite);
        comment.placeholder("a few lines; Enter starts a new one");
        grid->attachChild(&comment);
        row = makeStack(demo, *content, Direction::Horizontal, 2);
        makeButton(demo, *row, "Submit", submitForm);
        makeLabel(demo, *row, "Enter in a field or the list submits too.", BrightBlack);

        content = pageContent(demo, dialogs);
        row = makeStack(demo, *content, Direction::Horizontal, 2);
        Button* askButton = makeButton(demo, *row, "Ask", askToSave);
        demo.answer = makeLabel(demo, *row, "Answer: not asked yet", BrightYellow);
        row->align(demo.answer, Align::Center);
        grid = makeForm(demo, *content);
        grid->columns({0, 0});  // the choice as wide as its widest country
        makeLabel(demo, *grid, "Country");
        Choice country;
        for (const char* name : {"Österreich", "Česko", "Deutschland", "España", "France",
                                 "Ελλάδα", "Ísland", "日本", "Россия", "Sverige", "Türkiye",
                                 "Україна"}) {
            country.add(name);
        }
        grid->attachChild(&country);
        country.rows(6);
        makeLabel(demo, *grid, "Delivery");
        RadioGroup delivery;
        for (const char* option : {"Post", "Courier", "Pick up"}) {
            delivery.add(option);
        }
        delivery.selected(0);
        grid->attachChild(&delivery);
        makeLabel(demo, *content, "Enter or a click opens the list; Space picks an option.",
                  BrightBlack);

        // Forty fields, more than the page has rows: Tab, the arrows and
        // clicks bring each field into view, the wheel scrolls it.
        content = pageContent(demo, longForm);
        grid = makeForm(demo, *content);
        grid->gap(0);
        const char* captions[] = {"Имя", "姓名", "Фамилия", "电话", "Город", "国家", "Улица", "邮编"};
        TextBox* firstLong = nullptr;
        for (int i = 0; i < 40; ++i) {
            makeLabel(demo, *grid, std::string(captions[i % 8]) + " " + std::to_string(i + 1));
            TextBox* field = makeField(demo, *grid, "");
            firstLong = firstLong == nullptr ? field : firstLong;
        }

        // The Quit button and the status line keep to the bottom of the screen.
        Button* quitButton = makeButton(demo, *screen, "Quit", quit);
        screen->align(quitButton, Align::Center);
        demo.status = makeLabel(demo, *screen, "Ready.", BrightCyan);

        // The tab set is the root's active control: keys it does not handle
        // itself go to the active control of the page it shows.
        root.activeControl(&tabs);
        buttons.activeControl(hello);
        progress.activeControl(pause);
        form.activeControl(demo.name);
        dialogs.activeControl(askButton);
        longForm.activeControl(firstLong);

        // The host loop wakes for keys and for the ticker's events alike.
        const int ticker =
            Session::every(std::chrono::milliseconds(150), static_cast<Vesk::Event>(Tick));

        root.paint();
        while (!demo.quitRequested) {
            int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape || event == Vesk::KeyEndOfInput) {
                break;
            }
            if (event == Vesk::KeyResize) {
                // The screen comes back blank at its new size; the root page
                // takes that size as it paints, and the stacks follow it.
            } else if (event == Tick) {
                if (demo.paused) {
                    continue;
                }
                for (ProgressBar* bar : bars) {
                    long double next = bar->value() + 1;
                    bar->value(next > bar->valueMax() ? 0 : next);
                }
            } else {
                root.raiseEvent(event);
            }
            root.paint();
        }

        Session::stopEvery(ticker);
    }

    Session::stop();
    return 0;
}
