// libFuzzer target: Standard MIDI Files through our structure scan and the
// synthesizer's player, rendered with a small bank.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string writeBank() {
    const Bytes bank = fuzzBank();
    const std::string path = "/tmp/soundlib_fuzz_midi_" + std::to_string(getpid()) + ".dls";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bank.data()), static_cast<long>(bank.size()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const std::string bank = writeBank();
    harness.exercise(behindMagic("MThd", 4, data, size), bank.c_str());
    return 0;
}
