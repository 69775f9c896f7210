// A structural check of a Standard MIDI File before it reaches the synth's
// player, and the song's length in seconds through its tempo map (the player
// only says a song has ended some seconds after its last event, which is no
// use for a seamless loop).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace soundlib {

// An instrument a song plays notes with, as the synthesizer looks it up:
// bank select (controller 0) chooses the bank of melodic channels; channel
// 10 plays drum kits, in bank 128.
struct InstrumentUse {
    int bank = 0;
    int program = 0;
    bool operator<(const InstrumentUse& other) const {
        return bank != other.bank ? bank < other.bank : program < other.program;
    }
    bool operator==(const InstrumentUse& other) const {
        return bank == other.bank && program == other.program;
    }
};

constexpr int kDrumBank = 128;

struct MidiSummary {
    int format = 0;
    int tracks = 0;
    // From the start to the latest end-of-track event of any track.
    double seconds = 0.0;
    // Every instrument some note is played with, each once, in order.
    std::vector<InstrumentUse> instruments;
};

// False with `problem` set when the data is not a well-formed format 0 or 1
// file.
bool scanMidiFile(const std::uint8_t* data, std::size_t size, MidiSummary& summary,
                  std::string& problem);

} // namespace soundlib
