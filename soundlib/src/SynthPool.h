// Adapter over FluidSynth's synthesizer. Synths live for the whole process
// and are lent out, one per MIDI sound being rendered: creating and deleting
// synths over and over upsets the DLS loader underneath them. A lent synth
// has the requested DLS bank loaded; a synth that already holds the same
// bank file (same path, size and modification time) keeps it.
#pragma once

#include <memory>
#include <string>

#include <fluidsynth.h>

#include "soundlib.h"

namespace soundlib {

constexpr int kSynthRate = 44100;

class SynthLease {
  public:
    SynthLease(int entry, fluid_synth_t* synth, int fontId)
        : entry_(entry), synth_(synth), fontId_(fontId) {}
    ~SynthLease();
    SynthLease(const SynthLease&) = delete;
    SynthLease& operator=(const SynthLease&) = delete;
    fluid_synth_t* synth() const { return synth_; }
    // Whether the loaded bank holds this MIDI bank's program.
    bool hasInstrument(int bank, int program) const;

  private:
    int entry_;
    fluid_synth_t* synth_;
    int fontId_;
};

// FMOD_OK with `lease` set, or an error with `problem` naming what went wrong
// with the bank.
FMOD_RESULT leaseSynth(const std::string& bankPath, std::unique_ptr<SynthLease>& lease,
                       std::string& problem);

} // namespace soundlib
