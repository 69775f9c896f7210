// Structural checks of the RIFF WAVE and Ogg containers before libsndfile
// decodes them. libsndfile plays whatever part of a cut-off file is there;
// we would rather refuse a truncated asset loudly than play half of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace soundlib {

// Every chunk lies inside the file and there is a "fmt " and a "data" chunk.
bool checkWaveContainer(const std::uint8_t* data, std::size_t size, std::string& problem);

// The data is a sequence of whole Ogg pages, the last of which ends the
// logical stream.
bool checkOggContainer(const std::uint8_t* data, std::size_t size, std::string& problem);

} // namespace soundlib
