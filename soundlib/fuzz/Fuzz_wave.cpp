// libFuzzer target: RIFF WAVE data through the container check and libsndfile.
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    harness.exercise(riffBehind("WAVE", data, size), nullptr);
    return 0;
}
