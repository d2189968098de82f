// Dialogs over a page, as a terminal shows them and with the bytes a
// terminal sends: opened over the page, Tab wrapping inside and walking tab
// sets, clicks outside refused, stacked dialogs, Esc, the focus given back and
// the field checked on close, and a question asked in one call.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"
#include "widgets/WrapCells.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {


// A page with a text box at (2, 2) and an Open button at (4, 2); the first
// dialog, 9 x 30 and centred on a 24 x 64 screen (rows 7 to 15, columns 17
// to 46), holds a text box at (9, 19), OK at (12, 19) and More at (12, 33);
// More opens the second, placed at rows 1 to 5, columns 40 to 55, whose
// Done button is at (3, 43).
struct Form {
    Page page;
    Label status;
    TextBox name;
    Button open;
    Dialog first;
    TextBox note;
    Button ok;
    Button more;
    Dialog second;
    Button done;
    int steps = 0;
    int closings = 0;

    Form() {
        status.width(40);
        name.position(2, 2);
        name.width(10);
        open.position(4, 2);
        open.text("Open");
        for (Control* control : {static_cast<Control*>(&status), static_cast<Control*>(&name),
                                 static_cast<Control*>(&open)}) {
            page.attachChild(control);
        }
        first.title("Ключ 世界");
        first.width(30);
        first.height(9);
        note.position(2, 2);
        note.width(20);
        ok.position(5, 2);
        ok.text("OK");
        more.position(5, 16);
        more.text("More");
        for (Control* control : {static_cast<Control*>(&note), static_cast<Control*>(&ok),
                                 static_cast<Control*>(&more)}) {
            first.attachChild(control);
        }
        second.title("2");
        second.width(16);
        second.height(5);
        second.position(1, 40);
        done.position(2, 3);
        done.text("Done");
        second.attachChild(&done);
        for (Control* control : {static_cast<Control*>(&open), static_cast<Control*>(&ok),
                                 static_cast<Control*>(&more), static_cast<Control*>(&done),
                                 static_cast<Control*>(&first)}) {
            control->data(this);
        }
        open.click(+[](int, void* control) { return form(control).first.open(&form(control).page) ? 1 : 0; });
        ok.click(+[](int, void* control) { return form(control).first.close(1) ? 1 : 0; });
        more.click(+[](int, void* control) { return form(control).second.open(&form(control).page) ? 1 : 0; });
        done.click(+[](int, void* control) { return form(control).second.close(7) ? 1 : 0; });
        first.closed(+[](int, void* control) {
            ++form(control).closings;
            return 1;
        });
        name.takeFocus();
        show();
    }

    static Form& form(void* control) {
        return *static_cast<Form*>(static_cast<Control*>(control)->data());
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " r" + std::to_string(first.result()) +
                           " n" + std::to_string(closings) + " ");
    }
};

std::string drive(const std::vector<KitStep>& steps) {
    Terminal terminal(24, 64);
    return driveCounted(
        terminal,
        [] {
            Form form;
            countingLoop(form.page, form.steps, [&form] { form.show(); });
        },
        steps);
}

bool status(Terminal& t, const std::string& text) {
    return t.row(0).find(text) != std::string::npos;
}

const Vesk::Event Tab = Vesk::KeyTab, BackTab = Vesk::KeyBackTab, Enter = Vesk::KeyEnter,
                  Esc = static_cast<Vesk::Event>(0x1B);

}  // namespace

