#include "KitSteps.h"

#include <thread>

#include "forms/Page.h"
#include "forms/Session.h"

namespace VeskTest {

using Vesk::Forms::Session;

std::string driveInProcess(Terminal& terminal, const std::function<void()>& host,
                           const std::vector<KitStep>& steps) {
    if (!terminal.attach()) {
        return "not attached";
    }
    Session::mouse(true);
    if (!Session::start(Session::None)) {
        Session::mouse(false);
        terminal.detach();
        return "not started";
    }
    std::thread loop(host);
    std::string failures;
    for (const KitStep& step : steps) {
        if (!step.act(terminal) || !terminal.waitUntil(step.shown)) {
            const Vesk::Forms::Testing::Cursor cursor = terminal.cursor();
            failures += step.what + " not seen; the cursor at " + std::to_string(cursor.row) +
                        "," + std::to_string(cursor.column) + ", the screen:\n" +
                        terminal.text() + "\n";
        }
    }
    terminal.press(Vesk::KeyF10);
    loop.join();
    Session::stop();
    Session::mouse(false);
    if (!terminal.detach()) {
        failures += "not detached\n";
    }
    return failures;
}

std::vector<KitStep> synced(const std::vector<KitStep>& steps, const std::string& sync,
                            const std::function<bool(Terminal&, int)>& counted) {
    std::vector<KitStep> result;
    for (const KitStep& step : steps) {
        const int number = static_cast<int>(result.size()) + 1;
        result.push_back({step.what,
                          [act = step.act, sync](Terminal& t) { return act(t) && t.type(sync); },
                          [number, counted, shown = step.shown](Terminal& t) {
                              return counted(t, number) && shown(t);
                          }});
    }
    return result;
}

bool countedAt(Terminal& terminal, int step) {
    const std::string row = terminal.row(0);
    const std::string mark = "s" + std::to_string(step);
    return row.rfind(mark, 0) == 0 && (row.size() == mark.size() || row[mark.size()] == ' ');
}

void countingLoop(Vesk::Forms::Page& page, int& steps, const std::function<void()>& show,
                  const std::function<bool(Vesk::Event)>& other) {
    page.paint();
    for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10;) {
        if (event == CountedSync[0]) {
            ++steps;
        } else if (!other || !other(event)) {
            page.raiseEvent(event);
        }
        show();
        page.paint();
    }
}

std::string driveCounted(Terminal& terminal, const std::function<void()>& host,
                         const std::vector<KitStep>& steps) {
    return driveInProcess(terminal, host, synced(steps, CountedSync, countedAt));
}

bool showsFrom(Terminal& terminal, int row, int column, const std::string& text) {
    std::string cells;
    for (int c = column; c < terminal.columns() && cells.size() < text.size(); ++c) {
        cells += terminal.cell(row, c).text;
    }
    return cells.compare(0, text.size(), text) == 0;
}

TerminalCheck keys(std::vector<Vesk::Event> events) {
    return [events](Terminal& t) {
        for (Vesk::Event event : events) {
            if (!t.press(event)) {
                return false;
            }
        }
        return true;
    };
}

TerminalCheck typed(std::string text) {
    return [text](Terminal& t) { return t.type(text); };
}

TerminalCheck click(int row, int column) {
    return [row, column](Terminal& t) { return t.click(row, column); };
}

bool cursorAt(Terminal& terminal, int row, int column) {
    const Vesk::Forms::Testing::Cursor cursor = terminal.cursor();
    return cursor.visible && cursor.row == row && cursor.column == column;
}

}  // namespace VeskTest
