#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>

#include "controls/Probes.h"
#include "geometry/PaintedScreen.h"
#include "support/SessionAccess.h"

using namespace ControlsTest;
using TabsPaint = VeskTest::PaintedScreen;
using TabsText = VeskTest::Utf8PaintedScreen;
using Pages = std::vector<Page*>;

namespace {

void attachTabs(Tabs& set, const Pages& pages) {
    for (Page* page : pages) {
        set.attachTab(page);
    }
}

Pages pagesOf(Tabs& set) {
    Pages pages;
    for (int i = 0; i < set.count(); ++i) {
        pages.push_back(set.tab(i));
    }
    return pages;
}

void expectRefused(Tabs& set, Page* page) {
    Page* shown = set.activeTab();
    expectDomainError("Cannot activate page of another set!", [&] { set.activeTab(page); });
    EXPECT_EQ(shown, set.activeTab());
}

}  // namespace

TEST(Tabs, AttachPlacesPagesBelowTheHeaderAndShowsTheFirst) {
    Page root, a, b, e, d;
    Probe first;
    Tabs set, other;
    set.width(40);
    set.height(10);
    attach(root, {&first, &set});
    root.activeControl(&set);
    EXPECT_FALSE(set.attachTab(nullptr));
    EXPECT_FALSE(set.attachTab(&root));  // would make the parent links a ring
    EXPECT_EQ(nullptr, root.parent());

    EXPECT_TRUE(set.attachTab(&a));
    std::unique_ptr<Point> place(a.position());
    EXPECT_EQ(&set, a.parent());
    EXPECT_EQ((std::vector<int>{1, 0, 40, 9}),
              (std::vector<int>{place->row, place->column, a.width(), a.height()}));
    EXPECT_EQ((List{&first, &set, &a}), controlList(root));
    EXPECT_EQ(&a, set.activeTab());

    set.width(30);
    set.attachTab(&b);
    EXPECT_EQ(std::make_pair(40, 30), std::make_pair(a.width(), b.width()));
    a.focus(false);
    b.focus(false);
    EXPECT_EQ(&b, set.activeTab(&b));
    EXPECT_TRUE(b.focus() && !a.focus());
    expectRefused(set, &d);
    expectRefused(set, nullptr);
    other.attachTab(&d);  // a set outside any page lists no control
    expectRefused(set, &d);

    set.attachTab(&e);
    EXPECT_EQ(&a, set.activeTab());
    set.attachTab(&b);  // again: in front of its first entry, the active entry kept
    EXPECT_EQ((List{&first, &set, &a, &b, &b, &e}), controlList(root));
    EXPECT_EQ(&set, root.activeControl());
    EXPECT_EQ((Pages{&a, &b, &e, &b}), pagesOf(set));

    // A page holding the set below it, even one the set has since left for
    // another parent, would send Tab and painting round forever.
    Page holder;
    Tabs moved;
    Container elsewhere;
    ASSERT_TRUE(holder.attachChild(&moved) && elsewhere.attachChild(&moved));
    EXPECT_FALSE(moved.attachTab(&holder));
    EXPECT_EQ(0, moved.count());
}

// The page takes the set's height less the header row, clamped, so that the
// lowest height does not wrap round to the highest.
TEST(Tabs, AttachUnderTheLowestHeightGivesThePageTheLowestHeight) {
    Page root, a;
    Tabs set;
    attach(root, {&set});
    set.width(10);
    set.height(INT_MIN);
    ASSERT_TRUE(set.attachTab(&a));
    EXPECT_EQ(INT_MIN, a.height());
}

TEST_F(TabsPaint, ASetOneRowHighStillBlanksWhatThePreviousPageLeft) {
    Page root, a, b;
    Tabs set;
    Label note;
    set.position(2, 0);
    set.width(20);
    set.height(2);
    root.attachChild(&set);
    set.attachTab(&a);
    set.attachTab(&b);
    note.width(10);
    delete note.text("left over");
    a.attachChild(&note);
    root.paint();
    EXPECT_EQ("left over", text(3, 0, 9));
    EXPECT_EQ(1, set.raiseEvent(Vesk::KeyNextPage));
    root.paint();
    EXPECT_EQ(std::string(20, ' '), text(3, 0, 20));
}

