// Recognising a sound file by its first bytes, never by a name.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

enum class SoundFormat { Wave, OggVorbis, Midi, Unknown };

SoundFormat detectFormat(const std::uint8_t* data, std::size_t size);
const char* formatName(SoundFormat format);

} // namespace soundlib
