// Each DLS instrument becomes one SoundFont instrument and one preset with
// the same bank and program. The instrument's own articulation goes into its
// global zone; a region with articulation of its own replaces it, as DLS
// says, so that region's zone restates FluidSynth's default for every
// generator the global zone sets and it does not. Each distinct wave and
// loop gets a sample header; waves lie once in the sample data.
#include "SoundFontImage.h"

#include "DlsArticulation.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

namespace soundlib {

namespace {

using Bytes = std::vector<std::uint8_t>;

// SoundFont readers expect this much silence after each sample.
constexpr std::size_t kSampleGap = 46;
constexpr std::size_t kMaxIndex = 0xFFFF;

struct Generator {
    std::uint16_t id;
    std::uint16_t amount;
};

struct Zone {
    std::vector<Generator> generators;
    std::vector<Sf2Modulator> modulators;
};

struct SampleHeader {
    std::size_t wave;
    std::uint32_t start, end, loopStart, loopEnd, rate;
    std::uint8_t rootKey;
};

// Grows `out` by resizing and copying: GCC 12's -O3 inliner misjudges the
// bounds of small range inserts into a vector and warns.
void append(Bytes& out, const void* data, std::size_t size) {
    const std::size_t at = out.size();
    out.resize(at + size);
    if (size > 0) {
        std::memcpy(out.data() + at, data, size);
    }
}

void putName(Bytes& out, const std::string& name) {
    char field[20] = {};
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), 19));
    append(out, field, sizeof field);
}

void putChunk(Bytes& out, const char* id, const Bytes& body) {
    append(out, id, 4);
    put32(out, static_cast<std::uint32_t>(body.size()));
    append(out, body.data(), body.size());
    if (body.size() & 1u) {
        out.push_back(0);
    }
}

Bytes list(const char* type, const Bytes& body) {
    Bytes out;
    append(out, type, 4);
    append(out, body.data(), body.size());
    return out;
}

double defaultOf(std::uint16_t generator) {
    // The shortest time SoundFont 2 can say.
    if (isTimeGenerator(generator))
        return -12000.0;
    switch (generator) {
    case kGenFilterCutoff:
        return 13500.0;
    case kGenScaleTuning:
        return 100.0;
    default:
        return 0.0;
    }
}

std::uint16_t amount(double value) {
    const double clamped = std::fmax(-32768.0, std::fmin(32767.0, std::round(value)));
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(clamped));
}

