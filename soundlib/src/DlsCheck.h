// A structural check of a DLS sound bank before the synth loads it: the synth
// probes files with parsers that were never meant for hostile data, so a
// bank must first prove to be a well-formed RIFF "DLS " form with the
// chunks every bank has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace soundlib {

bool checkDlsBank(const std::uint8_t* data, std::size_t size, std::string& problem);

} // namespace soundlib
