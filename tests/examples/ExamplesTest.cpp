// The example programs, each run on the testing kit's terminal as a user
// would run it: keys and clicks in, the screen (text, colours, reverse
// video, cursor) read back.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Terminal;

namespace {

constexpr auto Escape = static_cast<Vesk::Event>(0x1B);
// Colour indexes as the terminal shows them (curses colours 0 to 15).
constexpr int Green = 2, Blue = 4, White = 7, BrightBlack = 8, BrightRed = 9, BrightGreen = 10, BrightYellow = 11;

std::string binary(const std::string& name) {
    return std::string(VESK_BINARY_DIR) + "/examples/" + name + "/vesk-" + name;
}

// Starts an example and waits until it shows `ready`.
void start(Terminal& terminal, const std::string& name, const std::string& ready,
           const std::vector<std::string>& arguments = {}) {
    ASSERT_TRUE(terminal.run(binary(name), arguments)) << binary(name);
    ASSERT_TRUE(terminal.waitFor(ready)) << terminal.text();
}

bool reversed(Terminal& terminal, int row, int column) {
    return terminal.cell(row, column).reverse;
}

// Waits until the cursor shows at the cell.
::testing::AssertionResult cursorAt(Terminal& terminal, int row, int column) {
    if (terminal.waitUntil([&](Terminal& t) {
            return t.cursor().visible && t.cursor().row == row && t.cursor().column == column;
        })) {
        return ::testing::AssertionSuccess();
    }
    const Vesk::Forms::Testing::Cursor at = terminal.cursor();
    return ::testing::AssertionFailure()
           << "cursor at " << at.row << "," << at.column << (at.visible ? "" : ", hidden");
}

// Every example starts, and ends with exit code 0 on Esc and on F10; a key
// that is neither (here Tab) leaves it running.
TEST(Examples, StartAndQuitOnEscapeAndF10) {
    const struct {
        const char* name;
        const char* ready;
    } examples[] = {
        {"hello", "Press Enter to be greeted."},     {"login", "Sign in to continue"},
        {"settings", "Language: English"},           {"progress", "Copying file 1 of 3..."},
        {"custom-control", "Food 0/5, service 3/5"},
        {"dialog", "Name: Vesk"},
        {"long-form", "Registration: 40 fields"},
    };
    for (const auto& example : examples) {
        for (Vesk::Event quit : {Escape, Vesk::KeyF10}) {
            SCOPED_TRACE(std::string(example.name) + (quit == Escape ? " Esc" : " F10"));
            Terminal terminal;
            ASSERT_NO_FATAL_FAILURE(start(terminal, example.name, example.ready));
            terminal.press(Vesk::KeyTab);
            EXPECT_EQ(-1, terminal.wait(std::chrono::milliseconds(100)));
            terminal.press(quit);
            EXPECT_EQ(0, terminal.wait());
        }
    }
}

TEST(Examples, HelloGreetsOnEnter) {
    Terminal terminal;
    ASSERT_NO_FATAL_FAILURE(start(terminal, "hello", "Press Enter to be greeted."));
    // The rest of the first paint may still be on its way.
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) { return reversed(t, 3, 5); }))
        << "the focused button";
    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("Hello, world!")) << terminal.text();
    EXPECT_EQ("  Hello, world!", terminal.row(1)) << "nothing of the longer text is left";
}

