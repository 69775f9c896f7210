// Turning a file's bytes into a Sound: detect the format, open its decoder,
// and either keep the decoder (a stream) or decode everything now (a sample).
#pragma once

#include "Sound.h"

#include "soundlib.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace soundlib {

// Samples longer than this are refused: ten minutes at 48 kHz.
constexpr std::size_t kMaxSampleFrames = 48000u * 600u;

struct SoundRequest {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    // The encoded bytes when the library read the file itself; a stream then
    // keeps them.
    std::vector<std::uint8_t> ownedBytes;
    bool stream = false;
    bool loops = false;
    std::string bankPath;
};

// FMOD_OK with `sound` set; otherwise an error with `problem` saying why.
// A sound made from damaged data (a WAV file cut short) also has `problem`
// saying what was wrong with it.
FMOD_RESULT loadSound(System& owner, SoundRequest request, std::unique_ptr<Sound>& sound,
                      std::string& problem);

} // namespace soundlib
