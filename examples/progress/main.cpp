// Progress: three (pretend) files copied one step per tick of a session
// ticker, which posts an event of our own at a steady pace; the host loop
// advances two progress bars on each. A button pauses and resumes the work
// (stops and starts the ticker); "Done." shows at the end.
//
// Usage: vesk-progress [milliseconds per step, default 50]
// Keys: Enter (or a click) on the button pauses or resumes, Esc or F10 quits.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;

// An event code of our own: any code between the library's own and the
// characters' will do.
constexpr auto StepDone = static_cast<Vesk::Event>(0x00040001);

constexpr int Files = 3;
constexpr int StepsPerFile = 20;

// The program's state, owned by main(); only the host loop's thread uses it.
struct Copying {
    std::chrono::milliseconds perStep{50};
    int ticker = 0;  // the running ticker's id, 0 while paused or finished
    bool finished = false;
    Label status;
};

// The button's click handler gets the button itself as `control`, and the
// button's data() leads back to the state.
Copying* copyingOf(void* control) {
    return static_cast<Copying*>(static_cast<Control*>(control)->data());
}


// Padded to the label's width: a shorter text than before would blank the
// whole screen for the next paint.
void show(Label& status, const std::string& text) {
    std::string padded = text;
    padded.resize(static_cast<std::size_t>(status.width()), ' ');
    delete status.text(padded);
}

int pauseOrResume(int, void* control) {
    Copying& copying = *copyingOf(control);
    if (copying.finished) {
        return 1;  // nothing left to pause
    }
    Button* button = static_cast<Button*>(static_cast<Control*>(control));
    // A tick posted before the stop may still be in the inbox: the loop
    // takes steps only while a ticker runs.
    const bool pausing = copying.ticker != 0;
    if (pausing) {
        Session::stopEvery(copying.ticker);
        copying.ticker = 0;
    } else {
        copying.ticker = Session::every(copying.perStep, StepDone);
    }
    button->text(pausing ? "Resume" : "Pause");
    show(copying.status, pausing ? "Paused." : "Copying...");
    return 1;
}

ProgressBar* makeBar(Page& page, ProgressBar& bar, int row, long double maximum,
                     ProgressBarStyle style) {
    bar.position(row, 14);
    bar.width(50);
    bar.height(1);
    bar.valueMax(maximum);
    bar.style(style);
    bar.background(Blue);
    bar.borderColor(Green);  // the filled part
    page.attachChild(&bar);
    return &bar;
}

}  // namespace

int main(int argc, char** argv) {
    const std::chrono::milliseconds perStep(argc > 1 ? std::atoi(argv[1]) : 50);
    if (perStep.count() < 1) {
        std::fprintf(stderr, "vesk-progress: a step takes at least 1 millisecond\n");
        return 1;
    }
    try {
        Session::start(Session::None);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);  // errors are thrown as pointers
        std::fprintf(stderr, "vesk-progress: %s\n", owned->what());
        return 1;
    }
    Session::mouse(true);
    {
        Page page;
        page.title("Copying files");
        Copying copying;
        copying.perStep = perStep;

        Label fileCaption, allCaption;
        fileCaption.position(2, 2);
        fileCaption.width(11);
        delete fileCaption.text("This file");
        page.attachChild(&fileCaption);
        allCaption.position(4, 2);
        allCaption.width(11);
        delete allCaption.text("All steps");
        page.attachChild(&allCaption);

        ProgressBar fileBar, allBar;
        makeBar(page, fileBar, 2, StepsPerFile, Percentage);         // "45%"
        makeBar(page, allBar, 4, Files * StepsPerFile, CustomText);  // our own text
        delete allBar.text("0 of 60 steps");  // text() hands back a copy to delete

        Button button;
        button.text("Pause");
        button.position(7, 14);
        button.width(12);
        button.click(pauseOrResume);
        button.data(&copying);
        page.attachChild(&button);
        page.activeControl(&button);

        copying.status.position(10, 2);
        copying.status.width(60);
        copying.status.color(BrightCyan);
        page.attachChild(&copying.status);
        show(copying.status, "Copying file 1 of 3...");

        copying.ticker = Session::every(perStep, StepDone);

        int steps = 0;
        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape || event == Vesk::KeyEndOfInput) {
                break;
            }
            if (event == StepDone) {
                // Our own event: advance the bars (unless it was posted just
                // before a pause). Keys and clicks go to the page.
                if (copying.ticker == 0) {
                    continue;
                }
                ++steps;
                allBar.value(steps);
                delete allBar.text(std::to_string(steps) + " of 60 steps");
                const int file = (steps - 1) / StepsPerFile;  // 0, 1 or 2
                fileBar.value(steps - file * StepsPerFile);
                if (steps % StepsPerFile == 0 && file + 1 < Files) {
                    show(copying.status, "Copying file " + std::to_string(file + 2) + " of 3...");
                }
                if (steps == Files * StepsPerFile) {
                    Session::stopEvery(copying.ticker);
                    copying.ticker = 0;
                    copying.finished = true;
                    show(copying.status, "Done.");
                }
            } else {
                page.raiseEvent(event);
            }
            page.paint();
        }
    }
    Session::stop();
    return 0;
}
