// libgig writes DLS to a file path, so the bank is built in a private
// temporary file, which is read back and removed. libgig needs the sample
// format fields (FrameSize, BlockAlign) set by hand and the file saved once
// before sample data can be written into it.
#include "DlsWriter.h"

#include <DLS.h>
#include <RIFF.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace {

// RIFF ids as libgig compares them: the four characters read little-endian.
constexpr std::uint32_t kArticulationChunk = 'a' | ('r' << 8) | ('t' << 16) | ('1' << 24);
// Connection sources and destinations of the DLS volume envelope.
constexpr std::uint16_t kSourceNone = 0x0000;
constexpr std::uint16_t kSourceKeyNumber = 0x0003;
constexpr std::uint16_t kEnvelopeAttack = 0x0206;
constexpr std::uint16_t kEnvelopeDecay = 0x0207;
constexpr std::uint16_t kEnvelopeRelease = 0x0209;
constexpr std::uint16_t kEnvelopeSustain = 0x020A;
constexpr std::uint16_t kEnvelopeDelay = 0x020B;
constexpr std::uint16_t kEnvelopeHold = 0x020C;
// A time of zero has no timecents; DLS marks it with the lowest value.
constexpr std::int32_t kZeroTime = INT32_MIN;

class TemporaryFile {
  public:
    TemporaryFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "assetbuilder-bank-XXXXXX").string();
        const int descriptor = mkstemp(pattern.data());
        if (descriptor < 0) {
            throw std::runtime_error("gm.dls: cannot create a temporary file");
        }
        close(descriptor);
        path_ = pattern;
    }
    ~TemporaryFile() { std::remove(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// 16.16 fixed point, as connection blocks hold their values.
std::int32_t fixed(double value) {
    return static_cast<std::int32_t>(std::lround(value * 65536.0));
}

std::int32_t timecents(double seconds) {
    return seconds <= 0.0 ? kZeroTime : fixed(1200.0 * std::log2(seconds));
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& samples) {
    std::vector<std::int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float s) {
        return static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    });
    return pcm;
}

DLS::Sample* addWave(DLS::File& file, const DlsWave& wave, const std::string& name) {
    DLS::Sample* sample = file.AddSample();
    sample->pInfo->Name = name;
    sample->FormatTag = DLS_WAVE_FORMAT_PCM;
    sample->Channels = 1;
    sample->BitDepth = 16;
    sample->FrameSize = 2;
    sample->BlockAlign = 2;
    sample->SamplesPerSecond = static_cast<std::uint32_t>(wave.sampleRate);
    sample->AverageBytesPerSecond = static_cast<std::uint32_t>(wave.sampleRate) * 2;
    sample->Resize(wave.samples.size());
    return sample;
}

void addRegion(DLS::Instrument& instrument, const DlsRegion& region, DLS::Sample* sample) {
    DLS::Region* added = instrument.AddRegion();
    added->SetSample(sample);
    added->SetKeyRange(static_cast<std::uint16_t>(region.lowKey),
                       static_cast<std::uint16_t>(region.highKey));
    added->UnityNote = static_cast<std::uint8_t>(region.wave.unityNote);
    added->FineTune = 0;
    if (region.wave.loopLength > 0) {
        DLS::sample_loop_t loop{};
        loop.Size = 16;    // the loop record's size in the "wsmp" chunk
        loop.LoopType = 0; // forward
        loop.LoopStart = region.wave.loopStart;
        loop.LoopLength = region.wave.loopLength;
        added->AddSampleLoop(&loop);
    }
}

void put16(std::uint8_t*& at, std::uint16_t value) {
    std::memcpy(at, &value, 2);
    at += 2;
}

void put32(std::uint8_t*& at, std::uint32_t value) {
    std::memcpy(at, &value, 4);
    at += 4;
}

struct Connection {
    std::uint16_t source;
    std::uint16_t destination;
    std::int32_t value;
};

