#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Terminal;

namespace {

// Drives the demo on the testing kit's terminal, as a user would in a real
// terminal: keys and clicks go in as a terminal sends them, the screen comes
// back as a terminal shows it.
class Demo : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[] = "/tmp/vesk-demo-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(buffer));
        directory = buffer;
        const std::string demo = std::string(VESK_BINARY_DIR) + "/examples/demo/vesk-demo";
        ASSERT_TRUE(std::filesystem::exists(demo)) << demo;
        ASSERT_TRUE(terminal.run(demo, {}, {}, directory));
    }

    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string waitFor(const std::string& needle) {
        terminal.waitFor(needle);
        return terminal.text();
    }

    // Presses each key in turn.
    void keys(std::initializer_list<int> events) {
        for (int event : events) {
            ASSERT_TRUE(terminal.press(static_cast<Vesk::Event>(event)));
        }
    }

    // The first cell showing `needle`, or {-1, -1}.
    std::pair<int, int> find(const std::string& needle) {
        for (int row = 0; row < terminal.rows(); ++row) {
            const std::size_t at = terminal.row(row).find(needle);
            std::size_t bytes = 0;
            for (int column = 0; at != std::string::npos && bytes <= at; ++column) {
                if (bytes == at) {
                    return {row, column};
                }
                bytes += terminal.cell(row, column).text.size();
            }
        }
        return {-1, -1};
    }

    static bool contains(const std::string& haystack, const std::string& needle) {
        return haystack.find(needle) != std::string::npos;
    }

    Terminal terminal{25, 80};
    std::string directory;
};

TEST_F(Demo, ShowsTheFormAndFollowsTheKeys) {
    const auto parts = {"Say hello", " Buttons  Progress  About", "Quit", "Ready."};
    terminal.waitUntil([&](Terminal& t) {
        const std::string text = t.text();
        return std::all_of(parts.begin(), parts.end(),
                           [&](const char* part) { return contains(text, part); });
    });
    std::string shown = terminal.text();
    for (const char* part : parts) {
        EXPECT_TRUE(contains(shown, part)) << part << " missing from\n" << shown;
    }
    // The focused button is drawn in reverse video.
    const auto [row, column] = find("Say hello");
    ASSERT_GE(row, 0) << shown;
    EXPECT_TRUE(terminal.cell(row, column).reverse) << shown;

    keys({Vesk::KeyEnter});
    shown = waitFor("Hello from the \"Say hello\" button!");
    EXPECT_TRUE(contains(shown, "Hello from the \"Say hello\" button!")) << shown;
    keys({Vesk::KeyRight, Vesk::KeyEnter, Vesk::KeyEnter});  // to Count, two clicks
    shown = waitFor("Clicks counted: 2");
    EXPECT_TRUE(contains(shown, "Clicks counted: 2")) << shown;
    // A click on Count counts a third.
    const auto [countRow, countColumn] = find("Count");
    ASSERT_GE(countRow, 0) << shown;
    EXPECT_TRUE(terminal.click(countRow, countColumn));
    shown = waitFor("Clicks counted: 3");
    EXPECT_TRUE(contains(shown, "Clicks counted: 3")) << shown;

    // Page Down shows the progress bars, whose texts advance on their own.
    keys({Vesk::KeyNextPage});
    shown = waitFor("working...");
    EXPECT_TRUE(contains(shown, "Custom text") && contains(shown, "working...")) << shown;
    EXPECT_FALSE(contains(shown, "Say hello")) << shown;
    EXPECT_TRUE(terminal.waitUntil([&](Terminal& t) { return t.text() != shown; }))
        << "the progress bars should advance";

    // Page Up goes back; F10 ends the program with the terminal given back.
    keys({Vesk::KeyPreviousPage});
    EXPECT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys({'q'});
    EXPECT_EQ(-1, terminal.wait(std::chrono::milliseconds(200))) << "q is text, not a way out";
    keys({Vesk::KeyF10});
    EXPECT_EQ(0, terminal.wait());
    EXPECT_FALSE(contains(terminal.text(), "Say hello")) << "the main screen is back";

    // The session's start and stop only: no key, so nothing typed, is logged.
    std::stringstream log;
    log << std::ifstream(directory + "/VeskForms.log").rdbuf();
    EXPECT_TRUE(contains(log.str(), "] Session stopped\n")) << log.str();
    EXPECT_FALSE(contains(log.str(), "raised on") || contains(log.str(), "Click, text"))
        << log.str();
}

