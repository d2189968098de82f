// Painting a page of N labels into a real curses screen whose output goes to
// a pseudo-terminal. Items are labels, so items per second is the cost of one
// control.
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Session.h"

using namespace Vesk::Forms;

namespace {

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

// The terminal side: reads and discards whatever curses sends.
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
    }

    ~Terminal() {
        std::fflush(stdout);
        dup2(savedInput, 0);
        dup2(savedOutput, 1);
        (void)!::write(stop[1], "x", 1);
        drainer.join();
        for (int fd : {savedInput, savedOutput, master, slave, stop[0], stop[1]}) {
            close(fd);
        }
    }

    int originalOutput() const { return savedOutput; }

private:
    void drain() {
        char buffer[8192];
        for (;;) {
            pollfd fds[2] = {{master, POLLIN, 0}, {stop[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN)) {
                return;
            }
            if ((fds[0].revents & POLLIN) && ::read(master, buffer, sizeof buffer) <= 0) {
                return;
            }
        }
    }

    int master = -1;
    int slave = -1;
    int stop[2] = {-1, -1};
    int savedInput = -1;
    int savedOutput = -1;
    std::thread drainer;
};

struct Form {
    explicit Form(int count) {
        for (int i = 0; i < count; ++i) {
            auto label = std::make_unique<Label>();
            label->position(i % 24, (i / 24) % 8 * 10);
            label->width(10);
            std::unique_ptr<std::string> stored(label->text("Label " + std::to_string(i % 1000)));
            page.attachChild(label.get());
            labels.push_back(std::move(label));
        }
    }

    Page page;
    std::vector<std::unique_ptr<Label>> labels;
};

// Repaints an unchanged page: every label is drawn, curses sends nothing.
void PaintUnchanged(benchmark::State& state) {
    Form form(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(form.page.paint());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Changes every text (same length, so no clear) before each paint, so that
// the changed cells travel through the pseudo-terminal.
void PaintChanged(benchmark::State& state) {
    Form form(static_cast<int>(state.range(0)));
    const std::string texts[] = {"Alpha", "Omega"};
    int round = 0;
    for (auto _ : state) {
        for (auto& label : form.labels) {
            std::unique_ptr<std::string> stored(label->text(texts[round & 1]));
        }
        ++round;
        benchmark::DoNotOptimize(form.page.paint());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(PaintUnchanged)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(PaintChanged)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    setenv("TERM", "xterm-256color", 1);
    Terminal terminal;
    DescriptorBuffer buffer(terminal.originalOutput());
    std::ostream results(&buffer);
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    reporter.SetOutputStream(&results);
    reporter.SetErrorStream(&results);

    if (!Session::start(Session::None)) {
        results << "cannot start a session\n";
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Session::stop();
    benchmark::Shutdown();
    return 0;
}