std::vector<Connection> connectionsOf(const DlsEnvelope& envelope) {
    std::vector<Connection> out = {
        {kSourceNone, kEnvelopeAttack, timecents(envelope.attackSeconds)},
        {kSourceNone, kEnvelopeSustain, fixed(1000.0 * envelope.sustainLevel)}, // 0.1 % units
        {kSourceNone, kEnvelopeRelease, timecents(envelope.releaseSeconds)}};
    const std::pair<double, std::uint16_t> times[] = {{envelope.decaySeconds, kEnvelopeDecay},
                                                      {envelope.holdSeconds, kEnvelopeHold},
                                                      {envelope.delaySeconds, kEnvelopeDelay}};
    for (const auto& [seconds, destination] : times) {
        if (seconds > 0.0) {
            out.push_back({kSourceNone, destination, timecents(seconds)});
        }
    }
    if (envelope.keyToDecayTimecents != 0.0) {
        out.push_back({kSourceKeyNumber, kEnvelopeDecay, fixed(envelope.keyToDecayTimecents)});
    }
    if (envelope.keyToHoldTimecents != 0.0) {
        out.push_back({kSourceKeyNumber, kEnvelopeHold, fixed(envelope.keyToHoldTimecents)});
    }
    return out;
}

// One "lart" list with an "art1" chunk in `parent` (an instrument or region).
void addArticulation(RIFF::List* parent, const DlsEnvelope& envelope) {
    const std::vector<Connection> connections = connectionsOf(envelope);
    RIFF::Chunk* chunk = parent->AddSubList(LIST_TYPE_LART)
                             ->AddSubChunk(kArticulationChunk, 8 + 12 * connections.size());
    auto* at = static_cast<std::uint8_t*>(chunk->LoadChunkData());
    put32(at, 8);
    put32(at, static_cast<std::uint32_t>(connections.size()));
    for (const Connection& c : connections) {
        put16(at, c.source);
        put16(at, 0); // control: none
        put16(at, c.destination);
        put16(at, 0); // transform: none
        put32(at, static_cast<std::uint32_t>(c.value));
    }
}

void addRegionEnvelopes(RIFF::List* instrument, const DlsInstrument& written) {
    RIFF::List* regions = instrument->GetSubList(LIST_TYPE_LRGN);
    std::size_t index = 0;
    for (RIFF::List* region = regions == nullptr ? nullptr : regions->GetFirstSubList();
         region != nullptr && index < written.regions.size(); region = regions->GetNextSubList()) {
        if (region->GetListType() != LIST_TYPE_RGN && region->GetListType() != LIST_TYPE_RGN2) {
            continue;
        }
        const std::optional<DlsEnvelope>& envelope = written.regions[index++].envelope;
        if (envelope) {
            addArticulation(region, *envelope);
        }
    }
}

// libgig keeps no articulation for new instruments; add it to the saved file.
void addEnvelopes(const std::string& path, const std::vector<DlsInstrument>& instruments) {
    RIFF::File riff(path);
    RIFF::List* list = riff.GetSubList(LIST_TYPE_LINS);
    std::size_t index = 0;
    for (RIFF::List* instrument = list->GetFirstSubList(); instrument != nullptr;
         instrument = list->GetNextSubList()) {
        if (instrument->GetListType() != LIST_TYPE_INS || index >= instruments.size()) {
            continue;
        }
        const DlsInstrument& written = instruments[index++];
        if (written.articulated) {
            addArticulation(instrument, written.envelope);
        }
        addRegionEnvelopes(instrument, written);
    }
    riff.Save();
}

void writeBank(const std::string& path, const std::string& bankName,
               const std::vector<DlsInstrument>& instruments) {
    DLS::File file;
    file.pInfo->Name = bankName;
    std::vector<std::pair<DLS::Sample*, const DlsWave*>> waves;
    for (const DlsInstrument& instrument : instruments) {
        DLS::Instrument* added = file.AddInstrument();
        added->pInfo->Name = instrument.name;
        added->IsDrum = instrument.drum;
        added->MIDIBankCoarse = 0;
        added->MIDIBankFine = 0;
        added->MIDIProgram = static_cast<std::uint32_t>(instrument.program);
        for (const DlsRegion& region : instrument.regions) {
            DLS::Sample* sample = addWave(file, region.wave, instrument.name);
            addRegion(*added, region, sample);
            waves.emplace_back(sample, &region.wave);
        }
    }
    file.Save(path);
    for (auto& [sample, wave] : waves) {
        std::vector<std::int16_t> pcm = toPcm16(wave->samples);
        sample->Write(pcm.data(), pcm.size());
    }
}

} // namespace

Bytes encodeDlsBank(const std::string& bankName, const std::vector<DlsInstrument>& instruments) {
    TemporaryFile file;
    try {
        writeBank(file.path(), bankName, instruments);
        addEnvelopes(file.path(), instruments);
    } catch (const RIFF::Exception& error) {
        throw std::runtime_error("gm.dls: " + error.Message);
    }
    std::ifstream in(file.path(), std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
