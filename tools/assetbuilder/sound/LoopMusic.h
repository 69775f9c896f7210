// The two short, loopable pieces of background music: "track003.ogg" for
// the first program and "muIntro.ogg" for the second, rendered by a small
// additive synthesizer.
#pragma once

#include <vector>

constexpr int kMusicRate = 44100;

// Interleaved stereo at kMusicRate, a whole number of bars long. Notes that
// ring past the end are wrapped round to the start, so the loop is seamless.
std::vector<float> renderTrack003();
std::vector<float> renderMuIntro();
