// The process-wide pool of FluidSynth synths, and the routing of FluidSynth's
// log into our own handler. A bank reaches a synth as the SoundFont image of
// what our own reader made of it: FluidSynth never parses the file itself.
#include "SynthPool.h"

#include "DlsBank.h"
#include "DlsCheck.h"
#include "MemoryFonts.h"
#include "SoundFontImage.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

#include <sys/stat.h>

namespace soundlib {

namespace {

// Headroom for full songs with loud banks: sixteen channels each holding a
// note at full velocity, volume and expression, with drums, peak at about
// 0.7 of full scale with the generated bank (samples peaking at 0.8). The
// synthesizer's own default lets dense songs clip.
constexpr double kSynthGain = 0.1;

// Larger banks are refused rather than read into memory for checking.
constexpr long long kMaxBankBytes = 256ll * 1024 * 1024;

struct PoolEntry {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    bool lent = false;
    std::string bankKey;
    int fontId = -1;
};

std::mutex& poolMutex() {
    static std::mutex mutex;
    return mutex;
}

// Synths are deleted only when the process ends.
struct Pool {
    std::vector<PoolEntry> entries;
    Pool() = default;
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;
    ~Pool() {
        for (PoolEntry& entry : entries) {
            delete_fluid_synth(entry.synth);
            delete_fluid_settings(entry.settings);
        }
    }
};

std::vector<PoolEntry>& pool() {
    static Pool instance;
    return instance.entries;
}

// The synth may log from the audio thread while a bank loads on the main one.
std::mutex& messageMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& lastSynthMessage() {
    static std::string message;
    return message;
}

void keepSynthMessage(int level, const char* message, void*) {
    if (level <= FLUID_ERR && message != nullptr) {
        std::lock_guard<std::mutex> lock(messageMutex());
        lastSynthMessage() = message;
    }
}

void clearSynthMessage() {
    std::lock_guard<std::mutex> lock(messageMutex());
    lastSynthMessage().clear();
}

std::string takeSynthMessage() {
    std::lock_guard<std::mutex> lock(messageMutex());
    return lastSynthMessage();
}

void routeSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
            fluid_set_log_function(level, keepSynthMessage, nullptr);
        }
    });
}

bool createSynth(PoolEntry& entry) {
    entry.settings = new_fluid_settings();
    if (entry.settings == nullptr) {
        return false;
    }
    fluid_settings_setnum(entry.settings, "synth.sample-rate", kSynthRate);
    // One thread: the synth renders inside our mixer, which has its own.
    fluid_settings_setint(entry.settings, "synth.cpu-cores", 1);
    fluid_settings_setnum(entry.settings, "synth.gain", kSynthGain);
    fluid_settings_setint(entry.settings, "synth.chorus.active", 0);
    // The player must follow the frames we render, not the wall clock.
    fluid_settings_setstr(entry.settings, "player.timing-source", "sample");
    // A reset at a loop's seam would cut the ringing notes off with a click.
    fluid_settings_setint(entry.settings, "player.reset-synth", 0);
    entry.synth = new_fluid_synth(entry.settings);
    if (entry.synth == nullptr) {
        delete_fluid_settings(entry.settings);
        entry.settings = nullptr;
        return false;
    }
    addMemoryFontLoader(entry.settings, entry.synth);
    return true;
}

// Which bank file this is: its path, size and modification time.
FMOD_RESULT identifyBank(const std::string& path, std::string& key, std::string& problem) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        problem = "sound bank not found";
        return FMOD_ERR_FILE_NOTFOUND;
    }
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxBankBytes) {
        problem = "not a regular file of a sound bank's size";
        return FMOD_ERR_FILE_BAD;
    }
    key = path + '\n' + std::to_string(info.st_size) + '\n' + std::to_string(info.st_mtim.tv_sec) +
          '.' + std::to_string(info.st_mtim.tv_nsec);
    return FMOD_OK;
}

// The bank file, checked, read and turned into a SoundFont image.
bool convertBank(const std::string& path, std::vector<std::uint8_t>& image, std::string& problem) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        problem = "cannot be read";
        return false;
    }
    DlsBankInfo bank;
    return checkDlsBank(bytes.data(), bytes.size(), problem) &&
           readDlsBank(bytes.data(), bytes.size(), bank, problem) &&
           buildSoundFont(bank, image, problem);
}

FMOD_RESULT loadBank(PoolEntry& entry, const std::string& path, const std::string& key,
                     std::string& problem) {
    std::vector<std::uint8_t> image;
    if (!convertBank(path, image, problem)) {
        return FMOD_ERR_FILE_BAD;
    }
    if (entry.fontId >= 0) {
        fluid_synth_sfunload(entry.synth, entry.fontId, 1);
        entry.fontId = -1;
        entry.bankKey.clear();
    }
    clearSynthMessage();
    const int id = loadFontFromMemory(entry.synth, image, path);
    if (id == FLUID_FAILED) {
        problem = "the synthesizer cannot load this DLS bank";
        const std::string message = takeSynthMessage();
        if (!message.empty()) {
            problem += " (" + message + ")";
        }
        return FMOD_ERR_FILE_BAD;
    }
    entry.fontId = id;
    entry.bankKey = key;
    return FMOD_OK;
}

} // namespace

SynthLease::~SynthLease() {
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_synth_system_reset(synth_);
    std::lock_guard<std::mutex> lock(poolMutex());
    pool()[static_cast<std::size_t>(entry_)].lent = false;
}

bool SynthLease::hasInstrument(int bank, int program) const {
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth_, fontId_);
    return font != nullptr && fluid_sfont_get_preset(font, bank, program) != nullptr;
}

FMOD_RESULT leaseSynth(const std::string& bankPath, std::unique_ptr<SynthLease>& lease,
                       std::string& problem) {
    routeSynthLog();
    std::string key;
    const FMOD_RESULT bankResult = identifyBank(bankPath, key, problem);
    if (bankResult != FMOD_OK) {
        return bankResult;
    }
    std::lock_guard<std::mutex> lock(poolMutex());
    int chosen = -1;
    for (std::size_t i = 0; i < pool().size(); ++i) {
        if (!pool()[i].lent && (chosen < 0 || pool()[i].bankKey == key)) {
            chosen = static_cast<int>(i);
        }
    }
    if (chosen < 0) {
        PoolEntry entry;
        if (!createSynth(entry)) {
            problem = "the synthesizer could not be created";
            return FMOD_ERR_MEMORY;
        }
        pool().push_back(entry);
        chosen = static_cast<int>(pool().size() - 1);
    }
    PoolEntry& entry = pool()[static_cast<std::size_t>(chosen)];
    if (entry.bankKey != key) {
        const FMOD_RESULT loadResult = loadBank(entry, bankPath, key, problem);
        if (loadResult != FMOD_OK) {
            return loadResult;
        }
    }
    entry.lent = true;
    lease = std::make_unique<SynthLease>(chosen, entry.synth, entry.fontId);
    return FMOD_OK;
}

} // namespace soundlib
