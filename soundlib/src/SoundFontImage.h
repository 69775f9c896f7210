// The SoundFont 2 form of a DLS bank, built in memory for FluidSynth's
// SoundFont loader, which honours every generator the bank's articulation
// maps to (its DLS loader honours none).
#pragma once

#include "DlsBank.h"

#include <cstdint>
#include <string>
#include <vector>

namespace soundlib {

// False with `problem` set when the bank holds more zones or generators
// than a SoundFont's 16-bit indexes can count.
bool buildSoundFont(const DlsBankInfo& bank, std::vector<std::uint8_t>& image,
                    std::string& problem);

} // namespace soundlib
