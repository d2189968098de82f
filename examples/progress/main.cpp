// Progress: a worker thread copies three (pretend) files and posts an event
// of our own for every step it finishes; the host loop advances two progress
// bars on each. A button pauses and resumes the work; "Done." shows at the end.
//
// Usage: vesk-progress [milliseconds per step, default 50]
// Keys: Enter (or a click) on the button pauses or resumes, Esc or F10 quits.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "forms/Forms.h"

using namespace Vesk::Forms;

namespace {

constexpr int Escape = 0x1B;

// Event codes of our own: any code above the key, character and library
// codes and below the mouse events will do.
constexpr int StepDone = 0x00030001;
constexpr int WorkDone = 0x00030002;

constexpr int Files = 3;
constexpr int StepsPerFile = 20;

// The program's state, owned by main(). The worker reads the two flags and
// the host loop writes them: atomics, because two threads share them. The
// rest belongs to the host loop's thread alone.
struct Copying {
    std::atomic<bool> paused{false};
    std::atomic<bool> stopping{false};
    bool finished = false;
    Label status;
};

// The button's click handler gets the button itself as `control`, and the
// button's data() leads back to the state.
Copying* copyingOf(void* control) {
    return static_cast<Copying*>(static_cast<Control*>(control)->data());
}

// The worker never touches the screen: only the thread that started the
// session may draw. It tells the host what happened through setEvent.
void work(Copying& copying, std::chrono::milliseconds perStep) {
    for (int step = 0; step < Files * StepsPerFile && !copying.stopping; ++step) {
        do {
            std::this_thread::sleep_for(perStep);
        } while (copying.paused && !copying.stopping);
        Session::setEvent(static_cast<Vesk::Event>(StepDone));
    }
    Session::setEvent(static_cast<Vesk::Event>(WorkDone));
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
    copying.paused = !copying.paused;
    button->text(copying.paused ? "Resume" : "Pause");
    show(copying.status, copying.paused ? "Paused." : "Copying...");
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

        std::thread worker(work, std::ref(copying), perStep);

        int steps = 0;
        page.paint();
        for (;;) {
            const int event = Session::getEvent();
            if (event == Vesk::KeyF10 || event == Escape) {
                break;
            }
            if (event == StepDone) {
                // Our own event: advance the bars. Keys and clicks go to the page.
                ++steps;
                allBar.value(steps);
                delete allBar.text(std::to_string(steps) + " of 60 steps");
                const int file = (steps - 1) / StepsPerFile;  // 0, 1 or 2
                fileBar.value(steps - file * StepsPerFile);
                if (steps % StepsPerFile == 0 && file + 1 < Files) {
                    show(copying.status, "Copying file " + std::to_string(file + 2) + " of 3...");
                }
            } else if (event == WorkDone) {
                copying.finished = true;
                show(copying.status, steps == Files * StepsPerFile ? "Done." : "Stopped.");
            } else {
                page.raiseEvent(event);
            }
            page.paint();
        }

        // Stop the worker before the session: it must not post events into
        // a session that is gone.
        copying.stopping = true;
        worker.join();
    }
    Session::stop();
    return 0;
}
