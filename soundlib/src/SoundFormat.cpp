// Magic numbers of the formats we decode.
#include "SoundFormat.h"

#include <cstring>

namespace soundlib {

namespace {
bool startsWith(const std::uint8_t* data, std::size_t size, std::size_t offset, const char* magic) {
    const std::size_t length = std::strlen(magic);
    return size >= offset + length && std::memcmp(data + offset, magic, length) == 0;
}
} // namespace

SoundFormat detectFormat(const std::uint8_t* data, std::size_t size) {
    if (startsWith(data, size, 0, "RIFF") && startsWith(data, size, 8, "WAVE")) {
        return SoundFormat::Wave;
    }
    if (startsWith(data, size, 0, "OggS")) {
        return SoundFormat::OggVorbis;
    }
    if (startsWith(data, size, 0, "MThd")) {
        return SoundFormat::Midi;
    }
    return SoundFormat::Unknown;
}

const char* formatName(SoundFormat format) {
    switch (format) {
    case SoundFormat::Wave:
        return "RIFF WAVE";
    case SoundFormat::OggVorbis:
        return "Ogg Vorbis";
    case SoundFormat::Midi:
        return "Standard MIDI File";
    case SoundFormat::Unknown:
        break;
    }
    return "unknown";
}

} // namespace soundlib
