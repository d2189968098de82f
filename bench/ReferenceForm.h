// The reference form of the paint benchmarks: an 80 x 25 root page with a
// three-page tab set over most of it, and 12 buttons, 8 labels and 4
// progress bars on the root page and the shown page, one button focused.
// Built with a chain of plain containers between each of the two pages and
// its controls (none by default), so that the same form can be painted
// nested deeper.
#pragma once

#include <curses.h>

#include <deque>
#include <memory>
#include <string>

#include "Terminal.h"
#include "forms/Button.h"
#include "forms/Container.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "forms/Tabs.h"

namespace VeskBench {

class ReferenceForm {
public:
    // `depth` plain containers, each at 0,0, the size of its page and
    // overflowing (nothing is cut), stand between the root page and its
    // controls, and between the shown page and its controls.
    explicit ReferenceForm(int depth = 0) {
        using namespace Vesk::Forms;
        Container& top = chain(root, depth);
        label(top, "vesk-forms reference form", 0, 2, 40);
        label(top, "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click", 1, 2, 76);

        // Inside the root page before its pages are attached, as a tab set
        // must be; the pages take its width and the rows below its header.
        tabs.position(3, 2);
        tabs.width(76);
        tabs.height(17);
        top.attachChild(&tabs);
        shown.title("Status");
        settings.title("Settings");
        about.title("About");
        tabs.attachTab(&shown);
        tabs.attachTab(&settings);
        tabs.attachTab(&about);
        tabs.activeTab(&shown);

        Container& inner = chain(shown, depth);
        const char* captions[] = {"Value", "Fraction", "Percentage", "Custom text"};
        for (int i = 0; i < 4; ++i) {
            label(inner, captions[i], 1 + 2 * i, 3, 12);
            ProgressBar& bar = bars.emplace_back();
            bar.position(1 + 2 * i, 16);
            bar.width(50);
            bar.height(1);
            bar.valueMax(100);
            bar.value(25 * i);
            bar.style(static_cast<ProgressBarStyle>(Value + i));
            inner.attachChild(&bar);
        }
        delete bars[3].text("working...");
        stepped = &bars[2];

        const char* names[] = {"Start", "Stop", "Pause", "Resume",
                               "Load",  "Save", "Apply", "Revert"};
        for (int i = 0; i < 8; ++i) {
            button(inner, names[i], 10 + 3 * (i / 4), 3 + 19 * (i % 4));
        }
        label(inner, "Enter clicks the focused button.", 15, 3, 60);

        const char* commands[] = {"Help", "Log", "Reset", "Quit"};
        for (int i = 0; i < 4; ++i) {
            button(top, commands[i], 21, 5 + 19 * i);
        }
        label(top, "Ready.", 24, 2, 76);

        // Keys reach the shown page through the tab set; its first two
        // buttons sit side by side, so the arrow keys move between them.
        left = &buttons[0];
        right = &buttons[1];
        root.activeControl(&tabs);
        shown.activeControl(left);
    }

    ReferenceForm(const ReferenceForm&) = delete;
    ReferenceForm& operator=(const ReferenceForm&) = delete;

    // Blanks what earlier benchmarks left on the screen, paints the form and
    // waits until the terminal has read it all.
    void settleOnScreen() {
        clear();
        root.paint();
        Terminal::current()->settle();
    }

    Vesk::Forms::Page root;
    Vesk::Forms::Tabs tabs;
    Vesk::Forms::Page shown;
    Vesk::Forms::Page settings;
    Vesk::Forms::Page about;
    // A deque never moves what it holds: the tree points into it.
    std::deque<Vesk::Forms::Container> holders;
    std::deque<Vesk::Forms::Button> buttons;
    std::deque<Vesk::Forms::Label> labels;
    std::deque<Vesk::Forms::ProgressBar> bars;
    Vesk::Forms::Button* left = nullptr;
    Vesk::Forms::Button* right = nullptr;
    Vesk::Forms::ProgressBar* stepped = nullptr;

private:
    // `depth` containers one inside the other below `page`, attached from the
    // page down so that each enters the page's control list; the innermost
    // (the page itself for 0).
    Vesk::Forms::Container& chain(Vesk::Forms::Page& page, int depth) {
        Vesk::Forms::Container* holder = &page;
        for (int i = 0; i < depth; ++i) {
            Vesk::Forms::Container& added = holders.emplace_back();
            added.position(0, 0);
            added.width(page.width());
            added.height(page.height());
            added.overflow(Vesk::Forms::Visible);
            holder->attachChild(&added);
            holder = &added;
        }
        return *holder;
    }

    void label(Vesk::Forms::Container& parent, const std::string& text, int row, int column,
               int width) {
        Vesk::Forms::Label& added = labels.emplace_back();
        added.position(row, column);
        added.width(width);
        parent.attachChild(&added);
        std::unique_ptr<std::string> stored(added.text(text));
    }

    void button(Vesk::Forms::Container& parent, const char* caption, int row, int column) {
        Vesk::Forms::Button& added = buttons.emplace_back();
        added.text(caption);
        added.position(row, column);
        added.width(14);
        parent.attachChild(&added);
    }
};

}  // namespace VeskBench