TEST(Dialog, OpensOverThePageKeepsKeysAndClicksInsideStacksAndGivesTheFocusBack) {
    EXPECT_EQ(
        "",
        drive({
            {"typed into the page's box", typed("a"),
             [](Terminal& t) { return showsFrom(t, 2, 2, "a ") && cursorAt(t, 2, 3); }},
            {"Tab to Open and Enter: the dialog opens centred, its title in the border",
             keys({Tab, Enter}),
             [](Terminal& t) {
                 return t.cell(7, 17).text == "┌" && t.cell(15, 46).text == "┘" &&
                        showsFrom(t, 7, 19, " Ключ 世界 ") && cursorAt(t, 9, 19);
             }},
            {"keys go to the dialog's box, not the page's", typed("Жx"),
             [](Terminal& t) { return showsFrom(t, 9, 19, "Жx") && showsFrom(t, 2, 2, "a ") && cursorAt(t, 9, 21); }},
            {"Tab, Tab reach OK and More", keys({Tab, Tab}),
             [](Terminal& t) { return t.cell(12, 36).reverse && !t.cell(12, 23).reverse; }},
            {"Tab wraps to the box", keys({Tab}), [](Terminal& t) { return cursorAt(t, 9, 21); }},
            {"back-tab wraps to More", keys({BackTab}),
             [](Terminal& t) { return t.cell(12, 36).reverse && !t.cell(4, 5).reverse; }},
            {"a click on the page outside does nothing", click(2, 3),
             [](Terminal& t) { return t.cell(12, 36).reverse && t.cell(7, 17).text == "┌"; }},
            {"More opens a second dialog over the first", keys({Enter}),
             [](Terminal& t) {
                 return t.cell(1, 40).text == "┌" && t.cell(3, 46).reverse &&
                        !t.cell(12, 36).reverse && t.cell(7, 17).text == "┌";
             }},
            {"a click on the first dialog below it does nothing", click(9, 20),
             [](Terminal& t) { return t.cell(3, 46).reverse && status(t, " r-1 n0"); }},
            {"Esc closes the second: its cells blank, the focus back on More", keys({Esc}),
             [](Terminal& t) {
                 return t.cell(1, 40).text == " " && t.cell(5, 55).text == " " &&
                        t.cell(12, 36).reverse && t.cell(7, 17).text == "┌";
             }},
            {"a click inside reaches the dialog's box", click(9, 25),
             [](Terminal& t) { return cursorAt(t, 9, 21) && !t.cell(12, 36).reverse; }},
            {"Esc closes the first with -1; the page shows again and Open has the focus",
             keys({Esc}),
             [](Terminal& t) {
                 return status(t, " r-1 n1") && t.cell(7, 17).text == " " &&
                        t.cell(9, 19).text == " " && t.cell(4, 5).reverse && showsFrom(t, 2, 2, "a ");
             }},
            {"Enter opens it again, its box still active", keys({Enter}),
             [](Terminal& t) { return showsFrom(t, 9, 19, "Жx") && cursorAt(t, 9, 21); }},
            {"a click on OK closes it from OK's own handler", click(12, 23),
             [](Terminal& t) {
                 return status(t, " r1 n2") && t.cell(12, 23).text == " " && t.cell(4, 5).reverse;
             }},
        }));
}

// The answer goes to the status row, so steps wait for it.
TEST(Dialog, AskShowsTheQuestionInCellsAndReturnsTheButtonPressed) {
    // 35 cells of text (the CJK characters two each, e acute one): the
    // dialog is 39 x 7, at row 8, column 12; the buttons on row 12 from
    // column 18: "Да" (caption at 19), "いいえ" and "Cancel" (at 37).
    const std::string question = "Сохранить изменения? 保存しますか e\u0301";
    const auto asked = [question](Terminal& t) {
        return showsFrom(t, 9, 14, question) && t.cell(8, 12).text == "┌" &&
               t.cell(8, 50).text == "┐" && t.cell(12, 19).text == "Д" && t.cell(12, 19).reverse;
    };
    const auto answered = [](const std::string& answer) {
        return [answer](Terminal& t) {
            return t.row(0).rfind("answer " + answer, 0) == 0 && t.cell(9, 14).text == " ";
        };
    };
    Terminal terminal(24, 64);
    EXPECT_EQ("",
              driveInProcess(
                  terminal,
                  [question] {
                      Page page;
                      Label status;
                      Button ask;
                      status.width(30);
                      ask.position(4, 2);
                      ask.text("Ask");
                      page.attachChild(&status);
                      page.attachChild(&ask);
                      ask.takeFocus();
                      page.paint();
                      for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10;) {
                          if (event == Vesk::KeyEnter) {
                              const int answer = Dialog::ask(&page, question, {"Да", "いいえ", "Cancel"});
                              delete status.text("answer " + std::to_string(answer));
                          }
                          page.paint();
                      }
                  },
                  {
                      {"Enter asks", keys({Enter}), asked},
                      {"Tab and Enter answer 1", keys({Tab, Enter}), answered("1")},
                      {"asked again", keys({Enter}), asked},
                      {"Esc answers -1", keys({Esc}), answered("-1")},
                      {"asked a third time", keys({Enter}), asked},
                      {"a click on Cancel answers 2", click(12, 38), answered("2")},
                  }));
}

