// Disabled and invisible controls as a terminal shows them: the colours,
// the focus moves of Tab, the arrows and the mouse, the keys and the cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

// The host's own commands, sent as Ctrl letters.
constexpr char ToggleOk[] = "\x01";     // Ctrl-A: OK enabled or not
constexpr char ToggleName[] = "\x02";   // Ctrl-B: the name field visible or not
constexpr char ToggleGroup[] = "\x05";  // Ctrl-E: the group enabled or not
constexpr char ForceInner[] = "\x06";   // Ctrl-F: the inner field made active by the host

// Row 0 counts the steps and the clicks; a name field (white on blue) on row
// 2, an OK button on row 5 (its box rows 4 to 6), another field on row 8 and
// a group holding one more field on row 10 and a note (white on bright
// black) on row 11, all from column 2.
struct Form {
    Page page;
    Label status, note;
    TextBox name, other, inner;
    Button ok;
    Container group;
    int steps = 0;
    int clicks = 0;

    Form() {
        const auto place = [](Control& control, int row, int column, int width) {
            control.position(row, column);
            control.width(width);
        };
        place(status, 0, 0, 30);
        place(name, 2, 2, 10);
        name.background(Blue);
        name.color(BrightWhite);
        place(ok, 5, 2, 8);
        ok.text("OK");
        ok.data(this);
        ok.click(+[](int, void* button) {
            ++static_cast<Form*>(static_cast<Control*>(button)->data())->clicks;
            return 1;
        });
        place(other, 8, 2, 10);
        place(group, 10, 0, 40);
        group.height(2);
        place(inner, 0, 2, 10);
        place(note, 1, 2, 10);
        note.color(White);
        note.background(BrightBlack);
        delete note.text("grouped");
        for (Control* control : std::vector<Control*>{&status, &name, &ok, &other, &group}) {
            page.attachChild(control);
        }
        group.attachChild(&inner);
        group.attachChild(&note);
        page.activeControl(&name);
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " clicks " + std::to_string(clicks));
    }

    bool command(Vesk::Event event) {
        switch (static_cast<int>(event)) {
            case ToggleOk[0]:
                ok.enabled(!ok.enabled());
                return true;
            case ToggleName[0]:
                name.visible(!name.visible());
                return true;
            case ToggleGroup[0]:
                group.enabled(!group.enabled());
                return true;
            case ForceInner[0]:
                page.activeControl(&inner);
                return true;
            default:
                return false;
        }
    }
};

std::string drive(const std::vector<KitStep>& steps) {
    Terminal terminal(14, 40);
    return driveCounted(
        terminal,
        [] {
            Form form;
            countingLoop(
                form.page, form.steps, [&form] { form.show(); },
                [&form](Vesk::Event event) { return form.command(event); });
        },
        steps);
}

bool clicks(Terminal& t, int count) {
    return t.row(0).find("clicks " + std::to_string(count)) != std::string::npos;
}

// OK's caption (columns 5 and 6) in `foreground`, reversed when focused.
TerminalCheck okShown(Color foreground, bool focused) {
    return [=](Terminal& t) {
        return showsFrom(t, 5, 5, "OK") && t.cell(5, 5).foreground == foreground &&
               t.cell(5, 6).foreground == foreground && t.cell(5, 5).reverse == focused;
    };
}

bool cursorHidden(Terminal& t) {
    return !t.cursor().visible;
}

const Vesk::Event Tab = Vesk::KeyTab, BackTab = Vesk::KeyBackTab, Down = Vesk::KeyDown,
                  Enter = Vesk::KeyEnter;

}  // namespace

TEST(EnabledVisible, ADisabledControlIsGreyPassedByAndDeafAndSoIsAllItsGroupHolds) {
    EXPECT_EQ(
        "",
        drive({
            {"typed into the name field", typed("ab"),
             [](Terminal& t) {
                 return showsFrom(t, 2, 2, "ab") && cursorAt(t, 2, 4) && okShown(White, false)(t) &&
                        t.cell(11, 2).foreground == White;
             }},
            {"OK disabled: its caption bright black, the field's colours its own", typed(ToggleOk),
             [](Terminal& t) {
                 return okShown(BrightBlack, false)(t) && t.cell(2, 2).foreground == BrightWhite &&
                        t.cell(2, 2).background == Blue;
             }},
            {"Tab passes OK by", keys({Tab}), [](Terminal& t) { return cursorAt(t, 8, 2); }},
            {"back-tab too", keys({BackTab}), [](Terminal& t) { return cursorAt(t, 2, 4); }},
            {"the down arrow too", keys({Down}), [](Terminal& t) { return cursorAt(t, 8, 2); }},
            {"a click on OK is ignored", click(5, 5),
             [](Terminal& t) { return clicks(t, 0) && cursorAt(t, 8, 2); }},
            {"enabled again: white, and the up arrow stops on it",
             [](Terminal& t) { return t.type(ToggleOk) && t.press(Vesk::KeyUp); },
             okShown(White, true)},
            {"focused OK disabled: the focus leaves, no cursor, Enter clicks nothing",
             [](Terminal& t) { return t.type(ToggleOk) && t.press(Enter); },
             [](Terminal& t) {
                 return clicks(t, 0) && okShown(BrightBlack, false)(t) && cursorHidden(t);
             }},
            {"Tab starts again at the first field, the cursor back", keys({Tab}),
             [](Terminal& t) { return cursorAt(t, 2, 4); }},
            {"the group disabled: its note black on its bright black, Tab stops before it",
             [](Terminal& t) { return t.type(ToggleGroup) && t.press(Tab) && t.press(Tab); },
             [](Terminal& t) {
                 return cursorAt(t, 8, 2) && showsFrom(t, 11, 2, "grouped") &&
                        t.cell(11, 2).foreground == Black &&
                        t.cell(11, 2).background == BrightBlack;
             }},
            {"made active by the host, the disabled field takes no character",
             [](Terminal& t) { return t.type(ForceInner) && t.type("x"); },
             [](Terminal& t) { return t.row(10).find('x') == std::string::npos; }},
            {"the group enabled again takes it",
             [](Terminal& t) { return t.type(ToggleGroup) && t.type("y"); },
             [](Terminal& t) { return showsFrom(t, 10, 2, "y") && cursorAt(t, 10, 3); }},
        }));
}

TEST(EnabledVisible, AnInvisibleControlLeavesItsCellsBlankAndTakesNoFocus) {
    EXPECT_EQ("", drive({
                      {"typed into the name field", typed("ab"),
                       [](Terminal& t) { return showsFrom(t, 2, 2, "ab") && cursorAt(t, 2, 4); }},
                      {"hidden: its cells blank, the focus and the cursor gone", typed(ToggleName),
                       [](Terminal& t) {
                           return t.row(2).empty() && t.cell(2, 2).background != Blue &&
                                  cursorHidden(t);
                       }},
                      {"a click where it was does nothing", click(2, 3), cursorHidden},
                      {"Tab passes it by to OK", keys({Tab}), okShown(White, true)},
                      {"back-tab stays on OK", keys({BackTab}), okShown(White, true)},
                      {"shown again with its text, back-tab reaches it",
                       [](Terminal& t) { return t.type(ToggleName) && t.press(BackTab); },
                       [](Terminal& t) {
                           return showsFrom(t, 2, 2, "ab") && cursorAt(t, 2, 4) &&
                                  t.cell(2, 2).background == Blue;
                       }},
                  }));
}
