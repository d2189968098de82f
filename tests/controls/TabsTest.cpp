#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <stdexcept>

#include "controls/Probes.h"
#include "geometry/PaintedScreen.h"

using namespace ControlsTest;
using TabsPaint = VeskTest::PaintedScreen;
using Pages = std::vector<Page*>;

namespace {

constexpr int Tab = 0x9, BackTab = 0x0002015F, Down = 0x00020152, Up = 0x00020153;

Pages pagesOf(Tabs& set) {
    Pages pages;
    for (int i = 0; i < set.count(); ++i) {
        pages.push_back(set.tab(i));
    }
    return pages;
}

void expectRefused(Tabs& set, Page* page) {
    Page* shown = set.activeTab();
    try {
        set.activeTab(page);
        ADD_FAILURE() << "nothing thrown";
    } catch (std::domain_error* error) {
        std::unique_ptr<std::domain_error> owned(error);
        EXPECT_STREQ("Cannot activate page of another set!", error->what());
    }
    EXPECT_EQ(shown, set.activeTab());
}

}  // namespace

TEST(Tabs, StartsFocusableEmptyAndWithItsOwnHandlers) {
    Tabs set;
    Page page;
    Container box;
    EXPECT_TRUE(tagIs(set, "Vqrm1Tabs"));
    EXPECT_EQ(static_cast<std::int32_t>(sizeof(Tabs)), set.size);
    EXPECT_TRUE(set.canFocus() && !set.focus());
    EXPECT_EQ(nullptr, set.activeTab());
    EXPECT_TRUE(Tabs::is(set) && !Tabs::is(page) && !Tabs::is(box));
    const struct {
        int code;
        bool handled;
    } table[] = {{0x00010000, true},  {Tab, true},         {BackTab, true},
                 {Down, true},        {Up, true},          {0x00020102, false},
                 {0x00020103, false}, {0x00020104, false}, {0x00020105, false}};
    for (const auto& entry : table) {
        EXPECT_EQ(entry.handled, set.handles(entry.code)) << std::hex << entry.code;
        // An empty set handles nothing it is given.
        EXPECT_EQ(0, set.raiseEvent(entry.code)) << std::hex << entry.code;
    }
    EXPECT_FALSE(set.paint());
}

TEST(Tabs, AttachPlacesPagesBelowTheHeaderAndShowsTheFirst) {
    Page root, a, b, e, d;
    Probe first;
    Tabs set, other;
    set.width(40);
    set.height(10);
    root.attachChild(&first);
    root.attachChild(&set);
    root.activeControl(&set);
    EXPECT_FALSE(set.attachTab(nullptr));
    EXPECT_FALSE(set.attachTab(&root));  // would make the parent links a ring
    EXPECT_EQ(nullptr, root.parent());

    EXPECT_TRUE(set.attachTab(&a));
    std::unique_ptr<Point> place(a.position());
    EXPECT_EQ(&set, a.parent());
    EXPECT_EQ(std::make_pair(1, 0), std::make_pair(place->row, place->column));
    EXPECT_EQ(std::make_pair(40, 9), std::make_pair(a.width(), a.height()));
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
    EXPECT_EQ(&other, d.parent());
    expectRefused(set, &d);

    set.attachTab(&e);
    EXPECT_EQ(&a, set.activeTab());
    set.attachTab(&b);  // again: in front of its first entry, the active entry kept
    EXPECT_EQ((List{&first, &set, &a, &b, &b, &e}), controlList(root));
    EXPECT_EQ(&set, root.activeControl());
    EXPECT_EQ((Pages{&a, &b, &e, &b}), pagesOf(set));
}

