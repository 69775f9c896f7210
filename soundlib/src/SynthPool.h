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
    explicit SynthLease(int entry, fluid_synth_t* synth) : entry_(entry), synth_(synth) {}
    ~SynthLease();
    SynthLease(const SynthLease&) = delete;
    SynthLease& operator=(const SynthLease&) = delete;
    fluid_synth_t* synth() const { return synth_; }

  private:
    int entry_;
    fluid_synth_t* synth_;
};

// FMOD_OK with `lease` set, or an error with `problem` naming what went wrong
// with the bank.
FMOD_RESULT leaseSynth(const std::string& bankPath, std::unique_ptr<SynthLease>& lease,
                       std::string& problem);

} // namespace soundlib