// The Form page takes typed text, a password, an age, a date, a check and a
// choice, and Submit shows them; a 'q' typed into a field is text. A date
// the calendar lacks turns its field red and is not submitted.
TEST_F(Demo, TakesTheFormsInputAndSubmitsIt) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys({Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage});
    ASSERT_TRUE(contains(waitFor("Send me the news"), "your name"));
    terminal.type("Ada q");
    // Tab stays with the page being filled in: the password field, not Quit.
    keys({Vesk::KeyTab});
    terminal.type("secret");
    keys({Vesk::KeyTab});
    terminal.type("36");
    keys({Vesk::KeyTab});
    terminal.type("31022026");  // the mask writes the slashes
    keys({Vesk::KeyEnter});
    ASSERT_TRUE(contains(waitFor("31/02/2026"), "31/02/2026"));
    const auto [row, column] = find("31/02/2026");
    const int red = 1;  // the terminal's colour 1
    EXPECT_TRUE(terminal.waitUntil([&](Terminal& t) { return t.cell(row, column).foreground == red; }))
        << "a date the calendar lacks is shown red, and Enter does not submit it";
    EXPECT_FALSE(contains(terminal.text(), "Submitted")) << terminal.text();
    for (int i = 0; i < 10; ++i) {
        keys({Vesk::KeyBackspace});
    }
    terminal.type("31121815");
    // check, two items down, submit
    keys({Vesk::KeyDown, ' ', Vesk::KeyDown, Vesk::KeyDown, Vesk::KeyDown, Vesk::KeyEnter});
    const std::string submitted =
        "Submitted: Ada q, password 6 bytes, news on, Blue, age 36, 31/12/1815.";
    const std::string shown = waitFor(submitted);
    EXPECT_TRUE(contains(shown, submitted)) << shown;
    EXPECT_TRUE(contains(shown, "******")) << shown;
    EXPECT_TRUE(contains(shown, "[x] Send me the news")) << shown;
    keys({0x1B});
    EXPECT_EQ(0, terminal.wait());
}

// Each button's handler reaches the state the program keeps for it: the
// count, the lines it writes, the pause and quit flags the host loop reads.
TEST_F(Demo, ButtonsChangeTheStateTheHostLoopReads) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    const struct {
        int pagesDown;
        const char* click;
        const char* status;
        const char* alsoShown;
    } steps[] = {
        {0, "Count", "Counted one more click.", "Clicks counted: 1"},
        {0, "Reset", "Counter reset.", "Clicks counted: 0"},
        {1, "Pause", "Progress bars paused.", "Resume"},
        {0, "Resume", "Progress bars running.", "Pause"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.click);
        for (int i = 0; i < step.pagesDown; ++i) {
            keys({Vesk::KeyNextPage});
        }
        terminal.waitFor(step.click);
        const auto [row, column] = find(step.click);
        ASSERT_GE(row, 0) << terminal.text();
        ASSERT_TRUE(terminal.click(row, column));
        const std::string shown = waitFor(step.status);
        EXPECT_TRUE(contains(shown, step.status) && contains(shown, step.alsoShown)) << shown;
    }
    const auto [row, column] = find("Quit");
    ASSERT_GE(row, 0) << terminal.text();
    ASSERT_TRUE(terminal.click(row, column));
    EXPECT_EQ(0, terminal.wait());
}

TEST_F(Demo, DrawsTheFormAgainAtTheNewSize) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    ASSERT_TRUE(terminal.resize(30, 100));

    // The Quit button (row 27) and the status line (row 29) move down with
    // the bottom edge, and nothing of the old layout stays behind.
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
        return contains(t.row(27), "Quit") && contains(t.row(29), "Ready.");
    })) << terminal.text();
    const std::string all = terminal.text();
    EXPECT_EQ(all.find("Quit"), all.rfind("Quit")) << all;
    EXPECT_EQ(all.find("Ready."), all.rfind("Ready.")) << all;
    EXPECT_TRUE(contains(all, "Say hello") && contains(all, " Buttons  Progress  About")) << all;

    keys({Vesk::KeyEnter});  // the form still follows the keys
    EXPECT_TRUE(contains(waitFor("Hello from the \"Say hello\" button!"), "button!"));
}

