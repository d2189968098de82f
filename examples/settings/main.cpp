// Settings: a tab set of two pages, "General" with check boxes and
// "Language" with a list, and a line below that shows the current settings.
//
// Keys: Page Down and Page Up switch the pages, Tab and the arrows move the
// focus within a page, Space toggles a check box, Up and Down choose in the
// list, Esc or F10 quits. The mouse is on: click a page's title, a check box
// or a list item; the wheel scrolls the list.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;

CheckBox* autosave = nullptr;
CheckBox* sound = nullptr;
CheckBox* hints = nullptr;
ListBox* languages = nullptr;
Label* summary = nullptr;

const char* onOff(CheckBox* box) {
    return box->checked() ? "on" : "off";
}

// The toggle and change handlers of every control: they all just show the
// settings again. The summary label is painted with the rest of the page.
int showSettings(int, void*) {
    std::string text = std::string("Language: ") + languages->item(languages->selected()) +
                       ", autosave " + onOff(autosave) + ", sound " + onOff(sound) + ", hints " +
                       onOff(hints);
    // Padded to the label's width: a shorter text than before would blank
    // the whole screen for the next paint.
    text.resize(static_cast<std::size_t>(summary->width()), ' ');
    delete summary->text(text);
    return 1;
}

CheckBox* makeCheckBox(Page& page, CheckBox& box, const char* caption, int row, bool checked) {
    box.text(caption);
    box.position(row, 2);
    box.width(30);
    box.checked(checked);
    box.toggle(showSettings);
    page.attachChild(&box);
    return &box;
}

}  // namespace

int main() {
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-settings: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        Page root;
        root.title("Settings");

        Label help;
        help.position(0, 2);
        help.width(76);
        help.color(BrightBlack);
        delete help.text("PgDn/PgUp: switch page  Tab, arrows: move  Space: toggle  Esc: quit");
        root.attachChild(&help);

        // A tab set goes into its page before pages are attached to it; it
        // shows one page below a line of their titles.
        Tabs tabs;
        tabs.position(2, 2);
        tabs.width(60);
        tabs.height(10);
        root.attachChild(&tabs);

        Page general;
        general.title("General");
        tabs.attachTab(&general);
        Page language;
        language.title("Language");
        tabs.attachTab(&language);

        CheckBox autosaveBox, soundBox, hintsBox;
        autosave = makeCheckBox(general, autosaveBox, "Save automatically", 1, true);
        sound = makeCheckBox(general, soundBox, "Play sounds", 2, false);
        hints = makeCheckBox(general, hintsBox, "Show hints", 3, true);

        // Items are UTF-8; wide characters take two cells each.
        ListBox list;
        for (const char* name : {"English", "Français", "Deutsch", "Español", "Русский", "日本語",
                                 "中文", "Ελληνικά"}) {
            list.add(name);
        }
        list.position(1, 2);
        list.width(20);
        list.height(5);
        list.change(showSettings);  // runs when a key or a click moves the selection
        language.attachChild(&list);
        languages = &list;

        Label summaryLabel;
        summaryLabel.position(14, 2);
        summaryLabel.width(76);
        summaryLabel.color(BrightCyan);
        root.attachChild(&summaryLabel);
        summary = &summaryLabel;
        showSettings(0, nullptr);

        // Keys go to the root's active control, the tab set, which passes
        // what it does not handle itself to the active control of its page.
        root.activeControl(&tabs);
        general.activeControl(&autosaveBox);
        language.activeControl(&list);

        root.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape) {
                break;
            }
            root.raiseEvent(event);
            root.paint();
        }
    }
    Session::stop();
    return 0;
}
