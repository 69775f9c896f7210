// Ogg Vorbis files from float samples, through libvorbisenc.
#pragma once

#include "SoundBytes.h"

#include <vector>

// `samples` are interleaved, 1 or 2 channels. `quality` is libvorbisenc's
// variable-bitrate quality, -0.1 .. 1. Throws std::runtime_error when the
// encoder refuses the settings.
Bytes encodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate,
                      float quality);
