// Settings: a tab set of two pages, "General" with check boxes and
// "Language" with a list, and a line below that shows the current settings.
//
// Keys: Page Down and Page Up switch the pages, Tab, Shift-Tab and the arrows
// move the focus within the page shown, Space toggles a check box, Up and
// Down choose in the list, Esc or F10 quits. The mouse is on: click a page's title, a check box
// or a list item; the wheel scrolls the list.
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;

// The controls whose state the summary line shows. main() owns them, and each
// control with a handler carries their address (Control::data).
struct Settings {
    CheckBox autosave;
    CheckBox sound;
    CheckBox hints;
    ListBox languages;
    Label summary;
};

// A handler receives only the control; its data() leads back to the settings.
Settings* settingsOf(void* control) {
    return static_cast<Settings*>(static_cast<Control*>(control)->data());
}

const char* onOff(CheckBox& box) {
    return box.checked() ? "on" : "off";
}

// The summary label is painted with the rest of the page.
void showSettings(Settings& settings) {
    ListBox& languages = settings.languages;
    std::string text = std::string("Language: ") + languages.item(languages.selected()) +
                       ", autosave " + onOff(settings.autosave) + ", sound " +
                       onOff(settings.sound) + ", hints " + onOff(settings.hints);
    // Padded to the label's width: a shorter text than before would blank
    // the whole screen for the next paint.
    text.resize(static_cast<std::size_t>(settings.summary.width()), ' ');
    delete settings.summary.text(text);
}

// The toggle and change handler of every control: it just shows the
// settings again.
int settingsChanged(int, void* control) {
    showSettings(*settingsOf(control));
    return 1;
}

void makeCheckBox(Settings& settings, Page& page, CheckBox& box, const char* caption, int row,
                  bool checked) {
    box.text(caption);
    box.position(row, 2);
    box.width(30);
    box.checked(checked);
    box.toggle(settingsChanged);
    box.data(&settings);
    page.attachChild(&box);
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
        // Tab stays with the page being filled in: it walks the controls of
        // the page the tab set shows rather than leaving the set at once.
        root.tabIntoPages(true);
        Settings settings;

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

        makeCheckBox(settings, general, settings.autosave, "Save automatically", 1, true);
        makeCheckBox(settings, general, settings.sound, "Play sounds", 2, false);
        makeCheckBox(settings, general, settings.hints, "Show hints", 3, true);

        // Items are UTF-8; wide characters take two cells each.
        ListBox& list = settings.languages;
        for (const char* name : {"English", "Français", "Deutsch", "Español", "Русский", "日本語",
                                 "中文", "Ελληνικά"}) {
            list.add(name);
        }
        list.position(1, 2);
        list.width(20);
        list.height(5);
        list.change(settingsChanged);  // runs when a key or a click moves the selection
        list.data(&settings);
        language.attachChild(&list);

        settings.summary.position(14, 2);
        settings.summary.width(76);
        settings.summary.color(BrightCyan);
        root.attachChild(&settings.summary);
        showSettings(settings);

        // Keys go to the root's active control, the tab set, which passes
        // what it does not handle itself to the active control of its page.
        root.activeControl(&tabs);
        general.activeControl(&settings.autosave);
        language.activeControl(&list);

        root.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape || event == Vesk::KeyEndOfInput) {
                break;
            }
            root.raiseEvent(event);
            root.paint();
        }
    }
    Session::stop();
    return 0;
}
