// A pseudo-terminal for the benchmarks to paint on: its slave side becomes
// standard input and output, so the curses screen drives it, and a thread
// reads and counts whatever arrives at the master side.
#pragma once

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <streambuf>
#include <thread>

namespace VeskBench {

// Writes to a file descriptor, so that the results reach the terminal the
// benchmark was started from while its standard output is the pseudo-terminal.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd(fd) {}

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) {
            return traits_type::not_eof(c);
        }
        char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* data, std::streamsize count) override {
        std::streamsize done = 0;
        while (done < count) {
            ssize_t n = ::write(fd, data + done, static_cast<std::size_t>(count - done));
            if (n <= 0) {
                break;
            }
            done += n;
        }
        return done;
    }

private:
    int fd;
};

// An 80 x 25 terminal that discards what it receives. One at a time:
// current() is the one alive.
class Terminal {
public:
    Terminal() {
        winsize size{};
        size.ws_col = 80;
        size.ws_row = 25;
        if (openpty(&master, &slave, nullptr, nullptr, &size) != 0 || pipe(stop) != 0) {
            std::perror("openpty");
            std::exit(1);
        }
        drainer = std::thread([this] { drain(); });
        std::fflush(stdout);
        savedInput = dup(0);
        savedOutput = dup(1);
        dup2(slave, 0);
        dup2(slave, 1);
        running = this;
    }

    ~Terminal() {
        running = nullptr;
        std::fflush(stdout);
        dup2(savedInput, 0);
        dup2(savedOutput, 1);
        (void)!::write(stop[1], "x", 1);
        drainer.join();
        for (int fd : {savedInput, savedOutput, master, slave, stop[0], stop[1]}) {
            close(fd);
        }
    }

    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    static Terminal* current() { return running; }

    int originalOutput() const { return savedOutput; }

    // The number of bytes received so far, counted only once everything
    // written to the slave side before the call has been read. The pty hands
    // data to the master asynchronously, so an empty master proves nothing;
    // a marker written after the output and seen by the reader does, since
    // the terminal keeps the order of what is written to it.
    unsigned long long settle() {
        if (::write(slave, &Marker, 1) != 1) {
            std::perror("marker");
            std::exit(1);
        }
        ++markersSent;
        unsigned long long seen;
        while ((seen = markersSeen.load(std::memory_order_acquire)) < markersSent) {
            if (!draining.load(std::memory_order_acquire)) {
                std::fputs("the terminal stopped reading\n", stderr);
                std::exit(1);
            }
            std::this_thread::yield();
        }
        if (seen != markersSent) {
            std::fputs("curses sent the marker byte; byte counts are wrong\n", stderr);
            std::exit(1);
        }
        return received.load(std::memory_order_relaxed);
    }

private:
    // The benchmarks' texts are ASCII, and curses adds escape sequences and
    // UTF-8 characters: never this byte, which no UTF-8 text holds.
    static constexpr char Marker = '\xff';

    void drain() {
        readAll();
        draining.store(false, std::memory_order_release);
    }

    void readAll() {
        char buffer[8192];
        for (;;) {
            pollfd fds[2] = {{master, POLLIN, 0}, {stop[0], POLLIN, 0}};
            const int ready = poll(fds, 2, -1);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            if (ready < 0 || (fds[1].revents & POLLIN)) {
                return;
            }
            if (!(fds[0].revents & POLLIN)) {
                continue;
            }
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) {
                return;
            }
            unsigned long long markers = 0;
            for (ssize_t i = 0; i < n; ++i) {
                markers += buffer[i] == Marker ? 1 : 0;
            }
            received.fetch_add(static_cast<unsigned long long>(n) - markers,
                               std::memory_order_relaxed);
            if (markers > 0) {
                markersSeen.fetch_add(markers, std::memory_order_release);
            }
        }
    }

    int master = -1;
    int slave = -1;
    int stop[2] = {-1, -1};
    int savedInput = -1;
    int savedOutput = -1;
    std::thread drainer;
    std::atomic<bool> draining{true};
    std::atomic<unsigned long long> received{0};
    std::atomic<unsigned long long> markersSeen{0};
    unsigned long long markersSent = 0;
    inline static Terminal* running = nullptr;
};

}  // namespace VeskBench
