// libFuzzer target: DLS banks through our structure check, our reader of
// instruments, articulation and waves, the SoundFont image made from them
// and the synthesizer's loader of that image, playing a short song with each.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const Bytes song = fuzzSong();
    static const std::string path = "/tmp/soundlib_fuzz_dls_" + std::to_string(getpid()) + ".dls";
    // "RIFF", a length the fuzzer controls, "DLS ".
    std::vector<std::uint8_t> bank = behindMagic("RIFF", 4, data, size);
    if (bank.size() >= 8) {
        bank.insert(bank.begin() + 8, {'D', 'L', 'S', ' '});
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bank.data()), static_cast<long>(bank.size()));
    harness.exercise(song, path.c_str());
    std::remove(path.c_str());
    return 0;
}
