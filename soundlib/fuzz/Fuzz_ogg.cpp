// libFuzzer target: Ogg data through the page check and libsndfile's Vorbis
// decoder.
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    harness.exercise(behindMagic("OggS", 4, data, size), nullptr);
    return 0;
}
