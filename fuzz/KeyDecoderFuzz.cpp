#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "KeyDecoderDriver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Vesk::Fuzz::KeyDecoderOutcome outcome = Vesk::Fuzz::DriveKeyDecoder(data, size);
    if (outcome.failure != nullptr) {
        std::fprintf(stderr, "KeyDecoder invariant broken: %s\n", outcome.failure);
        std::abort();
    }
    return 0;
}
