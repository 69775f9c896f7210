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
// Connection destinations of the DLS Level 1 volume envelope.
constexpr std::uint16_t kEnvelopeAttack = 0x0206;
constexpr std::uint16_t kEnvelopeRelease = 0x0209;
constexpr std::uint16_t kEnvelopeSustain = 0x020A;

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

std::int32_t timecents(double seconds) {
    return static_cast<std::int32_t>(std::lround(1200.0 * std::log2(seconds)));
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

void putConnection(std::uint8_t*& at, std::uint16_t destination, std::int32_t value) {
    put16(at, 0); // source: none
    put16(at, 0); // control: none
    put16(at, destination);
    put16(at, 0); // transform: none
    put32(at, static_cast<std::uint32_t>(value) << 16);
}

// libgig keeps no articulation for new instruments; add one "lart" list
// with an "art1" chunk to each instrument of the saved file.
void addEnvelopes(const std::string& path, const std::vector<DlsInstrument>& instruments) {
    RIFF::File riff(path);
    RIFF::List* list = riff.GetSubList(LIST_TYPE_LINS);
    std::size_t index = 0;
    for (RIFF::List* instrument = list->GetFirstSubList(); instrument != nullptr;
         instrument = list->GetNextSubList()) {
        if (instrument->GetListType() != LIST_TYPE_INS || index >= instruments.size()) {
            continue;
        }
        const DlsEnvelope& envelope = instruments[index++].envelope;
        const std::uint32_t connections = 3;
        RIFF::Chunk* chunk =
            instrument->AddSubList(LIST_TYPE_LART)->AddSubChunk(kArticulationChunk, 8 + 12 * 3);
        auto* at = static_cast<std::uint8_t*>(chunk->LoadChunkData());
        put32(at, 8);
        put32(at, connections);
        putConnection(at, kEnvelopeAttack, timecents(envelope.attackSeconds));
        putConnection(at, kEnvelopeSustain, 1000); // 100.0 %
        putConnection(at, kEnvelopeRelease, timecents(envelope.releaseSeconds));
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
