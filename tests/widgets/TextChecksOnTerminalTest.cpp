// Text boxes as a terminal shows them: characters as a reader sees them
// (grapheme clusters) taken whole by the keys and counted by maxLength, and
// a field that checks its text, red with its message in a label, beside a
// control of the host's that checks itself through its own Checking table.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "support/KitSteps.h"

using namespace Vesk::Forms;
using namespace VeskTest;

namespace {

constexpr char Clear[] = "\x0c";  // Ctrl+L: the host empties the first field
constexpr char Focus[] = "\x06";  // Ctrl+F: the host focuses the first field
constexpr char Check[] = "\x05";  // Ctrl+E: the host validates the page

const Vesk::Event Left = Vesk::KeyLeft, Right = Vesk::KeyRight, Home = Vesk::KeyHome,
                  Delete = Vesk::KeyDelete, Tab = Vesk::KeyTab, Enter = Vesk::KeyEnter,
                  Backspace = static_cast<Vesk::Event>(0x7F);

// A box the host's form needs ticked (Space), red after a check found it
// unticked; it counts the times keys left it.
struct Consent : Control {
    bool ticked = false, wrong = false;
    int leaves = 0;

    Consent() {
        static constexpr Checking table{check, left};
        checking = &table;
        focusable = true;
        width(3);
        attachHandler(' ', [](int, void* c) {
            of(c).ticked = !of(c).ticked;
            return 1;
        });
        attachHandler(Vesk::UpdateView, [](int, void* c) {
            Canvas canvas(of(c));
            canvas.text(0, 0, of(c).ticked ? "[x]" : "[ ]", of(c).wrong ? Red : White, Black,
                        canvas.keysReach());
            canvas.cursor(0, 1);
            return 1;
        });
    }
    static Consent& of(void* c) { return *static_cast<Consent*>(static_cast<Control*>(c)); }
    static bool check(Control& c) { return !(of(&c).wrong = !of(&c).ticked); }
    static void left(Control& c) {
        ++of(&c).leaves;
        check(c);
    }
};

// Row 0 counts steps, changes, submits, the last validate's count and the
// consent box's leaves; row 1 shows the first field's
// bytes in hex and its caret. The first field on row 2, a field of ages in
// a box on row 6, its error label on row 8, and a date field with a mask on
// row 10; the consent box on row 3 at column 40.
struct Form {
    Page page;
    Label status, bytes, ageError;
    TextBox box, age, date;
    Consent consent;
    int steps = 0, changes = 0, submits = 0, invalid = -1;

    Form() {
        for (Control* control :
             std::vector<Control*>{&status, &bytes, &box, &age, &ageError, &date, &consent}) {
            page.attachChild(control);
        }
        status.width(30);
        bytes.position(1, 0);
        bytes.width(70);
        box.position(2, 2);
        box.maxLength(3);
        box.change([](int, void* c) { return ++form(c).changes; });
        age.position(6, 3);
        age.width(10);
        (age.border)(SingleLine);
        age.validate(Validators::integer(1, 120));
        age.errorLabel(&ageError);
        age.submit([](int, void* c) { return ++form(c).submits; });
        ageError.position(8, 2);
        ageError.width(40);
        date.position(10, 2);
        date.width(12);
        date.mask("99/99/9999");
        consent.position(3, 40);
        box.data(this);
        age.data(this);
        box.takeFocus();
        show();
    }

    static Form& form(void* control) {
        return *static_cast<Form*>(static_cast<Control*>(control)->data());
    }

