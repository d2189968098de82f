// The reference form of the paint benchmarks: an 80 x 25 root page with a
// three-page tab set over most of it, and 12 buttons, 8 labels and 4
// progress bars on the root page and the shown page, one button focused.
#pragma once

#include <curses.h>

#include <deque>
#include <memory>
#include <string>

#include "Terminal.h"
#include "forms/Button.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "forms/Tabs.h"

namespace VeskBench {

using namespace Vesk::Forms;

class ReferenceForm {
public:
    ReferenceForm() {
        label(root, "vesk-forms reference form", 0, 2, 40);
        label(root, "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click", 1, 2, 76);

        // Inside the root page before its pages are attached, as a tab set
        // must be; the pages take its width and the rows below its header.
        tabs.position(3, 2);
        tabs.width(76);
        tabs.height(17);
        root.attachChild(&tabs);
        shown.title("Status");
        settings.title("Settings");
        about.title("About");
        tabs.attachTab(&shown);
        tabs.attachTab(&settings);
        tabs.attachTab(&about);
        tabs.activeTab(&shown);

        const char* captions[] = {"Value", "Fraction", "Percentage", "Custom text"};
        for (int i = 0; i < 4; ++i) {
            label(shown, captions[i], 1 + 2 * i, 3, 12);
            ProgressBar& bar = bars.emplace_back();
            bar.position(1 + 2 * i, 16);
            bar.width(50);
            bar.height(1);
            bar.valueMax(100);
            bar.value(25 * i);
            bar.style(static_cast<ProgressBarStyle>(Value + i));
            shown.attachChild(&bar);
        }
        delete bars[3].text("working...");
        stepped = &bars[2];

        const char* names[] = {"Start", "Stop", "Pause", "Resume",
                               "Load",  "Save", "Apply", "Revert"};
        for (int i = 0; i < 8; ++i) {
            button(shown, names[i], 10 + 3 * (i / 4), 3 + 19 * (i % 4));
        }
        label(shown, "Enter clicks the focused button.", 15, 3, 60);

        const char* commands[] = {"Help", "Log", "Reset", "Quit"};
        for (int i = 0; i < 4; ++i) {
            button(root, commands[i], 21, 5 + 19 * i);
        }
        label(root, "Ready.", 24, 2, 76);

        // Keys reach the shown page through the tab set; its first two
        // buttons sit side by side, so the arrow keys move between them.
        left = &buttons[0];
        right = &buttons[1];
        root.activeControl(&tabs);
        shown.activeControl(left);
    }

    // Blanks what earlier benchmarks left on the screen, paints the form and
    // waits until the terminal has read it all.
    void settleOnScreen() {
        clear();
        root.paint();
        Terminal::current()->settle();
    }

    Page root;
    Tabs tabs;
    Page shown;
    Page settings;
    Page about;
    // A deque never moves what it holds: the tree points into it.
    std::deque<Button> buttons;
    std::deque<Label> labels;
    std::deque<ProgressBar> bars;
    Button* left = nullptr;
    Button* right = nullptr;
    ProgressBar* stepped = nullptr;

private:
    void label(Container& parent, const std::string& text, int row, int column, int width) {
        Label& added = labels.emplace_back();
        added.position(row, column);
        added.width(width);
        parent.attachChild(&added);
        std::unique_ptr<std::string> stored(added.text(text));
    }

    void button(Container& parent, const char* caption, int row, int column) {
        Button& added = buttons.emplace_back();
        added.text(caption);
        added.position(row, column);
        added.width(14);
        parent.attachChild(&added);
    }
};

}  // namespace VeskBench