// From the smallest terminal the demo is made for to a large one: the Quit
// button and the status line at the bottom, and every control of the Form
// page reached by Tab (a scroll box brings those below the page into view).
TEST_F(Demo, FillsTerminalsFromSmallToLarge) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    for (const auto& size : {std::pair<int, int>{15, 40}, {60, 200}, {24, 80}}) {
        const int rows = size.first;
        SCOPED_TRACE(std::to_string(rows) + "x" + std::to_string(size.second));
        ASSERT_TRUE(terminal.resize(rows, size.second));
        EXPECT_TRUE(terminal.waitUntil([rows](Terminal& t) {
            return contains(t.row(rows - 3), "Quit") && contains(t.row(rows - 1), "Ready.") &&
                   contains(t.row(2), " Buttons  Progress");
        })) << terminal.text();
    }
    ASSERT_TRUE(terminal.resize(15, 40));
    keys({Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage});
    ASSERT_TRUE(terminal.waitFor("your name")) << terminal.text();
    // The name, the password, the age, the date, the check box, the list,
    // the comment, then Submit.
    keys({Vesk::KeyTab, Vesk::KeyTab, Vesk::KeyTab, Vesk::KeyTab, Vesk::KeyTab, Vesk::KeyTab,
          Vesk::KeyTab, Vesk::KeyEnter});
    EXPECT_TRUE(terminal.waitFor("Submitted: (no name)")) << terminal.text();
    EXPECT_TRUE(contains(terminal.text(), "Submit")) << terminal.text();
}

// On the Form page the Submit button's box takes rows 23 to 25 (scrolled
// out of a tab set too short for it); the Quit button stays below the tab
// set (rows 2 to the fifth from the bottom) and shows at every size.
TEST_F(Demo, QuitStaysBelowTheTabSetAtEverySize) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys({Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage});
    ASSERT_TRUE(contains(waitFor("Send me the news"), "Send me the news"));
    const struct { int rows, columns; } sizes[] = {{24, 80}, {30, 100}, {20, 70}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.rows) + "x" + std::to_string(size.columns));
        ASSERT_TRUE(terminal.resize(size.rows, size.columns));
        EXPECT_TRUE(terminal.waitUntil([&](Terminal& t) {
            return t.rows() == size.rows && (size.rows < 30 || contains(t.row(24), "│ Submit │")) &&
                   contains(t.row(size.rows - 1), "Ready.") &&
                   contains(t.row(size.rows - 3), "Quit");
        })) << terminal.text();
        for (int row = 2; row < size.rows - 4; ++row) {
            EXPECT_FALSE(contains(terminal.row(row), "Quit")) << row << "\n" << terminal.text();
        }
    }
}

}  // namespace

// The Dialogs page: a question asked over the whole demo and answered by
// keys, then the drop-down of countries picked by a letter.
TEST_F(Demo, DialogsPageAsksAQuestionAndPicksACountry) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys({Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage});
    ASSERT_TRUE(contains(waitFor("Answer: not asked yet"), "Answer: not asked yet"));
    keys({Vesk::KeyEnter});
    ASSERT_TRUE(contains(waitFor("保存しますか?"), "Сохранить изменения?")) << terminal.text();
    keys({Vesk::KeyTab, Vesk::KeyEnter});
    const std::string answered = waitFor("Answer: No");
    EXPECT_TRUE(contains(answered, "Answer: No") && !contains(answered, "保存しますか?"))
        << answered;

    const auto [row, column] = find("Österreich");
    ASSERT_GE(row, 0) << terminal.text();
    ASSERT_TRUE(terminal.click(row, column));
    ASSERT_TRUE(terminal.waitFor("Ελλάδα")) << terminal.text();
    ASSERT_TRUE(terminal.type("Р"));
    keys({Vesk::KeyEnter});
    EXPECT_TRUE(terminal.waitUntil([row = row, column = column](Terminal& t) {
        return t.cell(row, column).text == "Р" && t.text().find("Ελλάδα") == std::string::npos;
    })) << terminal.text();
}

// The Long form page: forty fields in a scroll box as high as the page (rows
// 3 to 20, the content a cell in from its edge); Tab shows each field whole
// on the way, the wheel scrolls the box.
TEST_F(Demo, TheLongFormPageScrollsToTheFocusedField) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys({Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage, Vesk::KeyNextPage,
          Vesk::KeyNextPage});
    ASSERT_TRUE(terminal.waitUntil([](Terminal& t) {
        return contains(t.text(), "Имя 1") && contains(t.text(), "姓名 2");
    })) << terminal.text();
    EXPECT_TRUE(terminal.waitUntil(
        [](Terminal& t) { return t.cursor().row == 4 && t.cursor().column == 11; }));
    for (int i = 0; i < 20; ++i) {
        keys({Vesk::KeyTab});
    }
    terminal.type("ж");
    // Field 21 at content row 21 shows on the box's last row.
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
        return t.cursor().row == 20 && t.cursor().column == 12 &&
               t.row(20).find("Город 21") != std::string::npos &&
               t.row(3).find("电话 4") != std::string::npos;
    })) << terminal.text();
    EXPECT_TRUE(terminal.wheel(10, 5, true));
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
        return t.row(3).find("Имя 1") != std::string::npos;
    })) << terminal.text();
    keys({Vesk::KeyF10});
    EXPECT_EQ(0, terminal.wait());
}
