// libFuzzer target: DLS banks through our structure check, our reader of
// instruments, articulation and waves, the SoundFont image made from them
// and the synthesizer's loader of that image, playing a short song with each.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const Bytes song = fuzzSong();
    const std::string path = writeBankFile("dls", riffBehind("DLS ", data, size));
    harness.exercise(song, path.c_str());
    std::remove(path.c_str());
    return 0;
}
