// libFuzzer target: Standard MIDI Files through our structure scan and the
// synthesizer's player, rendered with a small bank.
#include "FuzzHarness.h"
#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHarness harness;
    static const std::string bank = writeBankFile("midi", fuzzBank());
    harness.exercise(behindMagic("MThd", 4, data, size), bank.c_str());
    return 0;
}
