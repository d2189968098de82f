// Runs every benchmark against a curses session on a pseudo-terminal; the
// results go to the terminal the program was started from.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ostream>

#include "Terminal.h"
#include "forms/Session.h"

using Vesk::Forms::Session;

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    setenv("TERM", "xterm-256color", 1);
    VeskBench::Terminal terminal;
    VeskBench::DescriptorBuffer buffer(terminal.originalOutput());
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
