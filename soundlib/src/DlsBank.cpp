// Reads the RIFF tree of a DLS bank: "lins" (instruments, regions, "lart" and
// "lar2" articulation lists), "ptbl" (the pool table) and "wvpl" (waves). The
// pool table gives each wave's offset inside the wave pool; regions name
// waves by their index in that table.
#include "DlsBank.h"

#include "ByteCursor.h"

#include <cstring>
#include <map>

namespace soundlib {

namespace {

constexpr std::uint32_t kDrumFlag = 0x80000000u;
constexpr std::uint32_t kLoopForward = 0;
constexpr std::uint32_t kLoopRelease = 1;

struct Chunk {
    std::string id;
    std::string listType; // for LIST chunks
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t offset = 0; // of the chunk's header inside its parent's body
};

ByteCursor cursorOf(const Chunk& chunk) {
    return ByteCursor(chunk.data, chunk.size);
}

bool childrenOf(const std::uint8_t* data, std::size_t size, std::vector<Chunk>& children,
                std::string& problem) {
    ByteCursor cursor(data, size);
    while (cursor.remaining() >= 8) {
        Chunk chunk;
        chunk.offset = cursor.position();
        for (int i = 0; i < 4; ++i) {
            // Named in messages: a damaged id may hold any byte.
            const char c = static_cast<char>(cursor.u8());
            chunk.id += c >= ' ' && c <= '~' ? c : '?';
        }
        const std::uint32_t length = cursor.u32le();
        if (length > cursor.remaining()) {
            problem = "chunk '" + chunk.id + "' runs past its parent";
            return false;
        }
        chunk.data = cursor.here();
        chunk.size = length;
        if (chunk.id == "LIST") {
            if (length < 4) {
                problem = "LIST chunk without a type";
                return false;
            }
            chunk.listType.assign(reinterpret_cast<const char*>(chunk.data), 4);
            chunk.data += 4;
            chunk.size -= 4;
        }
        children.push_back(chunk);
        cursor.skip(length);
        if ((length & 1u) != 0 && cursor.remaining() > 0) {
            cursor.skip(1);
        }
    }
    return true;
}

const Chunk* find(const std::vector<Chunk>& chunks, const char* id, const char* listType = "") {
    for (const Chunk& chunk : chunks) {
        if (chunk.id == id && chunk.listType == listType) {
            return &chunk;
        }
    }
    return nullptr;
}

// "art1" and "art2" share one layout: header size, block count, blocks.
bool readConnections(const Chunk& chunk, std::vector<DlsConnection>& out, std::string& problem) {
    ByteCursor cursor = cursorOf(chunk);
    const std::uint32_t headerSize = cursor.u32le();
    const std::uint32_t count = cursor.u32le();
    if (!cursor.ok() || headerSize < 8 || headerSize > chunk.size ||
        count > (chunk.size - headerSize) / 12) {
        problem = "articulation chunk '" + chunk.id + "' is malformed: " + std::to_string(count) +
                  " connection blocks do not fit in its " + std::to_string(chunk.size) + " bytes";
        return false;
    }
    cursor.skip(headerSize - 8);
    for (std::uint32_t i = 0; i < count; ++i) {
        DlsConnection c;
        c.source = cursor.u16le();
        c.control = cursor.u16le();
        c.destination = cursor.u16le();
        c.transform = cursor.u16le();
        c.scale = static_cast<std::int32_t>(cursor.u32le());
        out.push_back(c);
    }
    return true;
}

// Every "art1"/"art2" inside the "lart"/"lar2" lists among `chunks`.
bool readArticulation(const std::vector<Chunk>& chunks, bool& articulated,
                      std::vector<DlsConnection>& out, std::string& problem) {
    for (const Chunk& list : chunks) {
        if (list.id != "LIST" || (list.listType != "lart" && list.listType != "lar2")) {
            continue;
        }
        std::vector<Chunk> arts;
        if (!childrenOf(list.data, list.size, arts, problem)) {
            return false;
        }
        for (const Chunk& art : arts) {
            if (art.id == "art1" || art.id == "art2") {
                articulated = true;
                if (!readConnections(art, out, problem)) {
                    return false;
                }
            }
        }
    }
    return true;
}

void readPlayback(const Chunk& chunk, DlsPlayback& playback) {
    ByteCursor cursor = cursorOf(chunk);
    const std::uint32_t headerSize = cursor.u32le();
    const int unity = cursor.u16le();
    const auto fineTune = static_cast<std::int16_t>(cursor.u16le());
    const auto gain = static_cast<std::int32_t>(cursor.u32le());
    cursor.u32le(); // options
    const std::uint32_t loops = cursor.u32le();
    if (!cursor.ok() || headerSize < 20 || headerSize > chunk.size) {
        return; // too short to say anything: the wave plays as it is
    }
    playback.present = true;
    playback.unityNote = unity & 0x7F;
    playback.fineTuneCents = fineTune;
    playback.gain = gain;
    playback.looped = false;
    cursor = cursorOf(chunk);
    cursor.skip(headerSize);
    if (loops == 0) {
        return;
    }
    const std::uint32_t loopSize = cursor.u32le();
    const std::uint32_t type = cursor.u32le();
    playback.loopStart = cursor.u32le();
    playback.loopLength = cursor.u32le();
    playback.looped = cursor.ok() && loopSize >= 16 && playback.loopLength > 0 &&
                      (type == kLoopForward || type == kLoopRelease);
    playback.loopEndsAtRelease = type == kLoopRelease;
}

bool readRegion(const Chunk& list, DlsRegionInfo& region, std::string& problem) {
    std::vector<Chunk> chunks;
    if (!childrenOf(list.data, list.size, chunks, problem)) {
        return false;
    }
    const Chunk* header = find(chunks, "rgnh");
    const Chunk* link = find(chunks, "wlnk");
    if (header == nullptr || link == nullptr) {
        problem = "a region lacks its header or wave link";
        return false;
    }
    ByteCursor h = cursorOf(*header);
    region.lowKey = h.u16le();
    region.highKey = h.u16le();
    region.lowVelocity = h.u16le();
    region.highVelocity = h.u16le();
    h.skip(2); // options
    region.keyGroup = h.u16le();
    ByteCursor l = cursorOf(*link);
    l.skip(8); // options, phase group, channel
    region.cue = l.u32le();
    if (!h.ok() || !l.ok()) {
        problem = "a region's header or wave link is cut short";
        return false;
    }
    // Level 1 banks leave the velocity range empty: it is not used there.
    if (region.highVelocity == 0 || region.lowVelocity > region.highVelocity) {
        region.lowVelocity = 0;
        region.highVelocity = 127;
    }
    if (const Chunk* playback = find(chunks, "wsmp")) {
        readPlayback(*playback, region.playback);
    }
    return readArticulation(chunks, region.articulated, region.connections, problem);
}

bool readInstrument(const Chunk& list, DlsInstrumentInfo& instrument, std::string& problem) {
    std::vector<Chunk> chunks;
    if (!childrenOf(list.data, list.size, chunks, problem)) {
        return false;
    }
    const Chunk* header = find(chunks, "insh");
    if (header == nullptr) {
        problem = "an instrument lacks its header";
        return false;
    }
    ByteCursor h = cursorOf(*header);
    h.u32le(); // region count: the region list itself says
    const std::uint32_t bank = h.u32le();
    const std::uint32_t program = h.u32le();
    if (!h.ok()) {
        problem = "an instrument header is cut short";
        return false;
    }
    instrument.bank = (bank & kDrumFlag) != 0 ? 128 : static_cast<int>((bank >> 8) & 0x7F);
    instrument.program = static_cast<int>(program & 0x7F);
    if (const Chunk* info = find(chunks, "LIST", "INFO")) {
        std::vector<Chunk> fields;
        if (childrenOf(info->data, info->size, fields, problem)) {
            if (const Chunk* name = find(fields, "INAM")) {
                instrument.name.assign(
                    reinterpret_cast<const char*>(name->data),
                    strnlen(reinterpret_cast<const char*>(name->data), name->size));
            }
        }
    }
    const Chunk* regions = find(chunks, "LIST", "lrgn");
    std::vector<Chunk> regionLists;
    if (regions != nullptr && !childrenOf(regions->data, regions->size, regionLists, problem)) {
        return false;
    }
    for (const Chunk& region : regionLists) {
        if (region.id == "LIST" && (region.listType == "rgn " || region.listType == "rgn2")) {
            instrument.regions.emplace_back();
            if (!readRegion(region, instrument.regions.back(), problem)) {
                return false;
            }
        }
    }
    return readArticulation(chunks, instrument.articulated, instrument.connections, problem);
}

bool readWave(const Chunk& list, DlsWaveInfo& wave, std::string& problem) {
    std::vector<Chunk> chunks;
    if (!childrenOf(list.data, list.size, chunks, problem)) {
        return false;
    }
    const Chunk* format = find(chunks, "fmt ");
    const Chunk* data = find(chunks, "data");
    if (format == nullptr || data == nullptr) {
        problem = "a wave lacks its format or data";
        return false;
    }
    ByteCursor f = cursorOf(*format);
    const std::uint16_t tag = f.u16le();
    const int channels = f.u16le();
    const std::uint32_t rate = f.u32le();
    f.u32le(); // bytes per second
    const int blockAlign = f.u16le();
    const int bits = f.u16le();
    const int sampleBytes = bits / 8;
    if (!f.ok() || tag != 1 || (bits != 8 && bits != 16) || channels < 1 ||
        blockAlign < channels * sampleBytes || rate < 1000 || rate > 384000) {
        problem = "a wave is not 8- or 16-bit PCM at 1 to 384 kHz";
        return false;
    }
    wave.sampleRate = static_cast<int>(rate);
    const std::size_t frames = data->size / static_cast<std::size_t>(blockAlign);
    wave.samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint8_t* at = data->data + i * static_cast<std::size_t>(blockAlign);
        wave.samples[i] = bits == 8 ? static_cast<std::int16_t>((at[0] - 128) * 256)
                                    : static_cast<std::int16_t>(at[0] | (at[1] << 8));
    }
    if (const Chunk* playback = find(chunks, "wsmp")) {
        readPlayback(*playback, wave.playback);
    }
    return true;
}

bool readWaves(const Chunk& poolTable, const Chunk& wavePool, DlsBankInfo& bank,
               std::string& problem) {
    std::vector<Chunk> waves;
    if (!childrenOf(wavePool.data, wavePool.size, waves, problem)) {
        return false;
    }
    std::map<std::size_t, const Chunk*> byOffset;
    for (const Chunk& wave : waves) {
        if (wave.id == "LIST" && wave.listType == "wave") {
            byOffset[wave.offset] = &wave;
        }
    }
    ByteCursor table = cursorOf(poolTable);
    const std::uint32_t headerSize = table.u32le();
    const std::uint32_t cues = table.u32le();
    if (!table.ok() || headerSize < 8 || headerSize > poolTable.size ||
        cues > (poolTable.size - headerSize) / 4) {
        problem = "the pool table is malformed";
        return false;
    }
    table.skip(headerSize - 8);
    // Cues that share a wave share its decoded samples too.
    std::map<std::size_t, std::size_t> decoded;
    for (std::uint32_t i = 0; i < cues; ++i) {
        const std::uint32_t offset = table.u32le();
        const auto wave = byOffset.find(offset);
        if (wave == byOffset.end()) {
            problem = "pool table entry " + std::to_string(i) + " points at no wave";
            return false;
        }
        const auto known = decoded.find(offset);
        if (known != decoded.end()) {
            bank.cueWaves.push_back(known->second);
            continue;
        }
        bank.waves.emplace_back();
        if (!readWave(*wave->second, bank.waves.back(), problem)) {
            return false;
        }
        decoded[offset] = bank.waves.size() - 1;
        bank.cueWaves.push_back(bank.waves.size() - 1);
    }
    return true;
}

} // namespace

