// "soMusMetal.mid": a loopable 16-bar metal tune in E minor for the second
// program, and the General MIDI programs and drum keys it plays, which the
// "gm.dls" bank must cover.
#pragma once

#include "AssetSink.h"

namespace metal {

// General MIDI program numbers, counted from 0.
constexpr int kRhythmGuitar = 30; // Distortion Guitar
constexpr int kBass = 34;         // Electric Bass (pick)
constexpr int kLead = 81;         // Lead 2 (sawtooth)

constexpr int kKick = 36;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kCrash = 49;

constexpr int kBars = 16;
constexpr double kBeatsPerMinute = 150.0;
constexpr double kSeconds = kBars * 4 * 60.0 / kBeatsPerMinute;

} // namespace metal

Bytes composeMetalSong();
