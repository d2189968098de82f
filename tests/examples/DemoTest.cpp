#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Drives the demo program in a tmux session of its own, as a user would in a
// real terminal: keys go in with send-keys, the screen comes back with
// capture-pane.
class DemoInTmux : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[] = "/tmp/vesk-demo-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(buffer));
        directory = buffer;
        socket = "vesk-demo-" + std::to_string(getpid());
        const std::string demo = std::string(VESK_BINARY_DIR) + "/examples/demo/vesk-demo";
        ASSERT_TRUE(std::filesystem::exists(demo)) << demo;
        ASSERT_EQ(0, tmux("-f /dev/null new-session -d -x 80 -y 25 -c " + directory + " '" + demo +
                          "; echo demo-exit=$?; sleep 30'"));
    }

    void TearDown() override {
        tmux("kill-server");
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }

    int tmux(const std::string& arguments) {
        return std::system(("tmux -L " + socket + " " + arguments + " >/dev/null 2>&1").c_str());
    }

    std::string screen(bool escapes = false) {
        std::string command =
            "tmux -L " + socket + " capture-pane -p " + (escapes ? "-e " : "") + "-t 0 2>/dev/null";
        std::string text;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            std::array<char, 4096> chunk;
            std::size_t n;
            while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
                text.append(chunk.data(), n);
            }
            pclose(pipe);
        }
        return text;
    }

    // Waits until the screen shows `needle`; returns the last screen seen.
    std::string waitFor(const std::string& needle) {
        std::string last;
        for (int i = 0; i < 100; ++i) {
            last = screen();
            if (last.find(needle) != std::string::npos) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return last;
    }

    void keys(const std::string& names) { tmux("send-keys -t 0 " + names); }

    std::string directory;
    std::string socket;
};

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

}  // namespace

TEST_F(DemoInTmux, ShowsTheFormAndFollowsTheKeys) {
    std::string shown = waitFor("Say hello");
    ASSERT_TRUE(contains(shown, "Say hello")) << shown;
    EXPECT_TRUE(contains(shown, " Buttons  Progress  About")) << shown;
    EXPECT_TRUE(contains(shown, "Quit")) << shown;
    EXPECT_TRUE(contains(shown, "Ready.")) << shown;
    // The focused button is drawn in reverse video.
    EXPECT_TRUE(contains(screen(true), "\x1b[7m")) << screen(true);

    keys("Enter");
    shown = waitFor("Hello from the \"Say hello\" button!");
    EXPECT_TRUE(contains(shown, "Hello from the \"Say hello\" button!")) << shown;

    // Right arrow to Count, two clicks.
    keys("Right Enter Enter");
    shown = waitFor("Clicks counted: 2");
    EXPECT_TRUE(contains(shown, "Clicks counted: 2")) << shown;

    // Page Down shows the progress bars, whose texts advance on their own.
    keys("NPage");
    shown = waitFor("working...");
    EXPECT_TRUE(contains(shown, "Custom text")) << shown;
    EXPECT_TRUE(contains(shown, "working...")) << shown;
    EXPECT_FALSE(contains(shown, "Say hello")) << shown;
    std::string before = screen();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_NE(before, screen()) << "the progress bars should advance";

    // Page Up goes back; q ends the program with the terminal given back.
    keys("PPage");
    shown = waitFor("Say hello");
    EXPECT_TRUE(contains(shown, "Say hello")) << shown;
    keys("q");
    shown = waitFor("demo-exit=");
    EXPECT_TRUE(contains(shown, "demo-exit=0")) << shown;

    std::ifstream log(directory + "/VeskForms.log");
    std::stringstream contents;
    contents << log.rdbuf();
    EXPECT_TRUE(contains(contents.str(), "\tClick, text: \"Say hello\"")) << contents.str();
    EXPECT_TRUE(contains(contents.str(), "] Session stopped\n")) << contents.str();
}

TEST_F(DemoInTmux, DrawsTheFormAgainAtTheNewSize) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    ASSERT_EQ(0, tmux("resize-window -t 0 -x 100 -y 30"));

    // The Quit button and the status line move down with the bottom edge,
    // and nothing of the old layout stays behind.
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) {
        lines.clear();
        std::istringstream shown(screen());
        for (std::string line; std::getline(shown, line);) {
            lines.push_back(line);
        }
        if (lines.size() == 30 && contains(lines[27], "Quit")) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(30u, lines.size());
    std::string all;
    for (const std::string& line : lines) {
        all += line + "\n";
    }
    EXPECT_TRUE(contains(lines[27], "Quit")) << all;
    EXPECT_TRUE(contains(lines[29], "Ready.")) << all;
    EXPECT_EQ(all.find("Quit"), all.rfind("Quit")) << all;
    EXPECT_EQ(all.find("Ready."), all.rfind("Ready.")) << all;
    EXPECT_TRUE(contains(all, "Say hello")) << all;
    EXPECT_TRUE(contains(all, " Buttons  Progress  About")) << all;

    // The form still follows the keys.
    keys("Enter");
    EXPECT_TRUE(contains(waitFor("Hello from the \"Say hello\" button!"), "button!"));
}
