#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "vesk/Keyboard.h"

namespace {

using Vesk::Event;
using Vesk::KeyResize;
using Vesk::IO::CancelKeyboardInput;
using Vesk::IO::GetKeyboardInput;
using Vesk::IO::KeyboardCancelled;
using Vesk::IO::NotifyResize;

// Puts the read end of a pipe on fd 0 for the duration of a test.
class ResizeNotice : public ::testing::Test {
protected:
    void SetUp() override {
        saved = dup(0);
        int ends[2];
        ASSERT_EQ(0, pipe2(ends, O_CLOEXEC));
        ASSERT_EQ(0, dup2(ends[0], 0));
        close(ends[0]);
        writer = ends[1];
    }
    void TearDown() override {
        close(writer);
        dup2(saved, 0);
        close(saved);
    }
    void type(const std::string& bytes) {
        ASSERT_EQ(static_cast<ssize_t>(bytes.size()), write(writer, bytes.data(), bytes.size()));
    }

    int saved = -1;
    int writer = -1;
};

int errnoSeenByHandler = 0;

// Checks that NotifyResize leaves errno as it found it, and leaves it so
// itself for the code it interrupts.
void notifyFromHandler(int) {
    const int interrupted = errno;
    errno = EDOM;
    NotifyResize();
    errnoSeenByHandler = errno;
    errno = interrupted;
}

TEST_F(ResizeNotice, NotificationsCoalesceAndLeaveKeysAndCancelsAlone) {
    // Before any read: the reader's state does not exist yet.
    NotifyResize();
    NotifyResize();
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("a");
    EXPECT_EQ('a', GetKeyboardInput());

    // A burst while no one reads gives one KeyResize; keys typed around it
    // all arrive.
    type("b");
    for (int i = 0; i < 50; ++i) {
        NotifyResize();
    }
    type("c");
    Event first = GetKeyboardInput();
    Event second = GetKeyboardInput();
    Event third = GetKeyboardInput();
    EXPECT_EQ(1, (first == KeyResize) + (second == KeyResize) + (third == KeyResize));
    EXPECT_EQ('b', first == KeyResize ? second : first);
    EXPECT_EQ('c', third == KeyResize ? second : third);
    type("d");
    EXPECT_EQ('d', GetKeyboardInput());

    // A cancel is not taken for a resize nor the other way round; each is
    // reported once.
    NotifyResize();
    CancelKeyboardInput();
    EXPECT_EQ(KeyboardCancelled, GetKeyboardInput());
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("e");
    EXPECT_EQ('e', GetKeyboardInput());
}

TEST_F(ResizeNotice, SignalHandlerWakesABlockedReaderOnce) {
    Vesk::IO::PrepareKeyboardInput();
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = notifyFromHandler;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(0, sigaction(SIGUSR1, &action, &previous));

    // With the wake pipe full, the handler's write fails; its errno must not
    // leak into the code the signal interrupted.
    for (int i = 0; i < 70000; ++i) {
        NotifyResize();
    }
    raise(SIGUSR1);
    EXPECT_EQ(EDOM, errnoSeenByHandler);
    EXPECT_EQ(KeyResize, GetKeyboardInput());
    type("g");
    EXPECT_EQ('g', GetKeyboardInput());

    Event result = Vesk::UpdateView;
    std::thread reader([&result] { result = GetKeyboardInput(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // Aimed at the blocked reader itself, whose poll is interrupted.
    pthread_kill(reader.native_handle(), SIGUSR1);
    reader.join();
    EXPECT_EQ(KeyResize, result);

    type("f");
    EXPECT_EQ('f', GetKeyboardInput());
    sigaction(SIGUSR1, &previous, nullptr);
}

}  // namespace