bool readDlsBank(const std::uint8_t* data, std::size_t size, DlsBankInfo& bank,
                 std::string& problem) {
    ByteCursor cursor(data, size);
    const bool riff = cursor.tag("RIFF");
    const std::uint32_t length = cursor.u32le();
    const bool dls = cursor.tag("DLS ");
    if (!cursor.ok() || !riff || !dls || length < 4 || length - 4 > cursor.remaining()) {
        problem = "not a DLS sound bank";
        return false;
    }
    std::vector<Chunk> top;
    if (!childrenOf(cursor.here(), length - 4, top, problem)) {
        return false;
    }
    const Chunk* instruments = find(top, "LIST", "lins");
    const Chunk* poolTable = find(top, "ptbl");
    const Chunk* wavePool = find(top, "LIST", "wvpl");
    if (instruments == nullptr || poolTable == nullptr || wavePool == nullptr) {
        problem = "the bank lacks its instrument list, pool table or wave pool";
        return false;
    }
    if (!readWaves(*poolTable, *wavePool, bank, problem)) {
        return false;
    }
    std::vector<Chunk> lists;
    if (!childrenOf(instruments->data, instruments->size, lists, problem)) {
        return false;
    }
    for (const Chunk& list : lists) {
        if (list.id == "LIST" && list.listType == "ins ") {
            bank.instruments.emplace_back();
            if (!readInstrument(list, bank.instruments.back(), problem)) {
                return false;
            }
            for (const DlsRegionInfo& region : bank.instruments.back().regions) {
                if (region.cue >= bank.cueWaves.size()) {
                    problem = "instrument \"" + bank.instruments.back().name + "\" plays wave " +
                              std::to_string(region.cue) + ", which the pool lacks";
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace soundlib