// Each case types a name, an e-mail address and a password, checks
// "Remember me" or not, and signs in with Enter in the password field or a
// click on the button. Each field's message shows in red under it.
TEST(Examples, LoginValidatesWhatIsTyped) {
    struct Case {
        const char* name;
        const char* email;
        const char* password;
        bool remember;
        bool click;
        const char* message;
        int color;
        // The messages under the three fields.
        std::vector<std::string> errors;
        // The name field's first cells as shown, and where the cursor ends.
        std::vector<const char*> nameCells;
        const char* stars;
        int cursorRow, cursorColumn;
    };
    const std::string required = "A value is required.";
    // clang-format off
    const Case cases[] = {
        // Enter signs in: the empty fields are refused, the first takes the focus.
        {"", "", "whatever1", false, false, "Please correct the fields in red.", BrightRed,
         {required, required, ""}, {}, "*********", 3, 11},
        // Seven characters in ten bytes: too short, and Enter in the field is refused.
        {"山田", "yamada@例え.jp", "pässwö€", false, false, "Esc or F10 quits.", BrightBlack,
         {"", "", "Enter 8 to 64 characters."}, {"山", "", "田", ""}, "*******", 9, 18},
        // A combining accent shares its letter's cell; eight emoji are eight.
        {"Jose\u0301", "jose@example", "🙂🙂🙂🙂🙂🙂🙂🙂", false, false,
         "Please correct the fields in red.", BrightRed,
         {"", "Enter an e-mail address such as name@example.com.", ""},
         {"J", "o", "s", "e\u0301", " "}, "********", 6, 23},
        {"Zoë", "zoe@example.com", "correct horse", true, true,
         "Welcome, Zoë! You will stay signed in.", BrightGreen, {"", "", ""}, {"Z", "o", "ë"},
         "*************", 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Terminal terminal;
        ASSERT_NO_FATAL_FAILURE(start(terminal, "login", "Sign in to continue"));
        EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
            return t.cell(3, 11).background == Blue;
        })) << "the fields are blue";
        for (const char* text : {c.name, c.email, c.password}) {
            terminal.type(text);
            terminal.press(Vesk::KeyTab);  // the last Tab goes to the check box
        }
        if (c.remember) {
            terminal.type(" ");
        }
        if (c.click) {
            EXPECT_TRUE(terminal.click(15, 5));
        } else {
            terminal.press(Vesk::KeyBackTab);  // back to the password: Enter there submits
            terminal.press(Vesk::KeyEnter);
        }
        ASSERT_TRUE(terminal.waitUntil([&](Terminal& t) {
            return t.row(18).rfind(" " + std::string(c.message), 0) == 0 &&
                   t.row(10).substr(std::min<std::size_t>(11, t.row(10).size())) == c.errors[2];
        })) << terminal.text();
        EXPECT_EQ(c.color, terminal.cell(18, 1).foreground);
        for (int field = 0; field < 3; ++field) {
            const std::string row = terminal.row(4 + 3 * field);
            EXPECT_EQ(c.errors[field], row.substr(std::min<std::size_t>(11, row.size()))) << field;
            if (!c.errors[field].empty()) {
                EXPECT_EQ(BrightRed, terminal.cell(4 + 3 * field, 11).foreground);
            }
        }
        EXPECT_EQ(std::string(" Password  ") + c.stars, terminal.row(9));
        EXPECT_EQ(std::string(c.remember ? "[x]" : "[ ]") + " Remember me",
                  terminal.row(12).substr(11));
        for (std::size_t i = 0; i < c.nameCells.size(); ++i) {
            EXPECT_EQ(c.nameCells[i], terminal.cell(3, 11 + static_cast<int>(i)).text) << i;
        }
        // A refused sign-in puts the cursor in the field at fault; a
        // successful one leaves it where the user signed in.
        if (c.click) {
            EXPECT_TRUE(reversed(terminal, 15, 3)) << "the clicked button has the focus";
            continue;
        }
        EXPECT_TRUE(cursorAt(terminal, c.cursorRow, c.cursorColumn));
    }
}

