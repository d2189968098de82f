// The largest block allocated while a tab header is painted, seen through a
// replacement of the global operator new (it serves this whole test program).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "controls/Probes.h"
#include "geometry/PaintedScreen.h"

namespace {

std::atomic<std::size_t> largest{0};

void* allocate(std::size_t size) {
    std::size_t seen = largest.load();
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

using namespace ControlsTest;
using HeaderMemory = VeskTest::PaintedScreen;

// Titles running far past the screen, and past the set's width by far: the
// header forms no blanks beyond the screen, so a paint allocates no more
// than one title's label.
TEST_F(HeaderMemory, TitlesFarPastTheScreenFormOnlyWhatShows) {
    Page root, page;
    Tabs set;
    place(set, 2, 3, 20, 5);
    root.attachChild(&set);
    page.title(std::string(1 << 20, 'x'));
    for (int i = 0; i < 200; ++i) {
        set.attachTab(&page);
    }
    largest = 0;
    EXPECT_TRUE(root.paint());
    EXPECT_LT(largest.load(), (1u << 20) + 64);
    // The first title wraps down the screen; the set's own rows below its
    // header are blanked for the page.
    EXPECT_EQ(" " + std::string(19, 'x'), text(2, 3, 20));
    for (int row = 3; row < 25; ++row) {
        EXPECT_EQ(std::string(20, row < 7 ? ' ' : 'x'), text(row, 3, 20)) << row;
    }
}
