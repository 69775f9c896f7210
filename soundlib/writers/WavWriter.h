// RIFF WAVE files from float samples, in the sample formats the sound
// library reads: 8-, 16- and 24-bit PCM and 32-bit float.
#pragma once

#include "SoundBytes.h"

#include <vector>

enum class WavSampleFormat { Pcm8, Pcm16, Pcm24, Float32 };

// `samples` are interleaved, `channels` per frame, nominally -1 .. 1 (PCM
// values are clipped).
Bytes encodeWav(const std::vector<float>& samples, int channels, int sampleRate,
                WavSampleFormat format);
