// A DLS sound bank read into memory: instruments with their regions and
// articulation (connection blocks), and the wave pool as 16-bit samples.
// The synthesizer's own DLS loader ignores articulation, so the library
// reads the bank itself and hands the synthesizer an equivalent SoundFont.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace soundlib {

// One connection block: `scale` is 16.16 fixed point in the destination's
// units, applied to source times control.
struct DlsConnection {
    std::uint16_t source = 0;
    std::uint16_t control = 0;
    std::uint16_t destination = 0;
    std::uint16_t transform = 0;
    std::int32_t scale = 0;
};

// Playback of a wave ("wsmp"): kept on the wave and overridable per region.
struct DlsPlayback {
    bool present = false;
    int unityNote = 60;
    int fineTuneCents = 0;
    std::int32_t gain = 0; // centibels, 16.16, negative is quieter
    bool looped = false;
    bool loopEndsAtRelease = false;
    std::uint32_t loopStart = 0;
    std::uint32_t loopLength = 0;
};

struct DlsRegionInfo {
    int lowKey = 0;
    int highKey = 127;
    int lowVelocity = 0;
    int highVelocity = 127;
    int keyGroup = 0;
    std::uint32_t cue = 0; // index into the pool table
    DlsPlayback playback;
    bool articulated = false;
    std::vector<DlsConnection> connections;
};

struct DlsInstrumentInfo {
    std::string name;
    int bank = 0; // MIDI bank select (controller 0); 128 for drum kits
    int program = 0;
    bool articulated = false;
    std::vector<DlsConnection> connections;
    std::vector<DlsRegionInfo> regions;
};

struct DlsWaveInfo {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples; // the first channel
    DlsPlayback playback;
};

struct DlsBankInfo {
    std::vector<DlsInstrumentInfo> instruments;
    std::vector<DlsWaveInfo> waves;
    // The wave of each pool-table entry; a region's cue indexes this.
    std::vector<std::size_t> cueWaves;
};

// False with `problem` set when the bank is malformed: a chunk runs past its
// parent, a connection block list is longer than its chunk, a region names a
// wave the pool lacks, or a wave is not 8- or 16-bit PCM.
bool readDlsBank(const std::uint8_t* data, std::size_t size, DlsBankInfo& bank,
                 std::string& problem);

} // namespace soundlib
