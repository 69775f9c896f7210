// libFuzzer target: DLS banks through our structure check, our reader of
// instruments, articulation and waves, the SoundFont image made from them
// and the synthesizer's loader of that image, playing a short song with each.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const Bytes song = fuzzSong();
    // "RIFF", a length the fuzzer controls, "DLS ".
    std::vector<std::uint8_t> bank = behindMagic("RIFF", 4, data, size);
    if (bank.size() >= 8) {
        bank.insert(bank.begin() + 8, {'D', 'L', 'S', ' '});
    }
    const std::string path = writeBankFile("dls", bank);
    harness.exercise(song, path.c_str());
    std::remove(path.c_str());
    return 0;
}
