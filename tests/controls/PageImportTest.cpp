#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "controls/Probes.h"

using namespace ControlsTest;
using PageImport = VeskTest::PseudoTerminal;  // for its private working directory

TEST_F(PageImport, ReportsWhetherTheFileOpensAndTouchesNothing) {
    const std::string payload("\0\x01 payload", 10);
    std::ofstream("form.dat", std::ios::binary) << payload;
    std::ofstream("empty.dat");
    ASSERT_EQ(0, mkdir("folder", 0700));
    // Opening a pipe without a writer would block the host for good.
    ASSERT_EQ(0, mkfifo("pipe", 0600));
    const timeval past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(0, utimes("form.dat", past));
    Page page;
    Probe child;
    page.attachChild(&child);
    page.activeControl(&child);
    for (const auto& [path, opens] : {std::pair<const char*, bool>{"form.dat", true},
                                      {"empty.dat", true},
                                      {"missing.dat", false},
                                      {"folder", false},
                                      {"pipe", false},
                                      {"", false}}) {
        EXPECT_EQ(opens, page.import(path)) << path;
        EXPECT_EQ((List{&child, &child}), (List{page.control(0), page.activeControl()}));
        EXPECT_EQ(std::make_pair(1, 1), std::make_pair(page.count(), page.controlCount()));
    }
    struct stat info {};
    ASSERT_EQ(0, stat("form.dat", &info));
    EXPECT_EQ(1000000000, info.st_mtime);
    EXPECT_EQ(payload, readFile("form.dat"));
    EXPECT_FALSE(fileExists("missing.dat"));
}

// The name turns between a file and a pipe without a writer while the page
// looks: what was opened is what counts, and no look blocks.
TEST_F(PageImport, NeverBlocksOnAPipeSwappedInAfterALook) {
    std::ofstream("form.dat") << "x";
    ASSERT_EQ(0, mkfifo("pipe", 0600));
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        while (!done.load()) {
            for (const char* target : {"form.dat", "pipe"}) {
                symlink(target, "next");
                rename("next", "swapped");
            }
        }
    });
    Page page;
    alarm(20);  // a look that blocks ends the test
    int files = 0, looks = 0;
    // Many looks are needed to meet a swap between a look and an open.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (; looks < 400000 && std::chrono::steady_clock::now() < until; ++looks) {
        files += page.import("swapped") ? 1 : 0;
    }
    alarm(0);
    done.store(true);
    swapper.join();
    EXPECT_GT(files, 0);
    EXPECT_LT(files, looks);
}
