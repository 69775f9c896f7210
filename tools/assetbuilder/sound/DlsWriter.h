// DLS Level 1 sound banks through libgig, plus the instrument articulation
// (volume envelope) that libgig does not write, added to the saved RIFF tree.
#pragma once

#include "AssetSink.h"

#include <cstdint>
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

struct DlsEnvelope {
    double attackSeconds = 0.002;
    double releaseSeconds = 0.1;
};

struct DlsRegion {
    int lowKey = 0;
    int highKey = 127;
    DlsWave wave;
};

struct DlsInstrument {
    std::string name;
    int program = 0;
    bool drum = false;
    DlsEnvelope envelope;
    std::vector<DlsRegion> regions;
};

// Throws std::runtime_error when the bank cannot be written.
Bytes encodeDlsBank(const std::string& bankName, const std::vector<DlsInstrument>& instruments);
