// libFuzzer target: Standard MIDI Files through our structure scan and the
// synthesizer's player, rendered with a small bank.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

#include <cstdio>

// The bank is written once per process and removed when libFuzzer ends the
// run, so that runs do not fill the temporary folder with banks.
struct MidiBankFile {
    const std::string path = writeBankFile("midi", fuzzBank());
    ~MidiBankFile() { std::remove(path.c_str()); }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const MidiBankFile bank;
    harness.exercise(behindMagic("MThd", 4, data, size), bank.path.c_str());
    return 0;
}
