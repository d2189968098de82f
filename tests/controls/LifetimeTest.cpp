#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "controls/Probes.h"

using namespace ControlsTest;
using Lifetime = VeskTest::PseudoTerminal;

// Whatever the order of destruction, nothing reachable names a destroyed
// object: children, control list, active control, parent links, map cells.
TEST_F(Lifetime, DestructionInAnyOrderLeavesNoStalePointers) {
    ASSERT_TRUE(Session::start(Session::None));
    int order[] = {0, 1, 2, 3};  // the page, the container, x, y
    do {
        // The page holds the container and y, the container x twice and y; x
        // is active; both leaves own map cells.
        std::optional<Page> page{std::in_place};
        std::optional<Container> box{std::in_place};
        std::optional<Probe> x{std::in_place}, y{std::in_place};
        page->attachChild(&*box);
        attach(*box, {&*x, &*y, &*x});
        page->attachChild(&*y);
        page->activeControl(&*x);
        Point from(0, 0), to(0, 9), under(1, 0), end(1, 9);
        Session::fillMap(&from, &to, &*x);
        Session::fillMap(&under, &end, &*y);
        for (int victim : order) {
            SCOPED_TRACE(testing::PrintToString(order) + " after " + std::to_string(victim));
            victim == 0   ? page.reset()
            : victim == 1 ? box.reset()
            : victim == 2 ? x.reset()
                          : y.reset();
            Container* containers[] = {page ? &*page : nullptr, box ? &*box : nullptr};
            List alive{nullptr, containers[0], containers[1], x ? &*x : nullptr, y ? &*y : nullptr};
            auto held = [&](Region* c) { return std::count(alive.begin(), alive.end(), c) > 0; };
            for (Control* survivor : alive) {
                EXPECT_TRUE(survivor == nullptr || held(survivor->parent()));
            }
            for (Container* container : containers) {
                for (int i = 0; container != nullptr && i < container->count(); ++i) {
                    EXPECT_TRUE(held(container->child(i)));
                }
            }
            if (page) {
                for (Control* entry : controlList(*page)) {
                    EXPECT_TRUE(held(entry));
                }
                EXPECT_EQ(x ? &*x : nullptr, page->activeControl());
            }
            for (int cell = 0; cell < 20; ++cell) {
                Point point(cell / 10, cell % 10);
                EXPECT_TRUE(held(Session::at(&point)));
            }
        }
    } while (std::next_permutation(std::begin(order), std::end(order)));
}

TEST_F(Lifetime, SurvivorsKeepWorkingAfterTheirRelativesGo) {
    Page page;
    Probe first, last;
    auto box = std::make_unique<Container>();
    attach(page, {&first, box.get()});
    box->attachChild(&last);
    page.activeControl(&first);
    box.reset();
    // The orphan is a root now, still listed and reachable by Tab.
    EXPECT_EQ(nullptr, last.parent());
    EXPECT_EQ((List{&first, &last}), controlList(page));
    EXPECT_EQ(0, page.raiseEvent(Tab));
    EXPECT_EQ(&last, page.activeControl());
    EXPECT_EQ(1, page.count());

    auto shortLived = std::make_unique<Page>();
    Container survivor;
    Probe late;
    shortLived->attachChild(&survivor);
    shortLived.reset();
    EXPECT_EQ(nullptr, survivor.parent());
    EXPECT_TRUE(survivor.attachChild(&late));
    EXPECT_EQ(nullptr, late.page());
}

// A holder the library does not know: it describes its list through the
// base class's table and takes part in cleanup and loop refusal like the
// library's own holders.
struct Shelf : Control {
    List items;
    Shelf() {
        static constexpr Holding table{
            [](Control& self) { return static_cast<int>(static_cast<Shelf&>(self).items.size()); },
            [](Control& self, int index) { return static_cast<Shelf&>(self).items.at(index); },
            [](Control& self, Control* item) {
                List& items = static_cast<Shelf&>(self).items;
                items.erase(std::remove(items.begin(), items.end(), item), items.end());
            },
            nullptr};
        holding = &table;
    }
    ~Shelf() {
        for (Control* item : items) {
            releaseAll(*this, *item);
        }
    }
    bool put(Control* item) {
        if (closesLoop(this, item)) {
            return false;
        }
        items.push_back(item);
        hold(*this, *item);
        return true;
    }
};

TEST_F(Lifetime, AHolderOfItsOwnTakesPartThroughItsTable) {
    int order[] = {0, 1, 2};  // the shelf, the container, x
    do {
        std::optional<Shelf> shelf{std::in_place};
        std::optional<Container> box{std::in_place};
        std::optional<Probe> x{std::in_place};
        ASSERT_TRUE(shelf->put(&*box) && shelf->put(&*x) && shelf->put(&*x));
        // The shelf sets no parent links: only its table shows the loop.
        EXPECT_FALSE(box->attachChild(&*shelf));
        ASSERT_TRUE(box->attachChild(&*x));
        EXPECT_FALSE(shelf->put(&*shelf));
        for (int victim : order) {
            SCOPED_TRACE(testing::PrintToString(order) + " after " + std::to_string(victim));
            victim == 0 ? shelf.reset() : victim == 1 ? box.reset() : x.reset();
            if (shelf) {
                List expected;
                for (Control* item :
                     List{box ? &*box : nullptr, x ? &*x : nullptr, x ? &*x : nullptr}) {
                    if (item != nullptr) {
                        expected.push_back(item);
                    }
                }
                EXPECT_EQ(expected, shelf->items);
            }
            if (box) {
                EXPECT_EQ(x ? 1 : 0, box->count());
            }
        }
    } while (std::next_permutation(std::begin(order), std::end(order)));

    // A holder inside a tree: a container below it may not take the page.
    Page page;
    Shelf shelf;
    Container inner;
    ASSERT_TRUE(page.attachChild(&shelf) && shelf.put(&inner));
    EXPECT_FALSE(inner.attachChild(&page));
    EXPECT_TRUE(page.paint());
}
