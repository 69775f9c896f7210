// Structural checks of the RIFF WAVE and Ogg containers before libsndfile
// decodes them. An Ogg file cut short is refused rather than played in
// part. WAV files are judged by their format and data chunks alone: many
// real files state a wrong RIFF size, and one whose sample data is cut short
// plays the whole frames that are there, with a notice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace soundlib {

// There is a whole "fmt " chunk and a "data" chunk, and every chunk before
// them lies inside the file; the RIFF size field is not trusted. A "data"
// chunk that runs past the end of the file is accepted, and `notice` then
// says how many whole frames it holds.
bool checkWaveContainer(const std::uint8_t* data, std::size_t size, std::string& problem,
                        std::string& notice);

// The data is a sequence of whole Ogg pages, the last of which ends the
// logical stream.
bool checkOggContainer(const std::uint8_t* data, std::size_t size, std::string& problem);

} // namespace soundlib
