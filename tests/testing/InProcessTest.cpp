// The kit driving a session in the test's own process: a host loop on a
// thread of its own, the test on the other side of the pseudo-terminal.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "forms/testing/Terminal.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

Label* status = nullptr;

int clicked(int, void* control) {
    delete status->text("clicked " + static_cast<Button*>(control)->text());
    return 1;
}

std::string identity(int fd) {
    struct stat info {};
    fstat(fd, &info);
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
           std::to_string(info.st_rdev);
}

// Fields, buttons and a status line; F10 ends the host loop.
void hostLoop() {
    Page page;
    Label line;
    line.position(0, 0);
    line.width(40);
    line.color(Yellow);
    line.background(Blue);
    delete line.text("Ready");
    status = &line;
    TextBox field;
    field.position(2, 2);
    field.width(30);
    Button ok, cancel;
    ok.text("OK ✓");
    ok.position(4, 2);
    cancel.text("Cancel");
    cancel.position(4, 20);
    for (Control* control : {static_cast<Control*>(&line), static_cast<Control*>(&field),
                             static_cast<Control*>(&ok), static_cast<Control*>(&cancel)}) {
        page.attachChild(control);
    }
    ok.click(clicked);
    cancel.click(clicked);
    page.activeControl(&field);
    page.paint();
    for (Vesk::Event event; (event = Session::getEvent()) != Vesk::KeyF10;) {
        if (event == Vesk::KeyResize) {
            delete line.text("size " + std::to_string(Session::screenWidth()) + "x" +
                             std::to_string(Session::screenHeight()));
        }
        page.raiseEvent(event);
        page.paint();
    }
}

TEST(InProcess, TypesPressesClicksResizesAndReadsTheScreenBack) {
    const std::string inputBefore = identity(0), outputBefore = identity(1);
    setenv("LINES", "7", 1);
    Terminal terminal(12, 60);
    const std::vector<KitStep> steps = {
        {"the first paint; a second attach and a program refused",
         [](Terminal& t) { return !t.attach() && !t.run("true"); },
         [](Terminal& t) {
             return t.row(0) == "Ready" && t.cell(0, 0).foreground == 3 &&
                    t.cell(0, 0).background == 4;
         }},
        {"typed text, wide and combining", typed("Grüße 世界 e\u0301😀"),
         [](Terminal& t) {
             // 世 at column 8 takes two cells; é is one cell with its mark.
             return t.row(2) == "  Grüße 世界 e\u0301😀" && t.cell(2, 8).text == "世" &&
                    t.cell(2, 8).width == 2 && t.cell(2, 9).text.empty() &&
                    t.cell(2, 13).text == "e\u0301" && t.cell(2, 14).text == "😀" &&
                    cursorAt(t, 2, 16);
         }},
        {"backspace takes the emoji", keys({Vesk::KeyBackspace}),
         [](Terminal& t) { return t.row(2) == "  Grüße 世界 e\u0301" && cursorAt(t, 2, 14); }},
        {"Home and a character",
         keys({Vesk::KeyHome, static_cast<Vesk::Event>(Vesk::CharacterEvent(U'Ж'))}),
         [](Terminal& t) { return t.row(2) == "  ЖGrüße 世界 e\u0301"; }},
        {"Tab to the button, shown in reverse", keys({Vesk::KeyTab}),
         [](Terminal& t) { return t.cell(4, 2).reverse && !t.cell(4, 20).reverse; }},
        {"Enter clicks it", keys({Vesk::KeyEnter}),
         [](Terminal& t) { return t.row(0) == "clicked OK ✓"; }},
        {"back-tab goes back to the field", keys({Vesk::KeyBackTab}),
         [](Terminal& t) { return !t.cell(4, 2).reverse && t.cursor().row == 2; }},
        {"a click on the other button", click(4, 21),
         [](Terminal& t) { return t.row(0) == "clicked Cancel" && t.cell(4, 20).reverse; }},
        {"a new size", [](Terminal& t) { return t.resize(20, 70); },
         [](Terminal& t) {
             return t.row(0) == "size 70x20" && t.rows() == 20 && t.columns() == 70 &&
                    t.row(4).find("Cancel") != std::string::npos;
         }},
    };
    EXPECT_EQ("", driveInProcess(terminal, hostLoop, steps));
    // The test's own descriptors and environment are back.
    EXPECT_FALSE(terminal.detach());
    EXPECT_EQ(inputBefore, identity(0));
    EXPECT_EQ(outputBefore, identity(1));
    EXPECT_STREQ("7", std::getenv("LINES"));
    unsetenv("LINES");
}

}  // namespace
