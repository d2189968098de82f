#include "vesk/Keyboard.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono;
using namespace Vesk::IO;
using Vesk::Event;
using Vesk::KeyResize;

// Puts a pipe or a raw pseudo-terminal on fd 0 for the duration of a test.
class KeyboardInput : public ::testing::Test {
protected:
    void SetUp() override {
        saved = dup(0);
        attach(false);
    }
    void TearDown() override {
        closeWriter();
        dup2(saved, 0);
        close(saved);
    }
    void attach(bool terminal) {
        closeWriter();
        int ends[2];
        if (terminal) {
            termios mode;
            ASSERT_EQ(openpty(&ends[1], &ends[0], nullptr, nullptr, nullptr), 0);
            ASSERT_EQ(tcgetattr(ends[0], &mode), 0);
            cfmakeraw(&mode);
            ASSERT_EQ(tcsetattr(ends[0], TCSANOW, &mode), 0);
        } else {
            ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
        }
        ASSERT_EQ(dup2(ends[0], 0), 0);
        close(ends[0]);
        writer = ends[1];
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
    // Starts a reader that blocks, wakes it with `wake`; returns what it read
    // and the CPU time it used.
    template <typename Wake>
    std::pair<Event, milliseconds> blockedRead(Wake wake, milliseconds wait = milliseconds(50)) {
        Event result = Vesk::UpdateView;
        nanoseconds used{0};
        std::thread reader([&] {
            const nanoseconds start = threadCpuTime();
            result = GetKeyboardInput();
            used = threadCpuTime() - start;
        });
        std::this_thread::sleep_for(wait);
        wake(reader);
        reader.join();
        return {result, duration_cast<milliseconds>(used)};
    }
    static nanoseconds threadCpuTime() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return seconds(now.tv_sec) + nanoseconds(now.tv_nsec);
    }

    int saved = -1;
    int writer = -1;
};

const auto cancel = [](std::thread&) { CancelKeyboardInput(); };

TEST_F(KeyboardInput, ReadsKeysInOrderAndHonoursCancel) {
    for (bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "pseudo-terminal" : "pipe");
        attach(terminal);
        type("q\t\x1b[A\x1b[6~\x1bOD\r\xc3\xa9");
        const std::vector<std::int32_t> expected{'q',
                                                 Vesk::KeyTab,
                                                 Vesk::KeyUp,
                                                 Vesk::KeyNextPage,
                                                 Vesk::KeyLeft,
                                                 Vesk::KeyEnter,
                                                 Vesk::KeyCharacter + 0xE9};
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
    attach(false);
    EXPECT_EQ(blockedRead(cancel).first, KeyboardCancelled);
    type("m");
    EXPECT_EQ(GetKeyboardInput(), 'm');
}

TEST_F(KeyboardInput, TellsTheEndOfInputOnceThenWaitsWithoutSpinning) {
    for (bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "pseudo-terminal" : "pipe");
        attach(terminal);
        type("e");
        EXPECT_EQ(GetKeyboardInput(), 'e');
        // A terminal that hangs up discards what was not read; a pipe keeps
        // it, and the ESC waiting for its delay comes out before the end.
        if (!terminal) {
            type("\x1b");
        }
        // End of file for a pipe, a hang-up for a terminal whose master went away.
        closeWriter();
        if (!terminal) {
            EXPECT_EQ(GetKeyboardInput(), 0x1B);
        }
        EXPECT_EQ(GetKeyboardInput(), Vesk::KeyEndOfInput);
        const auto [result, used] = blockedRead(cancel, milliseconds(300));
        EXPECT_EQ(result, KeyboardCancelled);
        EXPECT_LT(used.count(), 50) << "CPU ms used while blocked";

        // New input on fd 0 is read once the reader is prepared again.
        attach(false);
        type("r");
        PrepareKeyboardInput();
        EXPECT_EQ(GetKeyboardInput(), 'r');
    }
}

TEST_F(KeyboardInput, ResizeNotificationsCoalesceAndLeaveKeysAndCancelsAlone) {
    // Before any read: the reader's state does not exist yet.
    NotifyResize();
    NotifyResize();
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("a");
    EXPECT_EQ('a', GetKeyboardInput());

    // A burst while no one reads gives one KeyResize; keys around it all arrive.
    type("b");
    for (int i = 0; i < 50; ++i) {
        NotifyResize();
    }
    type("c");
    std::vector<Event> got{GetKeyboardInput(), GetKeyboardInput(), GetKeyboardInput()};
    type("d");
    got.push_back(GetKeyboardInput());
    got.erase(std::remove(got.begin(), got.end(), KeyResize), got.end());
    EXPECT_EQ(got, (std::vector<Event>{Event('b'), Event('c'), Event('d')}));

    // A cancel is not taken for a resize nor the other way round.
    NotifyResize();
    CancelKeyboardInput();
    EXPECT_EQ(KeyboardCancelled, GetKeyboardInput());
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("e");
    EXPECT_EQ('e', GetKeyboardInput());
}

int errnoSeenByHandler = 0;

// NotifyResize must leave errno as it found it, for the code it interrupts.
void notifyFromHandler(int) {
    const int interrupted = errno;
    errno = EDOM;
    NotifyResize();
    errnoSeenByHandler = errno;
    errno = interrupted;
}

TEST_F(KeyboardInput, ResizeFromASignalHandlerWakesABlockedReaderOnce) {
    PrepareKeyboardInput();
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = notifyFromHandler;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(0, sigaction(SIGUSR1, &action, &previous));

    // With the wake pipe full, the handler's write fails.
    for (int i = 0; i < 70000; ++i) {
        NotifyResize();
    }
    raise(SIGUSR1);
    EXPECT_EQ(EDOM, errnoSeenByHandler);
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("g");
    EXPECT_EQ('g', GetKeyboardInput());

    // Aimed at the blocked reader itself, whose poll is interrupted.
    auto signal = [](std::thread& reader) { pthread_kill(reader.native_handle(), SIGUSR1); };
    EXPECT_EQ(KeyResize, blockedRead(signal).first);
    type("f");
    EXPECT_EQ('f', GetKeyboardInput());
    sigaction(SIGUSR1, &previous, nullptr);
}

}  // namespace
