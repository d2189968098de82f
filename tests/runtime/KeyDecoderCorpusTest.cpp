#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../fuzz/KeyDecoderDriver.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> contentsOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>());
}

// Replays the fuzzer's corpus through the fuzzer's own driver.
TEST(KeyDecoderCorpus, KeepsInvariantsOnEveryFile) {
    const fs::path corpus = fs::path(VESK_SOURCE_DIR) / "fuzz" / "corpus";
    std::size_t files = 0;
    if (fs::is_directory(corpus)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
            if (!entry.is_regular_file()) {
                continue;
            }
            ++files;
            SCOPED_TRACE(entry.path().filename().string());
            const std::vector<std::uint8_t> input = contentsOf(entry.path());
            const Vesk::Fuzz::KeyDecoderOutcome outcome =
                Vesk::Fuzz::DriveKeyDecoder(input.data(), input.size());
            EXPECT_TRUE(outcome.failure == nullptr) << outcome.failure;
            EXPECT_LE(outcome.bytes, input.size());
            EXPECT_LE(outcome.events, outcome.bytes);
        }
    }
    RecordProperty("files", static_cast<int>(files));
}

}  // namespace
