// A small bank and song for the MIDI and DLS fuzz targets: one looped tone
// with an envelope, a region with its own, and a two-key kit, played by a
// song that uses all of them; and the bank file the synthesizer reads.
#pragma once

#include "DlsWriter.h"
#include "MidiWriter.h"

#include <cmath>
#include <fstream>
#include <string>
#include <unistd.h>

inline Bytes fuzzBank() {
    DlsWave tone;
    for (int i = 0; i < 100; ++i) {
        tone.samples.push_back(static_cast<float>(0.5 * std::sin(i * 2.0 * M_PI / 50.0)));
    }
    tone.loopLength = 100;
    DlsWave hit = tone;
    hit.loopLength = 0;
    DlsEnvelope envelope;
    envelope.decaySeconds = 1.0;
    envelope.sustainLevel = 0.5;
    envelope.keyToDecayTimecents = -1200.0;
    DlsInstrument melodic{
        "tone", 0, false, envelope, {{0, 59, tone, envelope}, {60, 127, tone, {}}}};
    DlsInstrument kit{"kit", 0, true, {}, {{36, 36, hit, {}}, {38, 38, hit, {}}}};
    return encodeDlsBank("fuzz bank", {melodic, kit});
}

inline Bytes fuzzSong() {
    MidiTrack track("fuzz");
    track.program(0, 0, 0);
    track.note(0, 200, 0, 48, 100);
    track.note(0, 200, 0, 72, 100);
    track.note(100, 100, 9, 36, 100);
    track.end(480);
    return encodeMidiFile({track}, 480);
}

// Writes `bytes` to this process's bank file for `target` and names it.
inline std::string writeBankFile(const char* target, const std::vector<std::uint8_t>& bytes) {
    const std::string path =
        "/tmp/soundlib_fuzz_" + std::string(target) + "_" + std::to_string(getpid()) + ".dls";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
}
