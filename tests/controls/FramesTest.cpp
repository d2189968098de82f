// Frames as painters, the map and the mouse see them: a holder that moves
// and cuts everything below it and raises one child to a higher layer, and a
// control of a host's own drawn only through the public Canvas.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "geometry/PaintedScreen.h"
#include "support/SessionAccess.h"
#include "support/ShiftingHolder.h"

using namespace Vesk::Forms;

namespace {

// A host's control: "<name>" in a box one cell around it, all through the
// public paint road.
class Tag : public Control {
public:
    explicit Tag(std::string name) : name(std::move(name)) {
        focusable = true;
        width(static_cast<int>(this->name.size()));
        height(1);
        attachHandler(Vesk::UpdateView, painter);
    }

private:
    static int painter(int, void* control) {
        Tag* tag = static_cast<Tag*>(static_cast<Control*>(control));
        Canvas canvas(*tag);
        canvas.claim();
        canvas.box(-1, -1, 3, canvas.width() + 2, SingleLine, White, Black, false);
        canvas.text(0, 0, tag->name, White, Black, canvas.keysReach());
        canvas.cursor(0, 0);
        return 1;
    }
    std::string name;
};

using Frames = VeskTest::PaintedScreen;

// The rows and the map over rows 1 to 8, columns 0 to 39.
struct Picture {
    std::vector<std::string> rows;
    std::vector<Control*> map;
    bool operator==(const Picture& other) const {
        return rows == other.rows && map == other.map;
    }
};

}  // namespace

TEST_F(Frames, AHolderMovesCutsAndRaisesAndTakingTheRaisedAwayLeavesNoTrace) {
    auto picture = [this] {
        Picture shown;
        for (int row = 1; row < 9; ++row) {
            shown.rows.push_back(glyphs(row, 0, 40));
            for (int column = 0; column < 40; ++column) {
                shown.map.push_back(SessionAccess::at(row, column));
            }
        }
        return shown;
    };
    Page page;
    VeskTest::ShiftingHolder holder;
    Container inner;  // Visible: by itself it would cut nothing
    Label text, deep;
    CheckBox box;
    Button raised;
    holder.position(2, 10);
    holder.width(20);
    holder.height(4);
    holder.rows = 1;
    holder.columns = -3;  // children start 3 columns left of the holder
    page.attachChild(&holder);
    holder.attachChild(&text);
    holder.attachChild(&inner);
    holder.attachChild(&box);
    inner.attachChild(&deep);
    inner.overflow(Visible);
    inner.position(2, 15);
    inner.width(2);
    inner.height(1);
    delete text.text("abcdefghij");
    text.width(10);
    delete deep.text("0123456789");
    deep.width(10);
    box.position(1, 0);
    box.width(12);
    box.text("box");
    page.paint();
    // Row 3 is holder row 0; everything is cut to columns 10 to 29, the
    // grandchild too although its own parent cuts nothing.
    EXPECT_EQ("..........defghij.......................", glyphs(3, 0, 40));
    EXPECT_EQ(".......... box     ..", glyphs(4, 0, 21));
    EXPECT_EQ("......................01234567..........", glyphs(5, 0, 40));
    EXPECT_EQ(nullptr, SessionAccess::at(4, 9));
    EXPECT_EQ(&box, SessionAccess::at(4, 10));
    // From here on on blanks, as a page's own cells are: a picture taken
    // away leaves blanks, not what a test wrote before.
    for (int row = 0; row < 25; ++row) {
        mvhline(row, 0, ' ', 80);
    }
    page.paint();
    const Picture before = picture();

    // Attached first, yet painted over the later box and owning its cells.
    raised.border(NoBorder);
    raised.width(6);
    raised.text("UP");
    raised.position(1, 2);
    holder.raised = &raised;
    holder.attachChild(&raised);
    page.paint();
    EXPECT_EQ("           UP       ", glyphs(4, 0, 20));
    EXPECT_EQ(&raised, SessionAccess::at(4, 13));
    EXPECT_EQ(&box, SessionAccess::at(4, 17));

    // A layer deeper than 64 is refused: the control is not painted at all.
    holder.layer = 65;
    page.paint();
    const Picture refused = picture();
    for (std::size_t i = 0; i < before.rows.size(); ++i) {
        EXPECT_EQ(before.rows[i], refused.rows[i]) << i;
    }
    for (std::size_t i = 0; i < before.map.size(); ++i) {
        EXPECT_EQ(before.map[i], refused.map[i]) << i;
    }

    holder.layer = 1;
    page.paint();
    holder.detachChild(&raised);
    page.paint();
    EXPECT_TRUE(picture() == before);
}

