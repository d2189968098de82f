// Makes docs/demo.svg: runs the demo on the testing kit's terminal at 80x25,
// fills in part of its Form page and writes the screen as an SVG picture.
// Usage: vesk-screenshot DEMO OUTPUT.svg
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/testing/Terminal.h"

using Vesk::Forms::Testing::Terminal;

namespace {

bool fail(const std::string& message, Terminal& terminal) {
    std::fprintf(stderr, "vesk-screenshot: %s; the screen shows:\n%s\n", message.c_str(),
                 terminal.text().c_str());
    return false;
}

bool shoot(const std::string& demo, const std::string& output, const std::string& directory) {
    Terminal terminal(25, 80);
    if (!terminal.run(demo, {}, {}, directory)) {
        std::fprintf(stderr, "vesk-screenshot: cannot start %s\n", demo.c_str());
        return false;
    }
    if (!terminal.waitFor("Ready.")) {
        return fail("the demo did not start", terminal);
    }
    for (int page = 0; page < 3; ++page) {
        terminal.press(Vesk::KeyNextPage);
    }
    if (!terminal.waitFor("Send me the news")) {
        return fail("no Form page", terminal);
    }
    terminal.type("Ada Lovelace");
    terminal.press(Vesk::KeyDown);
    terminal.type("analytical");
    terminal.press(Vesk::KeyDown);
    terminal.type("36");
    terminal.press(Vesk::KeyDown);
    terminal.type("10121815");  // the mask writes the slashes
    terminal.press(Vesk::KeyDown);
    terminal.press(static_cast<Vesk::Event>(' '));
    if (!terminal.waitFor("[x] Send me the news")) {
        return fail("the form did not take the input", terminal);
    }
    std::ofstream file(output, std::ios::binary);
    file << terminal.svg();
    terminal.press(Vesk::KeyF10);
    if (terminal.wait() != 0) {
        return fail("the demo did not end well", terminal);
    }
    return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vesk-screenshot DEMO OUTPUT.svg\n");
        return 2;
    }
    char buffer[] = "/tmp/vesk-screenshot-XXXXXX";
    if (mkdtemp(buffer) == nullptr) {
        std::perror("vesk-screenshot");
        return 1;
    }
    bool done = false;
    try {
        // The demo writes its log in its working directory.
        done = shoot(argv[1], argv[2], buffer);
    } catch (std::runtime_error* error) {
        std::unique_ptr<std::runtime_error> owned(error);
        std::fprintf(stderr, "vesk-screenshot: %s\n", owned->what());
    }
    std::error_code ignored;
    std::filesystem::remove_all(buffer, ignored);
    return done ? 0 : 1;
}
