// vesk-forms demo: a form with a tab set of six pages, buttons whose clicks
// change labels, progress bars in the four text styles that advance while the
// form is open, a page of input fields (name, password, a check box and a
// list) with a Submit button, a page of dialogs (a question, a drop-down
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

// Shows what the form holds; the password only by its length.
int submitForm(int, void* control) {
    Demo* demo = demoOf(control);
    const std::string entered = demo->name->text().empty() ? "(no name)" : demo->name->text();
    show(demo->status, "Submitted: " + entered + ", password of " +
                           std::to_string(demo->secret->text().size()) + " bytes, news " +
                           (demo->news->checked() ? "on" : "off") + ", colour " +
                           demo->colours->item(demo->colours->selected()) + ".");
    return 1;
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

TextBox* makeField(Demo& demo, Container& parent, int row, const char* hint) {
    TextBox* field = &demo.owned.fields.emplace_back();
    field->position(row, 16);
    field->width(30);
    field->background(Blue);
    field->color(BrightWhite);
    field->placeholder(hint);
    field->submit(submitForm);
    field->data(&demo);
    parent.attachChild(field);
    return field;
}

Button* makeButton(Demo& demo, Container& parent, const char* caption, int row, int column,
                   int width, Handler onClick) {
    Button* button = &demo.owned.buttons.emplace_back();
    button->text(caption);
    button->position(row, column);
    button->width(width);
    button->click(onClick);
    button->data(&demo);
    parent.attachChild(button);
    return button;
}

Label* makeLabel(Demo& demo, Container& parent, const std::string& text, int row, int column,
                 int width, Color color = White) {
    Label* label = &demo.owned.labels.emplace_back();
    label->position(row, column);
    label->width(width);
    label->color(color);
    parent.attachChild(label);
    show(label, text);
    return label;
}

// The tab set's rows: from TabsTop, TabsHeight high.
constexpr int TabsTop = 3;
constexpr int TabsHeight = 17;

// The Quit button and the status line keep to the bottom of the screen, but
// never climb onto the tab set: on a short screen they go below its edge.
void placeBottom(Button& quit, Label& status) {
    const int quitRow = std::max(Session::screenHeight() - 3, TabsTop + TabsHeight + 1);
    quit.position(quitRow, 33);
    status.position(std::max(Session::screenHeight() - 1, quitRow + 2), 2);
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
        // The root page covers the whole screen. Build the tree from the page
        // down: attaching enters each control into the page's control list,
        // which is the order of Tab navigation.
        Demo demo;
        Page root;
        root.title("vesk-forms demo");
        root.overflow(Visible);
        // Tab stays with the page being filled in: it walks the controls of
        // the page the tab set shows before it moves on to Quit.
        root.tabIntoPages(true);
        makeLabel(demo, root, "vesk-forms demo", 0, 2, 40, BrightWhite);
        makeLabel(demo, root,
                  "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click  F10/Esc: quit", 1, 2,
                  76, BrightBlack);

        // A tab set must be inside a page before pages are attached to it;
        // it gives each page its own size, below the header line.
        Tabs tabs;
        tabs.position(TabsTop, 2);
        tabs.width(76);
        tabs.height(TabsHeight);
        root.attachChild(&tabs);

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

        Button* hello = makeButton(demo, buttons, "Say hello", 2, 3, 14, sayHello);
        makeButton(demo, buttons, "Count", 2, 22, 14, countUp);
        makeButton(demo, buttons, "Reset", 2, 41, 14, reset);
        makeButton(demo, buttons, "Hello again", 6, 3, 14, sayHello);
        demo.counter = makeLabel(demo, buttons, "Clicks counted: 0", 10, 3, 40, BrightYellow);
        makeLabel(demo, buttons, "Enter clicks the focused button.", 12, 3, 60, BrightBlack);

        const char* styles[] = {"Value", "Fraction", "Percentage", "Custom text"};
        ProgressBar* bars[4];
        for (int i = 0; i < 4; ++i) {
            makeLabel(demo, progress, styles[i], 1 + 3 * i, 3, 12);
            bars[i] = &demo.owned.bars.emplace_back();
            bars[i]->position(1 + 3 * i, 16);
            bars[i]->width(50);
            bars[i]->height(1);
            bars[i]->valueMax(i == 1 ? 40 : 100);
            bars[i]->style(static_cast<ProgressBarStyle>(Value + i));
            bars[i]->precision(1);
            progress.attachChild(bars[i]);
        }
        delete bars[3]->text("working...");  // text() hands back a copy to delete
        Button* pause = makeButton(demo, progress, "Pause", 13, 3, 12, pauseBars);

        makeLabel(demo, about, "A small, dependable forms layer over curses.", 2, 3, 70);
        makeLabel(demo, about, "Pages, tab sets, buttons, labels and progress bars,", 4, 3, 70);
        makeLabel(demo, about, "painted with colour pairs and line-drawing borders.", 5, 3, 70);
        makeLabel(demo, about, "Every session is logged to VeskForms.log.", 7, 3, 70, BrightBlack);

        makeLabel(demo, form, "Name", 1, 3, 12);
        demo.name = makeField(demo, form, 1, "your name");
        makeLabel(demo, form, "Password", 3, 3, 12);
        demo.secret = makeField(demo, form, 3, "at least 8 characters");
        demo.secret->password(true);
        CheckBox subscribe;
        subscribe.text("Send me the news");
        subscribe.position(5, 16);
        subscribe.width(30);
        form.attachChild(&subscribe);
        demo.news = &subscribe;
        makeLabel(demo, form, "Colour", 7, 3, 12);
        ListBox list;
        for (const char* colour : {"Red", "Green", "Blue", "Yellow", "Magenta", "Cyan", "White"}) {
            list.add(colour);
        }
        list.position(7, 16);
        list.width(20);
        list.height(4);
        list.submit(submitForm);
        list.data(&demo);
        form.attachChild(&list);
        demo.colours = &list;
        makeButton(demo, form, "Submit", 13, 16, 14, submitForm);
        makeLabel(demo, form, "Enter in a field or the list submits too.", 13, 33, 42, BrightBlack);

        Button* askButton = makeButton(demo, dialogs, "Ask", 1, 3, 12, askToSave);
        demo.answer = makeLabel(demo, dialogs, "Answer: not asked yet", 1, 20, 40, BrightYellow);
        makeLabel(demo, dialogs, "Country", 5, 3, 12);
        Choice country;
        for (const char* name : {"Österreich", "Česko", "Deutschland", "España", "France",
                                 "Ελλάδα", "Ísland", "日本", "Россия", "Sverige", "Türkiye",
                                 "Україна"}) {
            country.add(name);
        }
        country.position(5, 16);
        country.width(20);
        country.rows(6);
        dialogs.attachChild(&country);
        makeLabel(demo, dialogs, "Delivery", 8, 3, 12);
        RadioGroup delivery;
        for (const char* option : {"Post", "Courier", "Pick up"}) {
            delivery.add(option);
        }
        delivery.selected(0);
        delivery.position(8, 16);
        dialogs.attachChild(&delivery);
        makeLabel(demo, dialogs, "Enter or a click opens the list; Space picks an option.", 12, 3,
                  70, BrightBlack);

        // Forty fields, more than the page has rows, in a scroll box that
        // fills the page: Tab, the arrows and clicks bring each field into
        // view, the wheel scrolls it.
        ScrollBox longBox;
        longBox.width(longForm.width());
        longBox.height(longForm.height());
        longForm.attachChild(&longBox);
        const char* captions[] = {"Имя", "姓名", "Фамилия", "电话", "Город", "国家", "Улица", "邮编"};
        TextBox* firstLong = nullptr;
        for (int i = 0; i < 40; ++i) {
            makeLabel(demo, longBox, std::string(captions[i % 8]) + " " + std::to_string(i + 1), i,
                      3, 12);
            TextBox* field = makeField(demo, longBox, i, "");
            firstLong = firstLong == nullptr ? field : firstLong;
        }

        Button* quitButton = makeButton(demo, root, "Quit", 0, 33, 12, quit);
        demo.status = makeLabel(demo, root, "Ready.", 0, 2, 76, BrightCyan);
        placeBottom(*quitButton, *demo.status);

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
                // takes that size as it paints.
                placeBottom(*quitButton, *demo.status);
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
