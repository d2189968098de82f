#include "vesk/Keyboard.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>

#include "vesk/KeyDecoder.h"

namespace Vesk {
namespace IO {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds DefaultEscapeDelay(25);
// How often a reader without a wake-up pipe looks at its flags, and how long
// it pauses after an unexpected poll failure.
constexpr milliseconds RetryInterval(100);

struct Reader {
    Reader() : decoder(KeyDecoder::parseEscapeDelay(std::getenv("ESCDELAY"), DefaultEscapeDelay)) {
        if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
            wake[0] = wake[1] = -1;  // poll() skips negative descriptors
        }
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Tells the decoder how long the last wait lasted, keeping the fraction
    // of a millisecond for the next one.
    void elapse(Clock::duration waited) {
        carry += waited;
        const milliseconds whole = std::chrono::duration_cast<milliseconds>(carry);
        carry -= whole;
        decoder.advance(whole);
    }

    bool drainWake() {
        std::uint8_t buffer[64];
        bool woken = false;
        for (;;) {
            const ssize_t n = read(wake[0], buffer, sizeof buffer);
            if (n > 0) {
                woken = true;
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return woken;
            }
        }
    }

    int wake[2] = {-1, -1};
    KeyDecoder decoder;
    Clock::duration carry{0};
};

// Requests are flags, so that any number of them is seen once and a wake-up
// byte carries no meaning of its own. They live outside the reader, which a
// signal handler must not create.
std::atomic<bool> cancelRequested{false};
std::atomic<bool> resizeRequested{false};
// fd 0 reached its end or failed: it is not read again until
// PrepareKeyboardInput.
std::atomic<bool> inputEnded{false};
// The write end of the reader's wake pipe once the reader exists, else -1.
std::atomic<int> wakeWriter{-1};

// Created on first use (thread-safely, as any function-local static) and
// never destroyed, so a cancel from another static's destructor at exit still
// writes to our own pipe.
Reader& reader() {
    static Reader* const instance = [] {
        Reader* created = new Reader;
        wakeWriter.store(created->wake[1]);
        return created;
    }();
    return *instance;
}

// Async-signal-safe. Before the reader exists no read can be blocked, and the
// first read looks at the flags before it waits.
void wakeReader() {
    const int fd = wakeWriter.load();
    if (fd < 0) {
        return;
    }
    const int saved = errno;
    const std::uint8_t byte = 1;
    // A full pipe already holds a wake-up, so EAGAIN loses nothing.
    while (write(fd, &byte, 1) < 0 && errno == EINTR) {
    }
    errno = saved;
}

int pollTimeout(milliseconds limit) {
    return limit.count() > 0 ? static_cast<int>(limit.count()) : 0;
}

}  // namespace

Event GetKeyboardInput() {
    Reader& state = reader();
    KeyDecoder& decoder = state.decoder;
    for (;;) {
        Event event;
        if (decoder.next(event)) {
            return event;
        }
        if (cancelRequested.exchange(false)) {
            return KeyboardCancelled;
        }
        if (resizeRequested.exchange(false)) {
            return KeyResize;
        }

        // Only time spent waiting here counts as silence: bytes that queued up
        // while the caller was busy still join the sequence they belong to.
        int timeout = decoder.pending() ? pollTimeout(decoder.timeLeft()) : -1;
        pollfd fds[2] = {{state.wake[0], POLLIN, 0}, {0, POLLIN, 0}};
        // Once ended, fd 0 would be ready at once forever: only the wake-up
        // pipe is waited for.
        const nfds_t count = inputEnded.load() ? 1 : 2;
        if (state.wake[0] < 0) {
            // Without a wake-up pipe a cancel cannot interrupt the wait, so
            // the flags are looked at now and then instead.
            timeout = timeout < 0 ? pollTimeout(RetryInterval)
                                  : std::min(timeout, pollTimeout(RetryInterval));
        }

        const Clock::time_point before = Clock::now();
        const int ready = poll(fds, count, timeout);
        if (ready < 0 && errno != EINTR && errno != EAGAIN) {
            // Not expected to happen; keep a persistent failure from spinning.
            std::this_thread::sleep_for(RetryInterval);
        }
        state.elapse(Clock::now() - before);
        if (ready <= 0) {
            continue;
        }
        if ((fds[0].revents & POLLIN) != 0 && state.drainWake()) {
            continue;  // the flags at the top of the loop say what it was for
        }
        if (count == 1) {
            continue;
        }
        if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) == 0) {
            continue;
        }

        std::uint8_t buffer[256];
        const ssize_t n = (fds[1].revents & POLLNVAL) != 0 ? 0 : read(0, buffer, sizeof buffer);
        if (n > 0) {
            state.carry = Clock::duration::zero();
            decoder.feed(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            // The end of a pipe or file, a hung-up terminal (EIO), a closed
            // descriptor: no more keys will come. Told once, then fd 0 rests.
            inputEnded.store(true);
            decoder.endOfInput();
        }
    }
}

void CancelKeyboardInput() {
    cancelRequested.store(true);
    wakeReader();
}

void NotifyResize() {
    resizeRequested.store(true);
    wakeReader();
}

void PrepareKeyboardInput() {
    reader();
    inputEnded.store(false);
}

}  // namespace IO
}  // namespace Vesk
