// The reference form (ReferenceForm.h) built from stacks and grids instead
// of placed by hand: the same controls in the same cells, laid out at each
// paint, so that the two forms' paints can be compared.
#pragma once

#include <curses.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>

#include "Terminal.h"
#include "forms/Button.h"
#include "forms/Control.h"
#include "forms/Grid.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "forms/Stack.h"
#include "forms/Tabs.h"

namespace VeskBench {

class LaidOutForm {
public:
    // Bare controls stand where the hand-placed form leaves blank cells, so
    // that both forms put the same text in the same cells.
    LaidOutForm() {
        using namespace Vesk::Forms;
        screen.fill(true);
        screen.direction(Direction::Horizontal);
        root.attachChild(&screen);
        spacer(screen, 2);
        screen.attachChild(&column);
        screen.grow(&column, 1);
        spacer(screen, 2);

        label(column, "vesk-forms reference form");
        label(column, "Tab, arrows: move  PgDn/PgUp: switch page  Enter: click");
        spacer(column, 1);
        column.attachChild(&tabs);
        column.size(&tabs, 17);
        shown.title("Status");
        settings.title("Settings");
        about.title("About");
        tabs.attachTab(&shown);
        tabs.attachTab(&settings);
        tabs.attachTab(&about);
        tabs.activeTab(&shown);

        page.fill(true);
        shown.attachChild(&page);
        spacer(page, 1);
        page.attachChild(&meters);
        meters.columns({2, 12, 50});
        meters.gap(1);
        const char* captions[] = {"Value", "Fraction", "Percentage", "Custom text"};
        for (int i = 0; i < 4; ++i) {
            meters.attachChild(&gaps.emplace_back());
            label(meters, captions[i]);
            ProgressBar& bar = bars.emplace_back();
            meters.attachChild(&bar);
            bar.valueMax(100);
            bar.value(25 * i);
            bar.style(static_cast<ProgressBarStyle>(Value + i));
        }
        delete bars[3].text("working...");
        stepped = &bars[2];

        spacer(page, 1);
        buttonRow(page, {"Start", "Stop", "Pause", "Resume"});
        buttonRow(page, {"Load", "Save", "Apply", "Revert"});
        label(row(page, 3), "Enter clicks the focused button.");

        buttonRow(column, {"Help", "Log", "Reset", "Quit"});
        spacer(column, 1);
        label(column, "Ready.");

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
    Vesk::Forms::Stack column;
    Vesk::Forms::Tabs tabs;
    Vesk::Forms::Page shown;
    Vesk::Forms::Page settings;
    Vesk::Forms::Page about;
    Vesk::Forms::Stack page;
    Vesk::Forms::Grid meters;
    std::deque<Vesk::Forms::Stack> rows;
    std::deque<Vesk::Forms::Control> gaps;
    std::deque<Vesk::Forms::Button> buttons;
    std::deque<Vesk::Forms::Label> labels;
    std::deque<Vesk::Forms::ProgressBar> bars;
    Vesk::Forms::Button* left = nullptr;
    Vesk::Forms::Button* right = nullptr;
    Vesk::Forms::ProgressBar* stepped = nullptr;

private:
    // `cells` blank cells along `parent`: a bare control, which paints nothing.
    void spacer(Vesk::Forms::Stack& parent, int cells) {
        Vesk::Forms::Control& gap = gaps.emplace_back();
        parent.attachChild(&gap);
        parent.size(&gap, cells);
    }

    // A row in `parent` whose children start `indent` columns in.
    Vesk::Forms::Stack& row(Vesk::Forms::Container& parent, int indent) {
        Vesk::Forms::Stack& added = rows.emplace_back();
        parent.attachChild(&added);
        added.direction(Vesk::Forms::Direction::Horizontal);
        spacer(added, indent);
        return added;
    }

    // Four buttons of 16 cells with their boxes, 19 apart, from column 2.
    void buttonRow(Vesk::Forms::Container& parent, std::initializer_list<const char*> names) {
        Vesk::Forms::Stack& line = row(parent, 2);
        for (const char* name : names) {
            if (line.count() > 1) {
                spacer(line, 3);
            }
            line.size(&button(line, name), 16);
        }
    }

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