TEST(Examples, SettingsFollowTheTabsTheListAndTheCheckBoxes) {
    Terminal terminal;
    const std::string summary = "Language: English, autosave on, sound off, hints on";
    ASSERT_NO_FATAL_FAILURE(start(terminal, "settings", summary));
    EXPECT_EQ(" [x] Save automatically", terminal.row(4));
    EXPECT_TRUE(reversed(terminal, 4, 2)) << "the first check box has the focus";

    terminal.press(Vesk::KeyDown);
    terminal.type(" ");
    EXPECT_TRUE(terminal.waitFor("sound on")) << terminal.text();

    // Page Down shows the list; Down moves its selection past the rows shown.
    terminal.press(Vesk::KeyNextPage);
    ASSERT_TRUE(terminal.waitFor("Français")) << terminal.text();
    EXPECT_EQ(std::string::npos, terminal.text().find("Play sounds")) << terminal.text();
    for (int i = 0; i < 5; ++i) {
        terminal.press(Vesk::KeyDown);
    }
    ASSERT_TRUE(terminal.waitFor("Language: 日本語, autosave on, sound on")) << terminal.text();
    EXPECT_EQ(" 日本語", terminal.row(8).substr(0, 10));
    EXPECT_TRUE(reversed(terminal, 8, 1)) << "the selected item";
    EXPECT_EQ(2, terminal.cell(8, 1).width);

    // Clicks: an item, then the General title, then a check box.
    ASSERT_TRUE(terminal.click(4, 3));
    ASSERT_TRUE(terminal.waitFor("Language: Français,")) << terminal.text();
    ASSERT_TRUE(terminal.click(2, 3));
    ASSERT_TRUE(terminal.waitFor("Show hints")) << terminal.text();
    ASSERT_TRUE(terminal.click(6, 3));
    EXPECT_TRUE(terminal.waitFor("Language: Français, autosave on, sound on, hints off"))
        << terminal.text();
}

// The bars advance on the worker's events; the button pauses them, a click
// resumes them, and the end shows "Done." with both bars full.
TEST(Examples, ProgressAdvancesPausesAndFinishes) {
    Terminal terminal;
    ASSERT_NO_FATAL_FAILURE(start(terminal, "progress", "Copying file 2 of 3...", {"20"}));
    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("Paused.")) << terminal.text();
    EXPECT_TRUE(terminal.waitFor("Resume"));
    // A step already under way may still arrive; after it nothing moves.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::string paused = terminal.row(4);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(paused, terminal.row(4));
    EXPECT_EQ(std::string::npos, paused.find("60 of 60")) << paused;

    ASSERT_TRUE(terminal.click(7, 18));
    ASSERT_TRUE(terminal.waitFor("Done.")) << terminal.text();
    EXPECT_TRUE(terminal.waitFor("60 of 60 steps"));
    EXPECT_TRUE(terminal.waitFor("100%"));
    for (int row : {2, 4}) {
        EXPECT_EQ("█", terminal.cell(row, 14).text);
        EXPECT_EQ(Green, terminal.cell(row, 14).foreground) << "filled to the first cell";
        EXPECT_EQ(Green, terminal.cell(row, 63).foreground) << "filled to the last cell";
    }
    terminal.press(Vesk::KeyEnter);  // nothing left to pause
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(terminal.waitFor("Done."));
    EXPECT_EQ(std::string::npos, terminal.text().find("Resume")) << terminal.text();
}

// The host's own control: stars lit by the arrows and by clicks, reversed
// and holding the cursor while focused, and reached by Up and Down.
TEST(Examples, CustomControlRatesWithKeysAndClicks) {
    Terminal terminal;
    ASSERT_NO_FATAL_FAILURE(start(terminal, "custom-control", "Food 0/5, service 3/5"));
    EXPECT_EQ("  Service   ★★★☆☆", terminal.row(4));
    EXPECT_EQ(BrightYellow, terminal.cell(4, 14).foreground);
    EXPECT_EQ(White, terminal.cell(4, 15).foreground);
    EXPECT_TRUE(reversed(terminal, 2, 12) && !reversed(terminal, 4, 12));

    const struct {
        std::function<bool(Terminal&)> act;
        const char* shown;
        int focusedRow;
        int cursorColumn;
    } steps[] = {
        {[](Terminal& t) { return t.press(Vesk::KeyRight) && t.press(Vesk::KeyRight); },
         "Food 2/5, service 3/5", 2, 13},
        {[](Terminal& t) { return t.press(Vesk::KeyDown) && t.press(Vesk::KeyEnd); },
         "Food 2/5, service 5/5", 4, 16},
        {[](Terminal& t) { return t.press(Vesk::KeyRight); }, "Food 2/5, service 5/5", 4, 16},
        {[](Terminal& t) { return t.press(Vesk::KeyHome); }, "Food 2/5, service 0/5", 4, 12},
        {[](Terminal& t) { return t.click(2, 15); }, "Food 4/5, service 0/5", 2, 15},
        {[](Terminal& t) { return t.press(Vesk::KeyLeft); }, "Food 3/5, service 0/5", 2, 14},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.shown);
        ASSERT_TRUE(step.act(terminal));
        ASSERT_TRUE(terminal.waitFor(step.shown)) << terminal.text();
        EXPECT_TRUE(cursorAt(terminal, step.focusedRow, step.cursorColumn));
        EXPECT_TRUE(reversed(terminal, step.focusedRow, 12));
        const int otherRow = step.focusedRow == 2 ? 4 : 2;
        EXPECT_FALSE(reversed(terminal, otherRow, 12));
    }
    EXPECT_EQ("  Food      ★★★☆☆", terminal.row(2));
}

}  // namespace