TEST(Tabs, PageKeysCycleAndDetachKeepsAPageShown) {
    Page a, b, e;
    Tabs set;
    for (Page* page : {&a, &b, &e}) {
        set.attachTab(page);
    }
    const struct {
        int key;
        Page* shown;
    } steps[] = {{Down, &b}, {Down, &e}, {Down, &a}, {Up, &e}, {Up, &b}, {Up, &a}};
    for (const auto& step : steps) {
        EXPECT_EQ(1, set.raiseEvent(step.key));
        EXPECT_EQ(step.shown, set.activeTab());
    }

    // Pages a, b, e; which is shown, which goes, which is shown after.
    const struct {
        int shown, gone, after;
    } cases[] = {{1, 0, 1}, {1, 1, 0}, {2, 0, 2}, {0, 2, 0}, {0, 0, 1}, {2, 2, 0}};
    for (const auto& c : cases) {
        Tabs trio;
        Page* all[] = {&a, &b, &e};
        for (Page* page : all) {
            trio.attachTab(page);
        }
        trio.activeTab(all[c.shown]);
        EXPECT_TRUE(trio.detachTab(all[c.gone]));
        EXPECT_FALSE(trio.detachTab(all[c.gone]));
        EXPECT_EQ(&trio, all[c.gone]->parent());
        EXPECT_EQ(all[c.after], trio.activeTab()) << c.shown << " " << c.gone;
    }
    Tabs single;
    single.attachTab(&a);
    single.detachTab(&a);
    EXPECT_EQ(nullptr, single.activeTab());
    EXPECT_EQ(0, single.raiseEvent(Down));
}

TEST_F(TabsPaint, HeaderLightsTheShownTitleThenPaintsTheShownPage) {
    Page root, one, two;
    Tabs set;
    Label inside, hidden;
    set.position(2, 3);
    set.width(20);
    set.height(5);
    root.attachChild(&set);
    one.title("One");
    two.title("Two");
    set.attachTab(&one);
    set.attachTab(&two);
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
    set.raiseEvent(Down);
    EXPECT_TRUE(set.paint());
    EXPECT_EQ(std::make_pair(Dim, Lit), std::make_pair(cell(2, 3).pair, cell(2, 8).pair));
    EXPECT_EQ("hidden", text(4, 5, 6));

    // Labels wider than the set: the filler turns into that many blanks.
    dots();
    set.width(8);
    EXPECT_TRUE(set.paint());
    EXPECT_EQ(" One  Two   .", text(2, 3, 13));
    EXPECT_EQ(Dim, cell(2, 14).pair);

    // Only what reaches the screen is formed, however wide the set claims to be.
    dots();
    set.width(INT_MAX);
    EXPECT_TRUE(set.paint());
    EXPECT_EQ(std::string(67, ' '), text(2, 13, 67));

    dots();
    set.width(0);
    EXPECT_FALSE(set.paint());
    EXPECT_EQ("...........", text(2, 3, 11));
}

TEST(Tabs, ForwardsTabToTheShownPageAndRoutesOtherKeysToItsActiveControl) {
    Page root, full, empty;
    Probe before, after, x, y;
    Tabs set;
    for (Control* control : List{&before, &set, &after}) {
        root.attachChild(control);
    }
    root.activeControl(&set);
    EXPECT_EQ(0, root.raiseEvent(0x41));  // no page shown
    set.attachTab(&full);
    set.attachTab(&empty);
    full.attachChild(&x);
    full.attachChild(&y);
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

    set.raiseEvent(Down);
    EXPECT_EQ(0, set.raiseEvent(Tab));
    EXPECT_EQ(0, root.raiseEvent(BackTab));
    EXPECT_EQ(&before, root.activeControl());
}

// Pages a and b in a set inside root, a listed twice, b shown, d detached
// from the set earlier; any order of destruction leaves nothing stale.
TEST(Tabs, DestructionInAnyOrderLeavesNoStalePointers) {
    int order[] = {0, 1, 2, 3, 4};
    do {
        std::optional<Tabs> set{std::in_place};
        std::optional<Page> pages[4];  // root, a, b, d
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
        for (Page* page : {&a, &d, &b, &a}) {
            set->attachTab(page);
        }
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
