#include "vesk/Keyboard.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono;
using Vesk::Event;
using Vesk::IO::CancelKeyboardInput;
using Vesk::IO::GetKeyboardInput;
using Vesk::IO::KeyboardCancelled;

// Puts a pipe or a raw pseudo-terminal on fd 0 for the duration of a test.
class KeyboardInput : public ::testing::Test {
protected:
    void SetUp() override { saved = dup(0); }
    void TearDown() override {
        closeWriter();
        dup2(saved, 0);
        close(saved);
    }

    void attach(bool terminal) {
        closeWriter();
        int reader = -1;
        if (terminal) {
            ASSERT_EQ(openpty(&writer, &reader, nullptr, nullptr, nullptr), 0);
            termios mode;
            ASSERT_EQ(tcgetattr(reader, &mode), 0);
            cfmakeraw(&mode);
            ASSERT_EQ(tcsetattr(reader, TCSANOW, &mode), 0);
        } else {
            int ends[2];
            ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
            reader = ends[0];
            writer = ends[1];
        }
        ASSERT_EQ(dup2(reader, 0), 0);
        close(reader);
    }
    void type(const std::string& bytes) {
        ASSERT_EQ(write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    void closeWriter() {
        if (writer >= 0) {
            close(writer);
            writer = -1;
        }
    }

    int saved = -1;
    int writer = -1;
};

nanoseconds threadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return seconds(now.tv_sec) + nanoseconds(now.tv_nsec);
}

TEST_F(KeyboardInput, ReadsKeysInOrderAndHonoursCancel) {
    for (bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "pseudo-terminal" : "pipe");
        attach(terminal);
        type("q\t\x1b[A\x1b[6~\x1bOD\r\xc3\xa9");
        const std::vector<std::int32_t> expected{
            'q',           Vesk::KeyTab,   Vesk::KeyUp, Vesk::KeyNextPage,
            Vesk::KeyLeft, Vesk::KeyEnter, 0xC3,        0xA9};
        std::vector<std::int32_t> codes;
        while (codes.size() < expected.size()) {
            codes.push_back(GetKeyboardInput());
        }
        EXPECT_EQ(codes, expected);

        // A lone ESC comes out once the escape delay has passed.
        type("\x1b");
        EXPECT_EQ(GetKeyboardInput(), 0x1B);

        // Cancels made while no one reads are seen by the next call only.
        CancelKeyboardInput();
        CancelKeyboardInput();
        EXPECT_EQ(GetKeyboardInput(), KeyboardCancelled);
        type("k");
        EXPECT_EQ(GetKeyboardInput(), 'k');
    }
}

TEST_F(KeyboardInput, CancelWakesABlockedReader) {
    attach(false);
    Event result = Vesk::UpdateView;
    std::thread reader([&result] { result = GetKeyboardInput(); });
    std::this_thread::sleep_for(milliseconds(50));
    CancelKeyboardInput();
    reader.join();
    EXPECT_EQ(result, KeyboardCancelled);
    type("m");
    EXPECT_EQ(GetKeyboardInput(), 'm');
}

TEST_F(KeyboardInput, WaitsWithoutSpinningOnceInputEnds) {
    for (bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "pseudo-terminal" : "pipe");
        attach(terminal);
        type("e");
        EXPECT_EQ(GetKeyboardInput(), 'e');
        // End of file for a pipe, EIO for a terminal whose master went away.
        closeWriter();

        Event result = Vesk::UpdateView;
        nanoseconds used{0};
        std::thread reader([&] {
            const nanoseconds start = threadCpuTime();
            result = GetKeyboardInput();
            used = threadCpuTime() - start;
        });
        std::this_thread::sleep_for(milliseconds(300));
        CancelKeyboardInput();
        reader.join();
        EXPECT_EQ(result, KeyboardCancelled);
        EXPECT_LT(duration_cast<milliseconds>(used).count(), 50) << "CPU ms used while blocked";

        // New input on fd 0 is picked up again.
        attach(false);
        type("r");
        EXPECT_EQ(GetKeyboardInput(), 'r');
    }
}

}  // namespace