// OK keeps what was typed in the dialog, Esc and Cancel do not; the page's
// cells under the dialog show again after it closes.
TEST(Examples, DialogRenamesOnOkOnly) {
    Terminal terminal;
    ASSERT_NO_FATAL_FAILURE(start(terminal, "dialog", "Name: Vesk"));
    const auto renamed = [&terminal](const std::string& name) {
        return terminal.waitUntil([name](Terminal& t) {
            return t.row(1) == "  Name: " + name && t.text().find("New name") == std::string::npos;
        });
    };
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) { return reversed(t, 4, 5); }));
    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("New name")) << terminal.text();
    // The dialog is 9 x 36, centred on 25 x 80: its field at (11, 24).
    EXPECT_TRUE(cursorAt(terminal, 11, 28));
    terminal.type(" Мир 世界");
    terminal.press(Vesk::KeyTab);
    terminal.press(Vesk::KeyEnter);
    EXPECT_TRUE(renamed("Vesk Мир 世界")) << terminal.text();
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) { return reversed(t, 4, 5); }))
        << "the focus back on Rename\n" << terminal.text();

    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("New name"));
    terminal.type("x");
    terminal.press(Escape);
    EXPECT_TRUE(renamed("Vesk Мир 世界")) << terminal.text();

    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("New name"));
    terminal.type("y");
    terminal.click(14, 45);  // Cancel
    EXPECT_TRUE(renamed("Vesk Мир 世界")) << terminal.text();

    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("New name"));
    terminal.type("z");
    terminal.click(14, 27);  // OK
    EXPECT_TRUE(renamed("Vesk Мир 世界z")) << terminal.text();
}

// Forty fields in a box of 22 rows on 25: Tab shows each field whole, Send
// at the end of the form is reached and counts what was filled in, and a
// smaller screen keeps the focused button in view.
TEST(Examples, LongFormShowsTheFocusedFieldAndSendsFromTheEnd) {
    Terminal terminal;
    ASSERT_NO_FATAL_FAILURE(start(terminal, "long-form", "Registration: 40 fields"));
    EXPECT_TRUE(cursorAt(terminal, 2, 18));
    EXPECT_EQ("  Имя 1", terminal.row(2).substr(0, 10));
    terminal.type("Ана");
    for (int i = 0; i < 25; ++i) {
        terminal.press(Vesk::KeyTab);
    }
    // Field 26 at content row 25 shows on the box's last row.
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
        return t.row(23).rfind("  Email 26", 0) == 0 && t.cursor().row == 23 &&
               t.cursor().column == 18;
    })) << terminal.text();
    terminal.type("王");
    for (int i = 0; i < 15; ++i) {
        terminal.press(Vesk::KeyTab);
    }
    terminal.press(Vesk::KeyEnter);
    ASSERT_TRUE(terminal.waitFor("Sent: 2 of 40 fields filled in.")) << terminal.text();
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) { return t.row(22).find("Send") != std::string::npos; }))
        << terminal.text();
    EXPECT_TRUE(terminal.resize(12, 60));
    EXPECT_TRUE(terminal.waitUntil([](Terminal& t) {
        for (int row = 2; row < 11; ++row) {
            if (t.row(row).find("Send") != std::string::npos && t.cell(row, 22).reverse) {
                return true;
            }
        }
        return false;
    })) << terminal.text();
    terminal.press(Vesk::KeyF10);
    EXPECT_EQ(0, terminal.wait());
}