    void show() {
        delete status.text("s" + std::to_string(steps) + " c" + std::to_string(changes) + " u" +
                           std::to_string(submits) + " v" + std::to_string(invalid) + " l" +
                           std::to_string(consent.leaves) + " ");
        std::string hex;
        for (unsigned char byte : box.text()) {
            char two[3];
            std::snprintf(two, sizeof two, "%02x", byte);
            hex += two;
        }
        delete bytes.text(hex + " @" + std::to_string(box.cursor()));
    }
};

std::string drive(const std::vector<KitStep>& steps) {
    Terminal terminal(12, 80);
    return driveCounted(
        terminal,
        [] {
            Form form;
            countingLoop(
                form.page, form.steps, [&form] { form.show(); },
                [&form](Vesk::Event event) {
                    if (event == Focus[0]) {
                        return form.box.takeFocus() || true;
                    }
                    if (event == Check[0]) {
                        form.invalid = form.page.validate();
                        return true;
                    }
                    return event == Clear[0] && !form.box.text("").empty();
                });
        },
        steps);
}

// The first field holds `hex` with the caret after `caret` characters, shown
// at cell `cell` of the field.
TerminalCheck field(const std::string& hex, int caret, int cell) {
    return [=](Terminal& t) {
        return t.row(1).rfind(hex + " @" + std::to_string(caret), 0) == 0 &&
               cursorAt(t, 2, 2 + cell);
    };
}

TerminalCheck typing(const std::string& text, std::vector<Vesk::Event> then) {
    return [=](Terminal& t) { return t.type(Clear) && t.type(text) && keys(then)(t); };
}

}  // namespace

TEST(TextChecksOnTerminal, KeysTakeWholeCharactersAndMaxLengthCountsThem) {
    const std::string thumb = "👍🏽", family = "👨‍👩‍👧", flags = "🇩🇪🇫🇷🇮🇹";
    EXPECT_EQ(
        "",
        drive({
            {"Backspace after a skin tone takes the thumb too", typing(thumb, {Backspace}),
             field("", 0, 0)},
            {"Left twice over b and the thumb, Delete takes the thumb",
             typing("a" + thumb + "b", {Left, Left, Delete}), field("6162", 1, 1)},
            {"a joined family is one character of three emoji", typing(family + "x", {Home, Right}),
             field("f09f91a8e2808df09f91a9e2808df09f91a7"
                   "78",
                   1, 6)},
            {"a flag is a pair; Backspace takes the pair", typing("🇩🇪🇫🇷", {Left, Backspace}),
             field("f09f87abf09f87b7", 0, 0)},
            {"jamo make one syllable", typing("\u1100\u1161\u11a8가", {Left, Backspace}),
             field("eab080", 0, 0)},
            {"e and a combining acute are one", typing("e\u0301漢", {Left}),
             field("65cc81e6bca2", 1, 1)},
            {"CJK takes two cells each", typing("漢字", {Left}), field("e6bca2e5ad97", 1, 2)},
            {"maxLength 3: a skin tone joins the third, the fourth is refused",
             typing("ab" + thumb + "c", {}), field("6162f09f918df09f8fbd", 3, 6)},
            {"three flags fill it: a fourth regional letter is refused",
             typing(flags + "🇦", {Home}),
             field("f09f87a9f09f87aaf09f87abf09f87b7f09f87aef09f87b9", 0, 0)},
            {"a regional letter first would pair anew into four: refused", typing(flags, {Home}),
             [](Terminal& t) {
                 return t.type("🇦") &&
                        field("f09f87a9f09f87aaf09f87abf09f87b7f09f87aef09f87b9", 0, 0)(t);
             }},
        }));
}

