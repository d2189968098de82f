// The reference form (ReferenceForm.h) built from stacks and grids instead
// of placed by hand: the same controls in nearly the same cells, laid out
// at each paint, so that the two forms' paints can be compared.
#pragma once

#include <curses.h>

#include <deque>
#include <memory>
#include <string>

#include "Terminal.h"
#include "forms/Button.h"
#include "forms/Grid.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "forms/Stack.h"
#include "forms/Tabs.h"

namespace VeskBench {

class LaidOutForm {
public:
    LaidOutForm() {
        using namespace Vesk::Forms;
        screen.fill(true);
        root.attachChild(&screen);
        label(screen, "vesk-forms reference form");
        label(screen, "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click");
        screen.size(&label(screen, ""), 1);
        screen.attachChild(&tabs);
        screen.size(&tabs, 17);
        shown.title("Status");
        settings.title("Settings");
        about.title("About");
        tabs.attachTab(&shown);
        tabs.attachTab(&settings);
        tabs.attachTab(&about);
        tabs.activeTab(&shown);

        page.fill(true);
        page.padding(1);
        page.gap(1);
        shown.attachChild(&page);
        page.attachChild(&meters);
        meters.columns({12, 50});
        meters.gap(1);
        const char* captions[] = {"Value", "Fraction", "Percentage", "Custom text"};
        for (int i = 0; i < 4; ++i) {
            label(meters, captions[i]);
            ProgressBar& bar = bars.emplace_back();
            meters.attachChild(&bar);
            bar.valueMax(100);
            bar.value(25 * i);
            bar.style(static_cast<ProgressBarStyle>(Value + i));
        }
        delete bars[3].text("working...");
        stepped = &bars[2];

        page.attachChild(&actions);
        actions.columns({16, 16, 16, 16});
        actions.gap(3);
        const char* names[] = {"Start", "Stop", "Pause", "Resume",
                               "Load",  "Save", "Apply", "Revert"};
        for (const char* name : names) {
            button(actions, name);
        }
        label(page, "Enter clicks the focused button.");

        screen.attachChild(&commands);
        commands.direction(Direction::Horizontal);
        commands.gap(3);
        commands.padding(0);
        for (const char* name : {"Help", "Log", "Reset", "Quit"}) {
            commands.size(&button(commands, name), 16);
        }
        screen.size(&label(screen, ""), 1);
        label(screen, "Ready.");

        left = &buttons[0];
        right = &buttons[1];
        root.activeControl(&tabs);
        shown.activeControl(left);
    }

    LaidOutForm(const LaidOutForm&) = delete;
    LaidOutForm& operator=(const LaidOutForm&) = delete;

    void settleOnScreen() {
        clear();
        root.paint();
        Terminal::current()->settle();
    }

    Vesk::Forms::Page root;
    Vesk::Forms::Stack screen;
    Vesk::Forms::Tabs tabs;
    Vesk::Forms::Page shown;
    Vesk::Forms::Page settings;
    Vesk::Forms::Page about;
    Vesk::Forms::Stack page;
    Vesk::Forms::Grid meters;
    Vesk::Forms::Grid actions;
    Vesk::Forms::Stack commands;
    std::deque<Vesk::Forms::Button> buttons;
    std::deque<Vesk::Forms::Label> labels;
    std::deque<Vesk::Forms::ProgressBar> bars;
    Vesk::Forms::Button* left = nullptr;
    Vesk::Forms::Button* right = nullptr;
    Vesk::Forms::ProgressBar* stepped = nullptr;

private:
    Vesk::Forms::Label& label(Vesk::Forms::Container& parent, const std::string& text) {
        Vesk::Forms::Label& added = labels.emplace_back();
        parent.attachChild(&added);
        std::unique_ptr<std::string> stored(added.text(text));
        return added;
    }

    Vesk::Forms::Button& button(Vesk::Forms::Container& parent, const char* caption) {
        Vesk::Forms::Button& added = buttons.emplace_back();
        parent.attachChild(&added);
        added.text(caption);
        return added;
    }
};

}  // namespace VeskBench
