#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "controls/Probes.h"

using namespace ControlsTest;
using Lifetime = VeskTest::PseudoTerminal;

namespace {

// A page holding a container and y; the container holds x twice and y; x is
// active; both leaves own map cells.
struct Tree {
    std::optional<Page> page{std::in_place};
    std::optional<Container> box{std::in_place};
    std::optional<Probe> x{std::in_place}, y{std::in_place};

    Tree() {
        page->attachChild(&*box);
        for (Control* child : {&*x, &*y, &*x}) {
            box->attachChild(child);
        }
        page->attachChild(&*y);
        page->activeControl(&*x);
        Point from(0, 0), to(0, 9), under(1, 0), end(1, 9);
        Session::fillMap(&from, &to, &*x);
        Session::fillMap(&under, &end, &*y);
    }
    Control* get(int i) {
        Control* all[] = {page ? &*page : nullptr, box ? &*box : nullptr, x ? &*x : nullptr,
                          y ? &*y : nullptr};
        return all[i];
    }
    void destroy(int i) {
        i == 0 ? page.reset() : i == 1 ? box.reset() : i == 2 ? x.reset() : y.reset();
    }
};

}  // namespace

// Whatever the order of destruction, nothing reachable names a destroyed
// object: children, control list, active control, parent links, map cells.
TEST_F(Lifetime, DestructionInAnyOrderLeavesNoStalePointers) {
    ASSERT_TRUE(Session::start(Session::None));
    int order[] = {0, 1, 2, 3};
    do {
        Tree tree;
        for (int victim : order) {
            SCOPED_TRACE(testing::PrintToString(order) + " after " + std::to_string(victim));
            tree.destroy(victim);
            List alive{nullptr};
            for (int i = 0; i < 4; ++i) {
                if (tree.get(i) != nullptr) {
                    alive.push_back(tree.get(i));
                    EXPECT_EQ(1, std::count(alive.begin(), alive.end(), tree.get(i)->parent()));
                }
            }
            auto held = [&](Control* c) { return std::count(alive.begin(), alive.end(), c) == 1; };
            Container* containers[] = {tree.page ? &*tree.page : nullptr,
                                       tree.box ? &*tree.box : nullptr};
            for (Container* container : containers) {
                for (int i = 0; container != nullptr && i < container->count(); ++i) {
                    EXPECT_TRUE(held(container->child(i)));
                }
            }
            if (tree.page) {
                for (Control* entry : controlList(*tree.page)) {
                    EXPECT_TRUE(held(entry));
                }
                EXPECT_EQ(tree.get(2), tree.page->activeControl());
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
    page.attachChild(&first);
    page.attachChild(box.get());
    box->attachChild(&last);
    page.activeControl(&first);
    box.reset();
    // The orphan is a root now, still listed and reachable by Tab.
    EXPECT_EQ(nullptr, last.parent());
    EXPECT_EQ((List{&first, &last}), controlList(page));
    EXPECT_EQ(0, page.raiseEvent(0x9));
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