TEST(TextChecksOnTerminal, AnInvalidFieldIsRedShowsItsMessageAndDoesNotSubmit) {
    const auto red = [](Terminal& t, bool on) {
        return (t.cell(6, 3).foreground == Red) == on && (t.cell(5, 2).foreground == Red) == on;
    };
    const auto status = [](Terminal& t, const std::string& part, bool consentRed) {
        return t.row(0).find(part) != std::string::npos &&
               (t.cell(3, 40).foreground == Red) == consentRed;
    };
    EXPECT_EQ("", drive({
                      {"Tab to the age field, abc and Enter: red, the message, no submit",
                       [](Terminal& t) { return t.press(Tab) && t.type("abc") && t.press(Enter); },
                       [&](Terminal& t) {
                           return red(t, true) &&
                                  showsFrom(t, 8, 2, "Enter a whole number from 1 to 120.") &&
                                  showsFrom(t, 0, 0, "s1 c0 u0 ") && cursorAt(t, 6, 6);
                       }},
                      {"42 instead: valid as typed, the label emptied; Enter submits",
                       [](Terminal& t) {
                           return keys({Backspace, Backspace, Backspace})(t) && t.type("42") &&
                                  t.press(Enter);
                       },
                       [&](Terminal& t) {
                           return red(t, false) && showsFrom(t, 8, 2, "     ") &&
                                  showsFrom(t, 0, 0, "s2 c0 u1 ");
                       }},
                      {"4200 and back-tab away: checked as the focus leaves",
                       [](Terminal& t) { return t.type("00") && t.press(Vesk::KeyBackTab); },
                       [&](Terminal& t) {
                           return red(t, true) && showsFrom(t, 8, 2, "Enter a whole number") &&
                                  cursorAt(t, 2, 2);
                       }},
                      {"Tab back, 4x unchecked; the host focuses the first field: checked at "
                       "the paint, no key",
                       [](Terminal& t) {
                           return t.press(Tab) && keys({Backspace, Backspace, Backspace})(t) &&
                                  t.type("x") && t.type(Focus);
                       },
                       [&](Terminal& t) {
                           return red(t, true) && showsFrom(t, 8, 2, "Enter a whole number") &&
                                  cursorAt(t, 2, 2);
                       }},
                      {"4 and the host validates: the unticked box counts, focused and red",
                       [](Terminal& t) {
                           return t.press(Tab) && t.press(Backspace) && t.type(Check);
                       },
                       [&](Terminal& t) {
                           return red(t, false) && status(t, " v1 l0", true) && cursorAt(t, 3, 41);
                       }},
                      {"Space ticks it, back-tab leaves it: told once, checked valid",
                       [](Terminal& t) { return t.type(" ") && t.press(Vesk::KeyBackTab); },
                       [&](Terminal& t) { return status(t, " v1 l1", false); }},
                  }));
}

TEST(TextChecksOnTerminal, AMaskRefusesWhatDoesNotFitAndShowsItsLiterals) {
    const auto dim = [](Terminal& t, int column) {
        return t.cell(10, column).foreground == BrightBlack;
    };
    EXPECT_EQ(
        "",
        drive({
            {"the empty date shows its places", [](Terminal&) { return true; },
             [&](Terminal& t) { return showsFrom(t, 10, 2, "__/__/____") && dim(t, 2); }},
            {"a click, 1x2: x refused, the literals and places shown dimmed",
             [](Terminal& t) { return t.click(10, 2) && t.type("1x2"); },
             [&](Terminal& t) {
                 return showsFrom(t, 10, 2, "12/__/____") && !dim(t, 3) && dim(t, 4) && dim(t, 5) &&
                        cursorAt(t, 10, 5);
             }},
            {"a typed literal steps over its place", typed("/0326"),
             [&](Terminal& t) {
                 return showsFrom(t, 10, 2, "12/03/26__") && !dim(t, 9) && cursorAt(t, 10, 10);
             }},
            {"three Backspaces take 6, 2, 3 and the slash before the 2",
             keys({Backspace, Backspace, Backspace}),
             [&](Terminal& t) {
                 return showsFrom(t, 10, 2, "12/0_/____") && dim(t, 6) && cursorAt(t, 10, 6);
             }},
            {"Ж does not fit a digit's place; 日 does not either", typed("Ж日3"),
             [&](Terminal& t) { return showsFrom(t, 10, 2, "12/03/____") && cursorAt(t, 10, 8); }},
        }));
}