TEST_F(Frames, AHostControlIsCutMappedAndLitLikeTheLibrarysOwn) {
    Page page;
    Container hidden;
    Tag tag("ABCDEFGH"), other("xy");
    hidden.position(2, 10);
    hidden.width(5);
    hidden.height(3);
    page.attachChild(&hidden);
    hidden.attachChild(&tag);
    page.attachChild(&other);
    tag.position(1, 1);
    other.position(10, 10);
    page.activeControl(&tag);
    page.paint();
    // The box and the text end at the container's last column, 14.
    EXPECT_EQ(".........." "a----" ".", glyphs(2, 0, 16));
    EXPECT_EQ(".........." "|ABCD" ".", glyphs(3, 0, 16));
    EXPECT_EQ(".........." "c----" ".", glyphs(4, 0, 16));
    EXPECT_EQ(&tag, SessionAccess::at(3, 14));
    EXPECT_EQ(nullptr, SessionAccess::at(3, 15));
    EXPECT_TRUE(VeskTest::PseudoTerminal::cell(3, 11).raw & A_REVERSE);
    EXPECT_EQ(3, getcury(stdscr));
    EXPECT_EQ(11, getcurx(stdscr));
    // A key the control leaves goes up to the holders around it.
    hidden.attachHandler('z', +[](int, void*) { return 7; });
    EXPECT_EQ(7, page.raiseEvent('z'));

    // The arrow key reaches the other host control; the first is lit no more.
    EXPECT_EQ(1, page.raiseEvent(Vesk::KeyDown));
    page.paint();
    EXPECT_EQ(&other, page.activeControl());
    EXPECT_FALSE(VeskTest::PseudoTerminal::cell(3, 11).raw & A_REVERSE);
    EXPECT_TRUE(VeskTest::PseudoTerminal::cell(10, 10).raw & A_REVERSE);
}