TEST(Dialog, QuestionTextWrapsInCellsBetweenWordsAndInsideLongWords) {
    const struct {
        std::string text;
        long long width;
        std::vector<std::string> lines;
    } cases[] = {
        {"Да нет 世界", 6, {"Да нет", "世界"}},
        {"世界世界世", 5, {"世界", "世界", "世"}},
        {"e\u0301e\u0301e\u0301 ab", 3, {"e\u0301e\u0301e\u0301", "ab"}},
        {"one\n\ntwo", 10, {"one", "", "two"}},
        {"😀😀 x", 4, {"😀😀", "x"}},
    };
    std::setlocale(LC_CTYPE, "C.UTF-8");
    for (const auto& example : cases) {
        EXPECT_EQ(example.lines, Vesk::Forms::detail::wrapCells(example.text, example.width, true))
            << example.text;
    }
}

TEST(Dialog, RefusesWhatCannotOpenAndLeavesNothingBehindInAnyDestructionOrder) {
    Page owner;
    Page inner;
    owner.attachChild(&inner);
    Dialog dialog;
    EXPECT_FALSE(dialog.open(nullptr));
    EXPECT_FALSE(dialog.open(&inner));
    EXPECT_FALSE(dialog.close(0));
    EXPECT_EQ(-1, Dialog::ask(&owner, "x", {}));
    ASSERT_TRUE(dialog.open(&owner));
    EXPECT_FALSE(dialog.open(&owner));
    EXPECT_TRUE(dialog.isOpen());
    // Reopened from its own closed handler: open again at once.
    dialog.data(&owner);
    dialog.closed(+[](int result, void* control) {
        auto* self = static_cast<Dialog*>(static_cast<Control*>(control));
        return result == 5 && self->open(static_cast<Page*>(self->data())) ? 1 : 0;
    });
    EXPECT_TRUE(dialog.close(5));
    EXPECT_TRUE(dialog.isOpen());
    EXPECT_EQ(5, dialog.result());

    // The owner goes first, then the open dialog, then a control in one.
    auto* page = new Page;
    auto* open = new Dialog;
    auto* button = new Button;
    open->attachChild(button);
    ASSERT_TRUE(open->open(page));
    delete page;
    EXPECT_FALSE(open->isOpen());
    EXPECT_EQ(nullptr, open->parent());
    delete open;
    delete button;

    // An open dialog goes before its owner.
    auto* last = new Page;
    auto* gone = new Dialog;
    ASSERT_TRUE(gone->open(last));
    delete gone;
    EXPECT_EQ(nullptr, last->raiseEvent(Vesk::KeyTab) == 0 ? nullptr : last);
    delete last;
}