std::uint16_t range(int low, int high) {
    const int lo = std::clamp(low, 0, 127);
    const int hi = std::clamp(high, lo, 127);
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

bool sameModulator(const Sf2Modulator& a, const Sf2Modulator& b) {
    return a.source == b.source && a.destination == b.destination;
}

class Builder {
  public:
    explicit Builder(const DlsBankInfo& bank) : bank_(bank) {}

    void addInstrument(const DlsInstrumentInfo& instrument) {
        instrumentBags_.push_back(zones_.size());
        Sf2ZoneSettings global;
        if (instrument.articulated) {
            articulate(instrument.connections, global);
            if (!global.generators.empty() || !global.modulators.empty()) {
                Zone zone;
                for (const auto& [id, value] : global.generators) {
                    zone.generators.push_back({id, amount(value)});
                }
                zone.modulators = global.modulators;
                zones_.push_back(zone);
            }
        }
        for (const DlsRegionInfo& region : instrument.regions) {
            addRegion(region, instrument.articulated ? &global : nullptr);
        }
    }

    bool write(Bytes& image, std::string& problem) const;

  private:
    void addRegion(const DlsRegionInfo& region, const Sf2ZoneSettings* global) {
        const std::size_t waveIndex = bank_.cueWaves[region.cue];
        const DlsWaveInfo& wave = bank_.waves[waveIndex];
        if (wave.samples.empty()) {
            return;
        }
        const DlsPlayback& playback = region.playback.present ? region.playback : wave.playback;
        Sf2ZoneSettings own;
        if (region.articulated) {
            articulate(region.connections, own);
        }
        const Sf2ZoneSettings& tuning = region.articulated || global == nullptr ? own : *global;
        Zone zone;
        zone.generators.push_back({kGenKeyRange, range(region.lowKey, region.highKey)});
        zone.generators.push_back(
            {kGenVelocityRange, range(region.lowVelocity, region.highVelocity)});
        if (region.articulated) {
            for (const auto& [id, value] : own.generators) {
                zone.generators.push_back({id, amount(value)});
            }
            zone.modulators = own.modulators;
            if (global != nullptr) {
                restateDefaults(*global, own, zone);
            }
        }
        const double attenuation = tuning.attenuation - playback.gain / 65536.0;
        if (attenuation > 0.0) {
            zone.generators.push_back({kGenAttenuation, amount(attenuation)});
        }
        const double cents = std::round(tuning.tuneCents + playback.fineTuneCents);
        const double semitones = std::trunc(cents / 100.0);
        zone.generators.push_back({kGenCoarseTune, amount(semitones)});
        zone.generators.push_back({kGenFineTune, amount(cents - 100.0 * semitones)});
        const bool looped = playback.looped && playback.loopStart < wave.samples.size() &&
                            playback.loopLength <= wave.samples.size() - playback.loopStart;
        if (looped) {
            zone.generators.push_back(
                {kGenSampleModes, static_cast<std::uint16_t>(playback.loopEndsAtRelease ? 3 : 1)});
        }
        if (region.keyGroup != 0) {
            zone.generators.push_back({kGenExclusiveClass, amount(region.keyGroup)});
        }
        zone.generators.push_back({kGenRootKey, amount(playback.unityNote)});
        zone.generators.push_back(
            {kGenSampleId, sampleFor(waveIndex, looped ? playback.loopStart : 0,
                                     looped ? playback.loopLength : 0, playback.unityNote)});
        zones_.push_back(zone);
    }

    static void restateDefaults(const Sf2ZoneSettings& global, const Sf2ZoneSettings& own,
                                Zone& zone) {
        for (const auto& entry : global.generators) {
            if (own.generators.count(entry.first) == 0) {
                zone.generators.push_back({entry.first, amount(defaultOf(entry.first))});
            }
        }
        for (const Sf2Modulator& modulator : global.modulators) {
            const bool kept =
                std::any_of(own.modulators.begin(), own.modulators.end(),
                            [&](const Sf2Modulator& m) { return sameModulator(m, modulator); });
            if (!kept) {
                zone.modulators.push_back({modulator.source, modulator.destination, 0});
            }
        }
    }

    std::uint16_t sampleFor(std::size_t wave, std::uint32_t loopStart, std::uint32_t loopLength,
                            int rootKey) {
        const auto key = std::make_tuple(wave, loopStart, loopLength);
        const auto known = sampleIds_.find(key);
        if (known != sampleIds_.end()) {
            return known->second;
        }
        const std::uint32_t start = waveStart(wave);
        const auto frames = static_cast<std::uint32_t>(bank_.waves[wave].samples.size());
        samples_.push_back({wave, start, start + frames, start + loopStart,
                            start + loopStart + loopLength,
                            static_cast<std::uint32_t>(bank_.waves[wave].sampleRate),
                            static_cast<std::uint8_t>(rootKey)});
        const auto id = static_cast<std::uint16_t>(std::min(samples_.size() - 1, kMaxIndex));
        sampleIds_[key] = id;
        return id;
    }

    std::uint32_t waveStart(std::size_t wave) {
        const auto known = waveStarts_.find(wave);
        if (known != waveStarts_.end()) {
            return known->second;
        }
        const auto start = static_cast<std::uint32_t>(sampleFrames_);
        waveStarts_[wave] = start;
        waveOrder_.push_back(wave);
        sampleFrames_ += bank_.waves[wave].samples.size() + kSampleGap;
        return start;
    }

    Bytes sampleData() const;
    Bytes presetData() const;
    Bytes instrumentData() const;

    const DlsBankInfo& bank_;
    std::vector<Zone> zones_;
    std::vector<std::size_t> instrumentBags_;
    std::vector<SampleHeader> samples_;
    std::map<std::tuple<std::size_t, std::uint32_t, std::uint32_t>, std::uint16_t> sampleIds_;
    std::map<std::size_t, std::uint32_t> waveStarts_;
    std::vector<std::size_t> waveOrder_;
    std::size_t sampleFrames_ = 0;
};

Bytes Builder::sampleData() const {
    Bytes smpl;
    smpl.reserve(sampleFrames_ * 2);
    for (std::size_t wave : waveOrder_) {
        for (std::int16_t sample : bank_.waves[wave].samples) {
            put16(smpl, static_cast<std::uint16_t>(sample));
        }
        smpl.resize(smpl.size() + kSampleGap * 2);
    }
    Bytes body;
    putChunk(body, "smpl", smpl);
    return list("sdta", body);
}

// One preset per instrument, each with one zone naming it; a bank and
// program that appear twice keep their first instrument.
Bytes Builder::presetData() const {
    Bytes phdr, pbag, pgen;
    std::set<std::pair<int, int>> seen;
    std::size_t presets = 0;
    for (std::size_t i = 0; i < bank_.instruments.size(); ++i) {
        const DlsInstrumentInfo& instrument = bank_.instruments[i];
        if (!seen.insert({instrument.bank, instrument.program}).second) {
            continue;
        }
        putName(phdr, instrument.name.empty() ? "instrument" : instrument.name);
        put16(phdr, static_cast<std::uint32_t>(instrument.program));
        put16(phdr, static_cast<std::uint32_t>(instrument.bank));
        put16(phdr, static_cast<std::uint32_t>(presets));
        put32(phdr, 0);
        put32(phdr, 0);
        put32(phdr, 0);
        put16(pbag, static_cast<std::uint32_t>(presets));
        put16(pbag, 0);
        put16(pgen, kGenInstrument);
        put16(pgen, static_cast<std::uint32_t>(i));
        ++presets;
    }
    putName(phdr, "EOP");
    put16(phdr, 0);
    put16(phdr, 0);
    put16(phdr, static_cast<std::uint32_t>(presets));
    phdr.resize(phdr.size() + 12);
    put16(pbag, static_cast<std::uint32_t>(presets));
    put16(pbag, 0);
    pgen.resize(pgen.size() + 4);
    Bytes body;
    putChunk(body, "phdr", phdr);
    putChunk(body, "pbag", pbag);
    putChunk(body, "pmod", Bytes(10, 0));
    putChunk(body, "pgen", pgen);
    return body;
}

Bytes Builder::instrumentData() const {
    Bytes inst, ibag, imod, igen, shdr;
    for (std::size_t i = 0; i < bank_.instruments.size(); ++i) {
        putName(inst, bank_.instruments[i].name.empty() ? "instrument" : bank_.instruments[i].name);
        put16(inst, static_cast<std::uint32_t>(instrumentBags_[i]));
    }
    putName(inst, "EOI");
    put16(inst, static_cast<std::uint32_t>(zones_.size()));
    std::size_t generators = 0;
    std::size_t modulators = 0;
    for (const Zone& zone : zones_) {
        put16(ibag, static_cast<std::uint32_t>(generators));
        put16(ibag, static_cast<std::uint32_t>(modulators));
        for (const Generator& g : zone.generators) {
            put16(igen, g.id);
            put16(igen, g.amount);
        }
        for (const Sf2Modulator& m : zone.modulators) {
            put16(imod, m.source);
            put16(imod, m.destination);
            put16(imod, static_cast<std::uint16_t>(m.amount));
            put16(imod, 0);
            put16(imod, 0);
        }
        generators += zone.generators.size();
        modulators += zone.modulators.size();
    }
    put16(ibag, static_cast<std::uint32_t>(generators));
    put16(ibag, static_cast<std::uint32_t>(modulators));
    imod.resize(imod.size() + 10);
    igen.resize(igen.size() + 4);
    for (const SampleHeader& s : samples_) {
        putName(shdr, "wave " + std::to_string(s.wave));
        for (std::uint32_t value : {s.start, s.end, s.loopStart, s.loopEnd, s.rate}) {
            put32(shdr, value);
        }
        shdr.push_back(s.rootKey);
        shdr.push_back(0); // pitch correction: the zone's tuning says it
        put16(shdr, 0);
        put16(shdr, 1); // mono
    }
    putName(shdr, "EOS");
    shdr.resize(shdr.size() + 26);
    Bytes body;
    putChunk(body, "inst", inst);
    putChunk(body, "ibag", ibag);
    putChunk(body, "imod", imod);
    putChunk(body, "igen", igen);
    putChunk(body, "shdr", shdr);
    return body;
}

bool Builder::write(Bytes& image, std::string& problem) const {
    std::size_t generators = 0;
    std::size_t modulators = 0;
    for (const Zone& zone : zones_) {
        generators += zone.generators.size();
        modulators += zone.modulators.size();
    }
    if (zones_.size() >= kMaxIndex || generators >= kMaxIndex || modulators >= kMaxIndex ||
        samples_.size() >= kMaxIndex || bank_.instruments.size() >= kMaxIndex ||
        sampleFrames_ > 0x7FFFFFFFu) {
        problem = "the bank has more regions, waves or articulation than the synthesizer holds";
        return false;
    }
    Bytes info;
    Bytes version;
    put16(version, 2);
    put16(version, 1);
    putChunk(info, "ifil", version);
    const char engine[] = "EMU8000";
    putChunk(info, "isng", Bytes(engine, engine + sizeof engine));
    // INFO strings end in a zero and have an even length.
    const char name[] = "DLS bank\0";
    putChunk(info, "INAM", Bytes(name, name + sizeof name));
    Bytes pdta = presetData();
    const Bytes instruments = instrumentData();
    append(pdta, instruments.data(), instruments.size());
    Bytes form;
    append(form, "sfbk", 4);
    putChunk(form, "LIST", list("INFO", info));
    putChunk(form, "LIST", sampleData());
    putChunk(form, "LIST", list("pdta", pdta));
    image.clear();
    putChunk(image, "RIFF", form);
    return true;
}

} // namespace

bool buildSoundFont(const DlsBankInfo& bank, std::vector<std::uint8_t>& image,
                    std::string& problem) {
    Builder builder(bank);
    for (const DlsInstrumentInfo& instrument : bank.instruments) {
        builder.addInstrument(instrument);
    }
    return builder.write(image, problem);
}

} // namespace soundlib
