// A structural check of a Standard MIDI File before it reaches the synth's
// player, and the song's length in seconds through its tempo map (the player
// only says a song has ended some seconds after its last event, which is no
// use for a seamless loop).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace soundlib {

struct MidiSummary {
    int format = 0;
    int tracks = 0;
    // From the start to the latest end-of-track event of any track.
    double seconds = 0.0;
};

// False with `problem` set when the data is not a well-formed format 0 or 1
// file.
bool scanMidiFile(const std::uint8_t* data, std::size_t size, MidiSummary& summary,
                  std::string& problem);

} // namespace soundlib
