// DLS sound banks through libgig, plus the articulation (volume envelope)
// that libgig does not write, added to the saved RIFF tree: the game's bank
// and the banks the sound library's tests play.
#pragma once

#include "SoundBytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DlsWave {
    std::vector<float> samples; // mono, -1 .. 1
    int sampleRate = 22050;
    int unityNote = 60;
    // A forward loop over [loopStart, loopStart + loopLength); none when 0.
    std::uint32_t loopStart = 0;
    std::uint32_t loopLength = 0;
};

// The volume envelope. Attack, sustain and release are always written; the
// others only when they differ from zero. Decay is the time a fall over the
// envelope's whole range (96 dB) takes; the key scalings add their
// timecents in proportion to the key number (all of them at key 128).
struct DlsEnvelope {
    double attackSeconds = 0.002;
    double releaseSeconds = 0.1;
    double sustainLevel = 1.0; // of the envelope's range, 0 .. 1
    double decaySeconds = 0.0;
    double holdSeconds = 0.0;
    double delaySeconds = 0.0;
    double keyToDecayTimecents = 0.0;
    double keyToHoldTimecents = 0.0;
};

struct DlsRegion {
    int lowKey = 0;
    int highKey = 127;
    DlsWave wave;
    // Replaces the instrument's articulation for this region.
    std::optional<DlsEnvelope> envelope = std::nullopt;
};

struct DlsInstrument {
    std::string name;
    int program = 0;
    bool drum = false;
    DlsEnvelope envelope;
    std::vector<DlsRegion> regions;
    // Without articulation the instrument's envelope is not written at all.
    bool articulated = true;
};

// Throws std::runtime_error when the bank cannot be written.
Bytes encodeDlsBank(const std::string& bankName, const std::vector<DlsInstrument>& instruments);
