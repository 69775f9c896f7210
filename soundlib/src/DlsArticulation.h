// What a DLS instrument's connection blocks mean in SoundFont terms: the
// volume envelope (delay, attack, hold, decay, sustain, release, and the
// key-number scaling of hold and decay), the modulation envelope, the two
// LFOs and their depths, filter, tuning, pan and effect sends, as SoundFont
// generators, and controller-driven depths as SoundFont modulators.
// Connections FluidSynth's default modulators already give (velocity and
// the volume controllers to gain, pan, pitch wheel) are left to those.
#pragma once

#include "DlsBank.h"

#include <cstdint>
#include <map>
#include <vector>

namespace soundlib {

// SoundFont 2 generator numbers.
enum Sf2Generator : std::uint16_t {
    kGenModLfoToPitch = 5,
    kGenVibLfoToPitch = 6,
    kGenModEnvToPitch = 7,
    kGenFilterCutoff = 8,
    kGenFilterQ = 9,
    kGenModLfoToFilter = 10,
    kGenModEnvToFilter = 11,
    kGenModLfoToVolume = 13,
    kGenChorusSend = 15,
    kGenReverbSend = 16,
    kGenPan = 17,
    kGenModLfoDelay = 21,
    kGenModLfoFrequency = 22,
    kGenVibLfoDelay = 23,
    kGenVibLfoFrequency = 24,
    kGenModEnvDelay = 25,
    kGenModEnvAttack = 26,
    kGenModEnvHold = 27,
    kGenModEnvDecay = 28,
    kGenModEnvSustain = 29,
    kGenModEnvRelease = 30,
    kGenKeyToModEnvHold = 31,
    kGenKeyToModEnvDecay = 32,
    kGenVolEnvDelay = 33,
    kGenVolEnvAttack = 34,
    kGenVolEnvHold = 35,
    kGenVolEnvDecay = 36,
    kGenVolEnvSustain = 37,
    kGenVolEnvRelease = 38,
    kGenKeyToVolEnvHold = 39,
    kGenKeyToVolEnvDecay = 40,
    kGenInstrument = 41,
    kGenKeyRange = 43,
    kGenVelocityRange = 44,
    kGenAttenuation = 48,
    kGenCoarseTune = 51,
    kGenFineTune = 52,
    kGenSampleId = 53,
    kGenSampleModes = 54,
    kGenScaleTuning = 56,
    kGenExclusiveClass = 57,
    kGenRootKey = 58,
};

struct Sf2Modulator {
    std::uint16_t source = 0;
    std::uint16_t destination = 0;
    std::int16_t amount = 0;
};

struct Sf2ZoneSettings {
    // Generator values before clamping to 16 bits; tuning in cents.
    std::map<std::uint16_t, double> generators;
    double tuneCents = 0.0;
    double attenuation = 0.0; // centibels
    std::vector<Sf2Modulator> modulators;
    // Base-time shifts from key-number scaling, folded into `generators`.
    std::map<std::uint16_t, double> keyShift;
};

// Adds what `connections` say to `zone`.
void articulate(const std::vector<DlsConnection>& connections, Sf2ZoneSettings& zone);

// Whether a generator holds a time in timecents (delays, attacks, holds,
// decays and releases of the envelopes and LFOs).
bool isTimeGenerator(std::uint16_t generator);

} // namespace soundlib
