// Disabled and invisible controls as a terminal shows them: the colours,
// the focus moves of Tab, the arrows and the mouse, the keys and the cells,
// the pages of a tab set and the range of a scroll box.
#include <gtest/gtest.h>

#include <functional>
#include <map>
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
// Ctrl-U enables the tab set (disabled at first, so that Tab passes it);
// Ctrl-K: Bête enabled or not; Ctrl-L, N, P, T: Çà, Âme, Dû, the scroll
// box's tail visible or not; Ctrl-X: the host shows Bête.
constexpr char EnableSet[] = "\x15", ToggleBete[] = "\x0b", ToggleCa[] = "\x0c",
               ToggleAme[] = "\x0e", ToggleDu[] = "\x10", ToggleTail[] = "\x14",
               ShowBete[] = "\x18";

// Row 0 counts the steps and the clicks; a name field (white on blue) on row
// 2, an OK button on row 5 (its box rows 4 to 6), another field on row 8 and
// a group holding one more field on row 10 and a note (white on bright
// black) on row 11, all from column 2. A tab set on rows 13 to 15 whose
// pages "Âme", "Bête", "Çà" and "Dû" show "p0" to "p3" on row 14; a scroll
// box of rows 16 to 18 and 20 columns, its content rows 0, 3 and 8 (the tail).
struct Form {
    Page page;
    Label status, note;
    TextBox name, other, inner;
    Button ok;
    Container group;
    Tabs set;
    Page pages[4];
    Label names[4], lines[3];
    ScrollBox box;
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
        place(set, 13, 0, 40);
        set.height(3);
        set.enabled(false);
        place(box, 16, 0, 20);
        box.height(3);
        page.attachChild(&set);
        page.attachChild(&box);
        const char* titles[] = {"Âme", "Bête", "Çà", "Dû"};
        for (int i = 0; i < 4; ++i) {
            place(names[i], 0, 1, 4);
            delete names[i].text("p" + std::to_string(i));
            pages[i].title(titles[i]);
            pages[i].attachChild(&names[i]);
            set.attachTab(&pages[i]);
        }
        for (int i : {0, 1, 2}) {
            place(lines[i], i == 2 ? 8 : 3 * i, 0, 4);
            box.attachChild(&lines[i]);
        }
    }

    const std::map<int, std::function<void(Form&)>> actions{
        {EnableSet[0], [](Form& f) { f.set.enabled(true); }},
        {ToggleBete[0], [](Form& f) { f.pages[1].enabled(!f.pages[1].enabled()); }},
        {ToggleCa[0], [](Form& f) { f.pages[2].visible(!f.pages[2].visible()); }},
        {ToggleAme[0], [](Form& f) { f.pages[0].visible(!f.pages[0].visible()); }},
        {ToggleDu[0], [](Form& f) { f.pages[3].visible(!f.pages[3].visible()); }},
        {ToggleTail[0], [](Form& f) { f.lines[2].visible(!f.lines[2].visible()); }},
        {ShowBete[0], [](Form& f) { f.set.activeTab(&f.pages[1]); }}};

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
                if (actions.count(event) == 0) {
                    return false;
                }
                actions.at(event)(*this);
                return true;
        }
    }
};

std::string drive(const std::vector<KitStep>& steps) {
    Terminal terminal(20, 40);
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
            {"the host cannot make the disabled field active: the character stays",
             [](Terminal& t) { return t.type(ForceInner) && t.type("x"); },
             [](Terminal& t) {
                 return t.row(10).find('x') == std::string::npos && showsFrom(t, 8, 2, "x") &&
                        cursorAt(t, 8, 3);
             }},
            {"the group enabled again, the host can",
             [](Terminal& t) { return t.type(ToggleGroup) && t.type(ForceInner) && t.type("y"); },
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

// Row 14 shows page `index`'s "p<index>" and no other page.
TerminalCheck pageShown(int index) {
    return [=](Terminal& t) { return t.row(14) == " p" + std::to_string(index); };
}

// The scroll bar, column 19 of rows 16 to 18.
TerminalCheck bar(const std::string& cells) {
    return [=](Terminal& t) {
        return t.cell(16, 19).text + t.cell(17, 19).text + t.cell(18, 19).text == cells;
    };
}

TEST(EnabledVisible, TabSetsPassByTheirUnusablePagesAndScrollBoxesTheirHiddenChildren) {
    const Vesk::Event PageDown = Vesk::KeyNextPage, PageUp = Vesk::KeyPreviousPage;
    EXPECT_EQ(
        "", drive({
                {"the set enabled, the first page shown", typed(EnableSet), pageShown(0)},
                {"a click gives the set the focus; Bête disabled: its title dimmed",
                 [](Terminal& t) { return t.click(13, 2) && t.type(ToggleBete); },
                 [](Terminal& t) {
                     return t.cell(13, 6).text == "B" && t.cell(13, 6).foreground == BrightBlack &&
                            t.cell(13, 6).background == Black &&
                            t.cell(13, 1).background == BrightWhite;
                 }},
                {"Çà hidden: no title, Dû's closes up", typed(ToggleCa),
                 [](Terminal& t) { return t.row(13) == " Âme  Bête  Dû"; }},
                {"Page Down passes both by", keys({PageDown}), pageShown(3)},
                {"Page Up too", keys({PageUp}), pageShown(0)},
                {"a click where Çà's title was shows Dû", click(13, 12), pageShown(3)},
                {"neither the host nor a click shows Bête",
                 [](Terminal& t) { return t.type(ShowBete) && t.click(13, 7); }, pageShown(3)},
                {"Page Down round to Âme", keys({PageDown}), pageShown(0)},
                {"Âme hidden while shown: the next usable page shows", typed(ToggleAme),
                 [](Terminal& t) { return pageShown(3)(t) && t.row(13) == " Bête  Dû"; }},
                {"Dû hidden too: no usable page, none shown, Page Down and a key harmless",
                 [](Terminal& t) { return t.type(ToggleDu) && t.press(PageDown) && t.type("z"); },
                 [](Terminal& t) { return t.row(14).empty() && t.row(13) == " Bête"; }},
                {"Âme shown again shows itself", typed(ToggleAme), pageShown(0)},
                {"the tail at content row 8: a thumb of one cell", typed(""), bar("█░░")},
                {"the tail hidden: four rows of content, a thumb of two", typed(ToggleTail),
                 bar("██░")},
            }));
}
