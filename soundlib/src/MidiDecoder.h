// Adapter over FluidSynth's MIDI player: renders a Standard MIDI File from
// memory with a DLS bank, frame by frame, for exactly the song's length per
// pass. Looping restarts the song while the last notes ring on, so the seam
// is as smooth as the music.
#pragma once

#include "Decoder.h"
#include "SynthPool.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace soundlib {

class MidiDecoder : public Decoder {
  public:
    // Null with `result` and `problem` set for malformed MIDI data or an
    // unusable bank.
    static std::unique_ptr<MidiDecoder> open(const std::uint8_t* data, std::size_t size,
                                             const std::string& bankPath, FMOD_RESULT& result,
                                             std::string& problem);
    ~MidiDecoder() override;
    MidiDecoder(const MidiDecoder&) = delete;
    MidiDecoder& operator=(const MidiDecoder&) = delete;

    int channels() const override { return 2; }
    int sampleRate() const override { return kSynthRate; }
    int read(float* out, int frames) override;
    bool rewind() override;
    long long knownFrames() const override { return static_cast<long long>(songFrames_); }

  private:
    MidiDecoder() = default;
    bool startPlayer();
    void stopPlayer();

    // Our own copy: the player may read the file after the caller's block is gone.
    std::vector<std::uint8_t> song_;
    std::unique_ptr<SynthLease> lease_;
    fluid_player_t* player_ = nullptr;
    std::uint64_t songFrames_ = 0;
    std::uint64_t rendered_ = 0;
};

} // namespace soundlib