// A set larger than the screen that starts left of it or above it: the
// switch blanks every cell of the set below its header that is on the
// screen and takes it out of the screen map, so the arrow keys cannot reach
// the page that went.
TEST_F(TabsPaint, ASwitchBlanksAllOfTheSetThatIsOnTheScreen) {
    // clang-format off
    const struct { int row, column, width, height; int aRow, aColumn, bRow, bColumn; } cases[] = {
        {2, -10, 100, 20, 3, 84, 3, 30},   // A's button at screen (6, 74)
        {-3, 5, 60, 30, 25, 10, 25, 2},    // at screen (23, 15)
    };
    // clang-format on
    for (const auto& c : cases) {
        dots();
        Page root, a, b;
        Tabs set;
        Button onA, onB;
        place(set, c.row, c.column, c.width, c.height);
        root.attachChild(&set);
        attachTabs(set, {&a, &b});
        place(onA, c.aRow, c.aColumn, 4, 1);
        place(onB, c.bRow, c.bColumn, 4, 1);
        onA.text("A");
        onB.text("B");
        a.attachChild(&onA);
        b.attachChild(&onB);
        root.activeControl(&set);
        root.paint();
        const int row = c.row + 1 + c.aRow, column = c.column + c.aColumn;
        ASSERT_EQ("| A  |", glyphs(row, column - 1, 6)) << c.row;

        set.raiseEvent(PageDown);
        b.activeControl(&onB);
        root.paint();
        for (int y = row - 1; y <= row + 1; ++y) {
            EXPECT_EQ(std::string(6, ' '), text(y, column - 1, 6)) << c.row << " row " << y;
            for (int x = column - 1; x < column + 5; ++x) {
                EXPECT_EQ(nullptr, SessionAccess::at(y, x)) << y << "," << x;
            }
        }
        EXPECT_EQ(0, root.raiseEvent(Vesk::KeyRight)) << c.row;
        EXPECT_TRUE(onB.focus() && !onA.focus()) << c.row;
        EXPECT_EQ(&onB, b.activeControl());
    }
}

// Titles are laid out in cells: a title of wide or combining characters
// takes exactly its cells and the next one follows without a gap; a NUL
// ends a title.
TEST_F(TabsText, TitlesTakeTheirCellsAndEndAtANul) {
    Page root, uber, han, accent, cut;
    Tabs set;
    place(set, 2, 3, 30, 3);
    root.attachChild(&set);
    uber.title(
        "\xC3\x9C"
        "ber");
    han.title("\xE4\xB8\xAD\xE6\x96\x87");
    accent.title("e\xCC\x81!");
    cut.title(std::string("ab\0cd", 5));
    attachTabs(set, {&uber, &han, &accent, &cut});
    EXPECT_TRUE(root.paint());
    EXPECT_EQ(
        L" \u00DCber  \u4E2D\u4E2D\u6587\u6587  e\u0301!  ab " + std::wstring(10, L' ') + L".",
        wide(2, 3, 31));
    constexpr int Lit = 16 * Black + BrightWhite + 1, Dim = 16 * Black + BrightBlack + 1;
    for (int column = 3; column < 33; ++column) {
        EXPECT_EQ(column < 9 ? Lit : Dim, VeskTest::wideCell(2, column).pair) << column;
    }
}

