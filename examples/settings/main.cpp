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

void makeCheckBox(Settings& settings, Container& page, CheckBox& box, const char* caption,
                  bool checked) {
    box.text(caption);
    box.checked(checked);
    box.toggle(settingsChanged);
    box.data(&settings);
    page.attachChild(&box);  // the page's stack puts it below the one before
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

        // A stack over the whole screen: the help line, the tab set, the
        // summary, one blank row between them.
        Stack screen;
        screen.fill(true);
        screen.gap(1);
        root.attachChild(&screen);

        Label help;
        help.color(BrightBlack);
        delete help.text("PgDn/PgUp: switch page  Tab, arrows: move  Space: toggle  Esc: quit");
        screen.attachChild(&help);

        // A tab set goes into its page before pages are attached to it; it
        // shows one page below a line of their titles.
        Tabs tabs;
        screen.attachChild(&tabs);
        screen.size(&tabs, 10);

        Page general;
        general.title("General");
        tabs.attachTab(&general);
        Page language;
        language.title("Language");
        tabs.attachTab(&language);

        // Each page's controls in a stack of their own, a cell in from its edge.
        Stack generalStack;
        generalStack.fill(true);
        generalStack.padding(1);
        general.attachChild(&generalStack);
        makeCheckBox(settings, generalStack, settings.autosave, "Save automatically", true);
        makeCheckBox(settings, generalStack, settings.sound, "Play sounds", false);
        makeCheckBox(settings, generalStack, settings.hints, "Show hints", true);

        Stack languageStack;
        languageStack.fill(true);
        languageStack.padding(1);
        language.attachChild(&languageStack);
        // Items are UTF-8; wide characters take two cells each.
        ListBox& list = settings.languages;
        for (const char* name : {"English", "Français", "Deutsch", "Español", "Русский", "日本語",
                                 "中文", "Ελληνικά"}) {
            list.add(name);
        }
        list.naturalWidth(20);  // 20 x 5 cells, at the stack's left edge
        list.naturalHeight(5);
        list.change(settingsChanged);  // runs when a key or a click moves the selection
        list.data(&settings);
        languageStack.attachChild(&list);
        languageStack.align(&list, Align::Start);

        settings.summary.color(BrightCyan);
        settings.summary.width(76);  // showSettings pads to it until the stack sizes it
        screen.attachChild(&settings.summary);
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