// A dialog 14 x 40, centred (rows 5 to 18, columns 12 to 51): a box at (7, 14),
// a tab set with "Größe" (a required field at (11, 15), another at (11, 26))
// and "世界", OK and Cancel on row 15. Ctrl-O opens it, Ctrl-X closes it from
// the host; row 0 shows the required field's message.
struct Sheet {
    Page page, size, world;
    Label status;
    Dialog dialog;
    Tabs set;
    TextBox outside, name, wide, high, far;
    Button ok, cancel;
    int steps = 0;

    explicit Sheet(bool intoPages) {
        status.width(60);
        page.attachChild(&status);
        outside.position(2, 2);
        page.attachChild(&outside);
        outside.takeFocus();
        dialog.width(40);
        dialog.height(14);
        dialog.tabIntoPages(intoPages);
        set.width(34);
        set.height(5);
        size.title("Größe");
        world.title("世界");
        set.attachTab(&size);
        set.attachTab(&world);
        ok.text("OK");
        cancel.text("Cancel");
        wide.validate(Validators::required());
        const struct {
            Control* control;
            Page* on;
            int row, column;
        } places[] = {{&wide, &size, 1, 1},      {&high, &size, 1, 12}, {&far, &world, 1, 1},
                      {&name, &dialog, 2, 2},    {&set, &dialog, 4, 2}, {&ok, &dialog, 10, 2},
                      {&cancel, &dialog, 10, 14}};
        for (const auto& place : places) {
            place.control->position(place.row, place.column);
            place.control->width(place.control == &set ? 34 : 10);
            place.on->attachChild(place.control);
        }
    }
};

TEST(Dialog, TabFollowsThePageOrderThroughTabSetsAndAHostCloseChecksTheField) {
    const auto Open = static_cast<Vesk::Event>(0x0F), HostClose = static_cast<Vesk::Event>(0x18);
    const auto at = [](int row, int column) {
        return [=](Terminal& t) { return cursorAt(t, row, column); };
    };
    const auto lit = [](int column) {
        return [=](Terminal& t) { return t.cell(15, column).reverse; };
    };
    const struct {
        bool intoPages;
        std::vector<KitStep> steps;
    } cases[] = {
        {true,
         {{"opened on the box", keys({Open}), at(7, 14)},
          {"Tab enters the shown page", keys({Tab}), at(11, 15)},
          {"and its second field", keys({Tab}), at(11, 26)},
          {"then OK after the set", keys({Tab}), lit(18)},
          {"Cancel, then round to the box", keys({Tab, Tab}), at(7, 14)},
          {"back-tab wraps to Cancel", keys({BackTab}), lit(28)},
          {"and back into the page", keys({BackTab, BackTab}), at(11, 26)},
          {"the required field left empty by the host's close shows its message",
           keys({BackTab, static_cast<Vesk::Event>('a'), Vesk::KeyBackspace, HostClose}),
           [](Terminal& t) {
               return status(t, "e:A value is required.") && t.cell(5, 12).text == " ";
           }}}},
        {false,
         {{"opened on the box", keys({Open}), at(7, 14)},
          {"a click on the page's second field", click(11, 27), at(11, 26)},
          {"Tab goes on after the set", keys({Tab}), lit(18)},
          {"a click back in the page", click(11, 27), at(11, 26)},
          {"back-tab goes to the stop before the set", keys({BackTab}), at(7, 14)}}},
    };
    for (const auto& example : cases) {
        Terminal terminal(24, 64);
        const auto host = [&example, Open, HostClose] {
            Sheet sheet(example.intoPages);
            const auto show = [&sheet] {
                delete sheet.status.text("s" + std::to_string(sheet.steps) +
                                         " e:" + sheet.wide.error());
            };
            countingLoop(sheet.page, sheet.steps, show,
                         [&sheet, Open, HostClose](Vesk::Event event) {
                             return event == Open ? sheet.dialog.open(&sheet.page)
                                                  : event == HostClose && sheet.dialog.close(0);
                         });
        };
        EXPECT_EQ("", driveCounted(terminal, host, example.steps))
            << "tabIntoPages " << example.intoPages;
    }
}
