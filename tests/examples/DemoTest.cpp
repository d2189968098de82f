#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// Drives the demo in a tmux server of its own, as a user would in a real
// terminal: keys go in with send-keys, the screen comes back with capture-pane.
class DemoInTmux : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[] = "/tmp/vesk-demo-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(buffer));
        directory = buffer;
        const std::string demo = std::string(VESK_BINARY_DIR) + "/examples/demo/vesk-demo";
        ASSERT_TRUE(std::filesystem::exists(demo)) << demo;
        ASSERT_EQ(0, tmux("-f /dev/null new-session -d -x 80 -y 25 -c " + directory + " '" + demo +
                          "; echo demo-exit=$?; sleep 30'"));
    }

    void TearDown() override {
        tmux("kill-server");
        std::filesystem::remove_all(directory);
    }

    int tmux(const std::string& arguments) {
        return std::system(("tmux -L " + socket + " " + arguments + " >/dev/null 2>&1").c_str());
    }

    std::string screen(const char* options = "") {
        std::string text;
        const std::string command = "tmux -L " + socket + " capture-pane -p -t 0 " + options;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char chunk[4096];
            for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
                text.append(chunk, n);
            }
            pclose(pipe);
        }
        return text;
    }

    // Waits until the screen shows `needle` (or `done` holds); returns the
    // last screen seen.
    template <typename Done>
    std::string waitUntil(Done done) {
        std::string last;
        for (int i = 0; i < 100 && !done(last = screen()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return last;
    }
    std::string waitFor(const std::string& needle) {
        return waitUntil([&](const std::string& shown) { return contains(shown, needle); });
    }

    void keys(const std::string& names) { tmux("send-keys -t 0 " + names); }

    static bool contains(const std::string& haystack, const std::string& needle) {
        return haystack.find(needle) != std::string::npos;
    }

    std::string directory;
    const std::string socket = "vesk-demo-" + std::to_string(getpid());
};

TEST_F(DemoInTmux, ShowsTheFormAndFollowsTheKeys) {
    std::string shown = waitFor("Say hello");
    for (const char* part : {"Say hello", " Buttons  Progress  About", "Quit", "Ready."}) {
        EXPECT_TRUE(contains(shown, part)) << part << " missing from\n" << shown;
    }
    // The focused button is drawn in reverse video.
    EXPECT_TRUE(contains(screen("-e"), "\x1b[7m")) << screen("-e");

    keys("Enter");
    shown = waitFor("Hello from the \"Say hello\" button!");
    EXPECT_TRUE(contains(shown, "Hello from the \"Say hello\" button!")) << shown;
    keys("Right Enter Enter");  // to Count, two clicks
    shown = waitFor("Clicks counted: 2");
    EXPECT_TRUE(contains(shown, "Clicks counted: 2")) << shown;

    // Page Down shows the progress bars, whose texts advance on their own.
    keys("NPage");
    shown = waitFor("working...");
    EXPECT_TRUE(contains(shown, "Custom text") && contains(shown, "working...")) << shown;
    EXPECT_FALSE(contains(shown, "Say hello")) << shown;
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_NE(shown, screen()) << "the progress bars should advance";

    // Page Up goes back; F10 ends the program with the terminal given back.
    keys("PPage");
    EXPECT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys("q");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(contains(screen(), "demo-exit=")) << "q is text, not a way out";
    keys("F10");
    shown = waitFor("demo-exit=");
    EXPECT_TRUE(contains(shown, "demo-exit=0")) << shown;

    std::stringstream log;
    log << std::ifstream(directory + "/VeskForms.log").rdbuf();
    EXPECT_TRUE(contains(log.str(), "\tClick, text: \"Say hello\"")) << log.str();
    EXPECT_TRUE(contains(log.str(), "] Session stopped\n")) << log.str();
}

// The Form page takes typed text, a password, a check and a choice, and
// Submit shows them; a 'q' typed into a field is text.
TEST_F(DemoInTmux, TakesTheFormsInputAndSubmitsIt) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    keys("NPage NPage NPage");
    ASSERT_TRUE(contains(waitFor("your name"), "Send me the news"));
    keys("-l 'Ada q'");
    keys("Down");  // the arrows go from field to field, as between buttons
    keys("-l 'secret'");
    keys("Down Space Down Down Down Enter");  // check, two items down, submit
    const std::string shown =
        waitFor("Submitted: Ada q, password of 6 bytes, news on, colour Blue.");
    EXPECT_TRUE(contains(shown, "Submitted: Ada q, password of 6 bytes, news on, colour Blue."))
        << shown;
    EXPECT_TRUE(contains(shown, "******")) << shown;
    EXPECT_TRUE(contains(shown, "[x] Send me the news")) << shown;
    keys("Escape");
    EXPECT_TRUE(contains(waitFor("demo-exit="), "demo-exit=0"));
}

TEST_F(DemoInTmux, DrawsTheFormAgainAtTheNewSize) {
    ASSERT_TRUE(contains(waitFor("Say hello"), "Say hello"));
    ASSERT_EQ(0, tmux("resize-window -t 0 -x 100 -y 30"));

    // The Quit button (row 27) and the status line (row 29) move down with
    // the bottom edge, and nothing of the old layout stays behind.
    const auto line = [](const std::string& shown, int row) {
        std::istringstream lines(shown);
        std::string text;
        for (int i = 0; i <= row && std::getline(lines, text); ++i) {
        }
        return text;
    };
    const std::string all = waitUntil([&](const std::string& shown) {
        return contains(line(shown, 27), "Quit") && contains(line(shown, 29), "Ready.");
    });
    EXPECT_TRUE(contains(line(all, 27), "Quit")) << all;
    EXPECT_TRUE(contains(line(all, 29), "Ready.")) << all;
    EXPECT_EQ(all.find("Quit"), all.rfind("Quit")) << all;
    EXPECT_EQ(all.find("Ready."), all.rfind("Ready.")) << all;
    EXPECT_TRUE(contains(all, "Say hello") && contains(all, " Buttons  Progress  About")) << all;

    keys("Enter");  // the form still follows the keys
    EXPECT_TRUE(contains(waitFor("Hello from the \"Say hello\" button!"), "button!"));
}

}  // namespace
