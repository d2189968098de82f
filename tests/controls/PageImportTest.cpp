#include <sys/stat.h>
#include <sys/time.h>

#include <gtest/gtest.h>

#include <fstream>

#include "controls/Probes.h"

using namespace ControlsTest;
using PageImport = VeskTest::PseudoTerminal;  // for its private working directory

TEST_F(PageImport, ReportsWhetherTheFileOpensAndTouchesNothing) {
    std::ofstream("form.dat", std::ios::binary) << std::string("\0\x01 payload", 10);
    std::ofstream("empty.dat");
    const timeval past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(0, utimes("form.dat", past));

    Page page;
    Probe child;
    page.attachChild(&child);
    page.activeControl(&child);
    struct Case {
        const char* path;
        bool opens;
    } cases[] = {{"form.dat", true}, {"empty.dat", true}, {"missing.dat", false}, {"", false}};
    for (const Case& test : cases) {
        EXPECT_EQ(test.opens, page.import(test.path)) << test.path;
        EXPECT_EQ(1, page.count());
        EXPECT_EQ(1, page.controlCount());
        EXPECT_EQ(&child, page.activeControl());
    }
    struct stat info {};
    ASSERT_EQ(0, stat("form.dat", &info));
    EXPECT_EQ(1000000000, info.st_mtime);
    EXPECT_EQ(std::string("\0\x01 payload", 10), readFile("form.dat"));
    EXPECT_FALSE(fileExists("missing.dat"));
}