TEST(Tabs, PageKeysCycleAndDetachKeepsAPageShown) {
    Page a, b, e;
    Tabs set;
    attachTabs(set, {&a, &b, &e});
    const std::pair<int, Page*> steps[] = {{PageDown, &b}, {PageDown, &e}, {PageDown, &a},
                                           {PageUp, &e},   {PageUp, &b},   {PageUp, &a}};
    for (const auto& [key, shown] : steps) {
        EXPECT_EQ(1, set.raiseEvent(key));
        EXPECT_EQ(shown, set.activeTab());
    }

    // Pages a, b, e: which is shown, which goes, which is shown after.
    const struct {
        int shown, gone, after;
    } cases[] = {{1, 0, 1}, {1, 1, 0}, {2, 0, 2}, {0, 2, 0}, {0, 0, 1}, {2, 2, 0}};
    for (const auto& c : cases) {
        Tabs trio;
        Page* all[] = {&a, &b, &e};
        attachTabs(trio, {&a, &b, &e});
        trio.activeTab(all[c.shown]);
        EXPECT_TRUE(trio.detachTab(all[c.gone]));
        EXPECT_FALSE(trio.detachTab(all[c.gone]));
        EXPECT_EQ(&trio, all[c.gone]->parent());
        EXPECT_EQ(all[c.after], trio.activeTab()) << c.shown << " " << c.gone;
    }

    // An emptied set shows nothing and handles nothing it is given.
    Tabs single;
    single.attachTab(&a);
    single.detachTab(&a);
    EXPECT_EQ(nullptr, single.activeTab());
    for (int key : {Paint, Tab, BackTab, PageDown, PageUp}) {
        EXPECT_EQ(0, single.raiseEvent(key)) << std::hex << key;
    }
    EXPECT_FALSE(single.paint());
}

TEST_F(TabsPaint, HeaderLightsTheShownTitleThenPaintsTheShownPage) {
    Page root, one, two;
    Tabs set;
    Label inside, hidden;
    place(set, 2, 3, 20, 5);
    root.attachChild(&set);
    one.title("One");
    two.title("Two");
    attachTabs(set, {&one, &two});
    one.attachChild(&inside);
    two.attachChild(&hidden);
    for (Label* label : {&inside, &hidden}) {
        label->position(1, 2);
        label->width(6);
        delete label->text(label == &inside ? "inside" : "hidden");
    }
    constexpr int Lit = 16 * Black + BrightWhite + 1, Dim = 16 * Black + BrightBlack + 1;
    EXPECT_TRUE(root.paint());
    EXPECT_EQ(" One  Two           .", text(2, 3, 21));
    for (int column = 3; column < 23; ++column) {
        EXPECT_EQ(column < 8 ? Lit : Dim, cell(2, column).pair) << column;
    }
    EXPECT_EQ("inside", text(4, 5, 6));

    dots();
    set.raiseEvent(PageDown);
    EXPECT_TRUE(set.paint());
    EXPECT_EQ(std::make_pair(Dim, Lit), std::make_pair(cell(2, 3).pair, cell(2, 8).pair));
    EXPECT_EQ("hidden", text(4, 5, 6));

    // Labels wider than the set turn the filler into that many blanks; only
    // what reaches the screen is formed, however wide the set claims to be.
    const struct {
        int width, column;
        std::string header;
        bool painted;
    } widths[] = {{8, 3, " One  Two   .", true},
                  {INT_MAX, 13, std::string(67, ' '), true},
                  {0, 3, "...........", false}};
    for (const auto& w : widths) {
        dots();
        set.width(w.width);
        EXPECT_EQ(w.painted, set.paint()) << w.width;
        EXPECT_EQ(w.header, text(2, w.column, static_cast<int>(w.header.size())));
        const int last = w.column + static_cast<int>(w.header.size()) - 2;
        EXPECT_TRUE(!w.painted || cell(2, last).pair == Dim) << w.width;
    }
}

