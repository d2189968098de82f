// The kit driving a session in the test's own process: a host loop on a
// thread of its own, the test on the other side of the pseudo-terminal.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "forms/Forms.h"
#include "forms/testing/Terminal.h"

using namespace Vesk::Forms;
using Vesk::Forms::Testing::Terminal;

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
class InProcess : public ::testing::Test {
protected:
    void SetUp() override {
        inputBefore = identity(0);
        outputBefore = identity(1);
        setenv("LINES", "7", 1);
        ASSERT_TRUE(terminal.attach());
        EXPECT_FALSE(terminal.attach());
        EXPECT_FALSE(terminal.run("true"));
        Session::mouse(true);
        ASSERT_TRUE(Session::start(Session::None));
        host = std::thread([this] { hostLoop(); });
    }

    void TearDown() override {
        terminal.press(Vesk::KeyF10);
        host.join();
        Session::stop();
        Session::mouse(false);
        EXPECT_TRUE(terminal.detach());
        EXPECT_FALSE(terminal.detach());
        EXPECT_EQ(inputBefore, identity(0));
        EXPECT_EQ(outputBefore, identity(1));
        EXPECT_STREQ("7", std::getenv("LINES"));
        unsetenv("LINES");
    }

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

    Terminal terminal{12, 60};
    std::thread host;
    std::string inputBefore, outputBefore;
};

TEST_F(InProcess, TypesPressesClicksResizesAndReadsTheScreenBack) {
    ASSERT_TRUE(terminal.waitFor("Ready"));
    EXPECT_EQ(3, terminal.cell(0, 0).foreground);
    EXPECT_EQ(4, terminal.cell(0, 0).background);

    struct Step {
        const char* what;
        std::function<bool(Terminal&)> act;
        std::function<bool(Terminal&)> shown;
    };
    const Step steps[] = {
        {"typed text, wide and combining",
         [](Terminal& t) { return t.type("Grüße 世界 e\u0301😀"); },
         [](Terminal& t) {
             // 世 at column 8 takes two cells; é is one cell with its mark.
             return t.row(2) == "  Grüße 世界 e\u0301😀" && t.cell(2, 8).text == "世" &&
                    t.cell(2, 8).width == 2 && t.cell(2, 9).text.empty() &&
                    t.cell(2, 13).text == "e\u0301" && t.cell(2, 14).text == "😀" &&
                    t.cursor().row == 2 && t.cursor().column == 16 && t.cursor().visible;
         }},
        {"backspace takes the emoji",
         [](Terminal& t) { return t.press(Vesk::KeyBackspace); },
         [](Terminal& t) { return t.row(2) == "  Grüße 世界 e\u0301" && t.cursor().column == 14; }},
        {"Home and a character",
         [](Terminal& t) {
             return t.press(Vesk::KeyHome) && t.press(static_cast<Vesk::Event>(Vesk::CharacterEvent(U'Ж')));
         },
         [](Terminal& t) { return t.row(2) == "  ЖGrüße 世界 e\u0301"; }},
        {"Tab to the button, shown in reverse",
         [](Terminal& t) { return t.press(Vesk::KeyTab); },
         [](Terminal& t) { return t.cell(4, 2).reverse && !t.cell(4, 20).reverse; }},
        {"Enter clicks it",
         [](Terminal& t) { return t.press(Vesk::KeyEnter); },
         [](Terminal& t) { return t.row(0) == "clicked OK ✓"; }},
        {"back-tab goes back to the field",
         [](Terminal& t) { return t.press(Vesk::KeyBackTab); },
         [](Terminal& t) { return !t.cell(4, 2).reverse && t.cursor().row == 2; }},
        {"a click on the other button",
         [](Terminal& t) { return t.click(4, 21); },
         [](Terminal& t) { return t.row(0) == "clicked Cancel" && t.cell(4, 20).reverse; }},
        {"a new size",
         [](Terminal& t) { return t.resize(20, 70); },
         [](Terminal& t) {
             return t.row(0) == "size 70x20" && t.rows() == 20 && t.columns() == 70 &&
                    t.row(4).find("Cancel") != std::string::npos;
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(step.act(terminal));
        EXPECT_TRUE(terminal.waitUntil(step.shown)) << terminal.text();
    }
}

}  // namespace