// A control's cells in the map are exactly those it painted last: what was
// taken away, moved, shrunk, cut off or left on a hidden tab page neither
// shows nor takes a click.
TEST_F(Frames, NothingStaleStaysInTheMapOrOnTheScreen) {
    Session::mouse(true);
    struct Form {
        Page page;
        Container hidden;
        Tabs tabs;
        Page one, two;
        Button button, below;
        CheckBox box;
    };
    // clang-format off
    const struct Case {
        const char* what;
        void (*change)(Form&);
        int row, column;  // a cell the button (or the check box) does not own
        char shown;       // '.' where nothing was ever drawn, ' ' where a picture went
    } cases[] = {
        {"detached", [](Form& f) { f.page.detachChild(&f.button); }, 5, 8, ' '},
        {"moved", [](Form& f) { f.button.position(12, 40); }, 5, 8, ' '},
        {"shrunk", [](Form& f) { f.button.width(2); }, 5, 12, ' '},
        {"on the page the set no longer shows", [](Form& f) { f.tabs.activeTab(&f.two); }, 13, 3, ' '},
        {"below its tab page", [](Form& f) { f.below.position(6, 2); }, 17, 3, '.'},
        {"cut off by its container", [](Form&) {}, 20, 9, '.'},
    };
    // clang-format on
    for (const Case& c : cases) {
        dots();
        Form f;
        f.page.attachChild(&f.button);
        f.button.position(5, 5);
        f.page.attachChild(&f.hidden);
        f.hidden.position(20, 3);
        f.hidden.width(5);
        f.hidden.height(2);
        f.hidden.attachChild(&f.box);
        f.box.position(0, 2);  // its mark and caption run on past column 7
        f.box.text("abcdef");
        f.tabs.position(10, 0);
        f.tabs.width(30);
        f.tabs.height(5);  // pages of rows 11 to 14
        f.page.attachChild(&f.tabs);
        f.one.title("One");
        f.two.title("Two");
        f.tabs.attachTab(&f.one);
        f.tabs.attachTab(&f.two);
        f.one.attachChild(&f.below);
        f.below.position(2, 2);  // rows 12 to 14
        f.page.paint();
        c.change(f);
        f.page.paint();
        EXPECT_EQ(nullptr, SessionAccess::at(c.row, c.column)) << c.what;
        EXPECT_EQ(0, f.page.raiseEvent(Vesk::MouseEvent(Vesk::MouseButton::Left, true, 0, c.row,
                                                        c.column)))
            << c.what;
        EXPECT_EQ(std::string(1, c.shown), glyphs(c.row, c.column, 1)) << c.what;
    }
    Session::mouse(false);
}

// Offsets far off the screen, layers stacked past the deepest, and a raised
// control destroyed while it waits for its layer: nothing is written off the
// screen or outside the holders, and nothing dangles (the sanitizers watch).
TEST_F(Frames, BadPlacementsAreCutOrRefused) {
    Page page;
    VeskTest::ShiftingHolder far;
    Label lost;
    far.width(10);
    far.height(2);
    far.rows = 1LL << 62;
    far.columns = -(1LL << 62);
    page.attachChild(&far);
    far.attachChild(&lost);
    delete lost.text("lost");
    lost.width(4);

    // Each holder raises the next one layer: the label at the bottom would be
    // on layer 66.
    std::vector<std::unique_ptr<VeskTest::ShiftingHolder>> stack;
    Container* around = &page;
    for (int i = 0; i < 66; ++i) {
        stack.push_back(std::make_unique<VeskTest::ShiftingHolder>());
        VeskTest::ShiftingHolder& holder = *stack.back();
        holder.position(i == 0 ? 5 : 0, 0);
        holder.width(20);
        holder.height(1);
        around->attachChild(&holder);
        if (around != &page) {
            static_cast<VeskTest::ShiftingHolder*>(around)->raised = &holder;
        }
        around = &holder;
    }
    Label deepest;
    delete deepest.text("deep");
    deepest.width(4);
    around->attachChild(&deepest);

    // The first child's painter destroys the raised second one, which waits
    // for its layer by then.
    VeskTest::ShiftingHolder holder;
    Control killer;
    auto* victim = new Button();
    holder.position(10, 0);
    holder.width(20);
    holder.height(3);
    page.attachChild(&holder);
    holder.attachChild(victim);
    holder.attachChild(&killer);
    holder.raised = victim;
    killer.data(&victim);
    killer.attachHandler(Vesk::UpdateView, +[](int, void* control) {
        auto** doomed = static_cast<Button**>(static_cast<Control*>(control)->data());
        delete *doomed;
        *doomed = nullptr;
        return 1;
    });

    EXPECT_TRUE(page.paint());
    EXPECT_EQ(nullptr, victim);
    EXPECT_EQ(1, holder.count());
    expectOnly({}, "nothing shows");

    // Within the deepest layer, the label shows.
    stack[63]->detachChild(stack[64].get());
    stack[63]->attachChild(&deepest);
    stack[63]->raised = &deepest;
    EXPECT_TRUE(page.paint());
    expectOnly({{5, 0, "deep"}}, "on layer 64");
}