TEST(Tabs, ForwardsTabToTheShownPageAndRoutesOtherKeysToItsActiveControl) {
    Page root, full, empty;
    Probe before, after, x, y;
    Tabs set;
    attach(root, {&before, &set, &after});
    root.activeControl(&set);
    EXPECT_EQ(0, root.raiseEvent(0x41));  // no page shown
    attachTabs(set, {&full, &empty});
    attach(full, {&x, &y});
    EXPECT_EQ(0, root.raiseEvent(0x41));  // the shown page has no active control

    full.activeControl(&x);
    x.attachHandler(0x41, record);
    x.attachHandler(0xD, record);
    calls.clear();
    answer = 7;
    EXPECT_EQ(7, root.raiseEvent(0x41));
    EXPECT_EQ(7, root.raiseEvent(0xD));
    EXPECT_EQ((Calls{{0x41, &x}, {0xD, &x}}), calls);
    EXPECT_EQ(&set, root.activeControl());
    EXPECT_TRUE(set.focus());

    // Tab moves the focus inside the shown page; the forwarder gives 0, so
    // the outer page moves on as well.
    EXPECT_EQ(0, root.raiseEvent(Tab));
    EXPECT_EQ(&y, full.activeControl());
    EXPECT_TRUE(y.focus() && !x.focus());
    EXPECT_EQ(&after, root.activeControl());
    root.activeControl(&set);
    y.attachHandler(BackTab, record);  // handled: neither page moves
    EXPECT_EQ(1, root.raiseEvent(BackTab));
    EXPECT_EQ((List{&y, &set}), (List{full.activeControl(), root.activeControl()}));

    set.raiseEvent(PageDown);
    EXPECT_EQ(0, set.raiseEvent(Tab));
    EXPECT_EQ(0, root.raiseEvent(BackTab));
    EXPECT_EQ(&before, root.activeControl());
}

// Pages a and b in a set inside root, a listed twice, b shown, d detached
// from the set earlier; any order of destruction leaves nothing stale.
TEST(Tabs, DestructionInAnyOrderLeavesNoStalePointers) {
    int order[] = {0, 1, 2, 3, 4};  // the set, root, a, b, d
    do {
        std::optional<Tabs> set{std::in_place};
        std::optional<Page> pages[4];
        for (auto& page : pages) {
            page.emplace();
        }
        Page &root = *pages[0], &a = *pages[1], &b = *pages[2], &d = *pages[3];
        Region* address[] = {&*set, &root, &a, &b, &d};
        auto alive = [&](int i) { return i == 0 ? set.has_value() : pages[i - 1].has_value(); };
        auto held = [&](Region* region) {
            auto at = std::find(std::begin(address), std::end(address), region);
            return at == std::end(address) ? region == nullptr : alive(at - address);
        };
        set->width(10);
        root.attachChild(&*set);
        attachTabs(*set, {&a, &d, &b, &a});
        set->detachTab(&d);
        Region* shown = set->activeTab(&b);
        for (int victim : order) {
            SCOPED_TRACE(testing::PrintToString(order) + " after " + std::to_string(victim));
            victim == 0 ? set.reset() : pages[victim - 1].reset();
            for (int i = 2; i < 5; ++i) {
                if (alive(i)) {
                    EXPECT_EQ(set ? address[0] : nullptr, address[i]->parent());
                }
            }
            if (set) {
                for (Page* page : pagesOf(*set)) {
                    EXPECT_TRUE(held(page));
                }
                shown = held(shown) ? shown : set->tab(0);
                EXPECT_EQ(shown, set->activeTab());
                EXPECT_EQ(shown != nullptr, set->paint());
            }
            if (pages[0]) {
                for (Control* entry : controlList(root)) {
                    EXPECT_TRUE(held(entry));
                }
            }
        }
    } while (std::next_permutation(std::begin(order), std::end(order)));
}

// A page that still lists, as its active control, a tab set that now shows
// that very page: keys, Tab and paints end instead of going round for ever.
TEST(TabsLoop, AKeyRoundALoopOfPageAndSetEnds) {
    Page page;
    Tabs set;
    set.width(20);
    set.height(5);
    page.attachChild(&set);
    page.activeControl(&set);
    page.detachChild(&set);  // still in the page's control list
    set.parent(nullptr);
    ASSERT_TRUE(set.attachTab(&page));
    // The set still takes Page Down; nothing takes the others.
    const struct { int event, result; } keys[] = {
        {'a', 0}, {Vesk::KeyTab, 0}, {Vesk::KeyNextPage, 1}, {Vesk::KeyDown, 0}};
    for (const auto& key : keys) {
        EXPECT_EQ(key.result, page.raiseEvent(key.event)) << key.event;
    }
    page.tabIntoPages(true);
    EXPECT_EQ(0, page.raiseEvent(Vesk::KeyTab));
    EXPECT_TRUE(set.paint());
}
