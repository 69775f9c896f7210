// libFuzzer target: RIFF WAVE data through the container check and libsndfile.
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    // "RIFF", a length the fuzzer controls, "WAVE".
    std::vector<std::uint8_t> bytes = behindMagic("RIFF", 4, data, size);
    if (bytes.size() >= 8) {
        bytes.insert(bytes.begin() + 8, {'W', 'A', 'V', 'E'});
    }
    harness.exercise(bytes, nullptr);
    return 0;
}
