// MIDI rendering through a lent FluidSynth synth and a player per pass.
#include "MidiDecoder.h"

#include "Diagnostics.h"
#include "MidiFile.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <set>
#include <tuple>

namespace soundlib {

namespace {

// Without the instrument the synthesizer plays a stand-in or nothing at all;
// either way the song does not sound as written, so say which one is missing,
// once per bank and instrument: the game creates the same song again and
// again. A missing drum kit is replaced by the standard kit, as General MIDI
// players do (the synthesizer falls back to it on the drum channel).
void reportMissingInstruments(const MidiSummary& summary, const SynthLease& lease,
                              const std::string& bankPath) {
    static std::mutex mutex;
    static std::set<std::tuple<std::string, int, int>> reported;
    const bool standardKit = lease.hasInstrument(kDrumBank, 0);
    for (const InstrumentUse& use : summary.instruments) {
        if (lease.hasInstrument(use.bank, use.program)) {
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!reported.insert({bankPath, use.bank, use.program}).second) {
                continue;
            }
        }
        std::string line = "the song asks for bank " + std::to_string(use.bank) + " program " +
                           std::to_string(use.program) + ", which this sound bank lacks";
        if (use.bank == kDrumBank && standardKit) {
            line += "; the standard kit (bank 128 program 0) plays instead";
        }
        reportProblem(bankPath, line);
    }
}

} // namespace

std::unique_ptr<MidiDecoder> MidiDecoder::open(const std::uint8_t* data, std::size_t size,
                                               const std::string& bankPath, FMOD_RESULT& result,
                                               std::string& problem) {
    MidiSummary summary;
    if (!scanMidiFile(data, size, summary, problem)) {
        result = FMOD_ERR_FORMAT;
        return nullptr;
    }
    std::unique_ptr<MidiDecoder> decoder(new MidiDecoder());
    result = leaseSynth(bankPath, decoder->lease_, problem);
    if (result != FMOD_OK) {
        problem = bankPath + ": " + problem;
        return nullptr;
    }
    reportMissingInstruments(summary, *decoder->lease_, bankPath);
    decoder->song_.assign(data, data + size);
    decoder->songFrames_ = static_cast<std::uint64_t>(std::llround(summary.seconds * kSynthRate));
    if (!decoder->startPlayer()) {
        result = FMOD_ERR_FORMAT;
        problem = "the synthesizer's player refused the MIDI data";
        return nullptr;
    }
    return decoder;
}

MidiDecoder::~MidiDecoder() {
    stopPlayer();
}

bool MidiDecoder::startPlayer() {
    player_ = new_fluid_player(lease_->synth());
    if (player_ == nullptr) {
        return false;
    }
    if (fluid_player_add_mem(player_, song_.data(), song_.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        stopPlayer();
        return false;
    }
    return true;
}

void MidiDecoder::stopPlayer() {
    if (player_ != nullptr) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
}

int MidiDecoder::read(float* out, int frames) {
    if (player_ == nullptr || rendered_ >= songFrames_) {
        return 0;
    }
    const int count = static_cast<int>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(frames), songFrames_ - rendered_));
    if (fluid_synth_write_float(lease_->synth(), count, out, 0, 2, out, 1, 2) != FLUID_OK) {
        return 0;
    }
    rendered_ += static_cast<std::uint64_t>(count);
    return count;
}

bool MidiDecoder::rewind() {
    stopPlayer();
    // Notes still held at the seam are released, not cut, so they fade out
    // into the next pass.
    fluid_synth_all_notes_off(lease_->synth(), -1);
    rendered_ = 0;
    return startPlayer();
}

} // namespace soundlib
