// Settings, drivers, Init/Update and sound bookkeeping of a system.
#include "System.h"

#include "Diagnostics.h"
#include "Handles.h"
#include "SdlOutput.h"
#include "SoundLoader.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace soundlib {

namespace {

constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;
constexpr const char* kDefaultBank = "gm.dls";
// Sounds read from a path are refused above this size.
constexpr std::streamoff kMaxSoundFileBytes = 1ll << 30;

bool isPowerOfTwo(unsigned int value) {
    return value != 0 && (value & (value - 1)) == 0;
}

FMOD_RESULT readSoundFile(const char* path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        reportProblem(path, "sound file not found");
        return FMOD_ERR_FILE_NOTFOUND;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kMaxSoundFileBytes) {
        reportProblem(path, "sound file cannot be read whole");
        return FMOD_ERR_FILE_BAD;
    }
    bytes.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        reportProblem(path, "sound file cannot be read");
        return FMOD_ERR_FILE_BAD;
    }
    return FMOD_OK;
}

} // namespace

System::~System() {
    // The output stops first, so nothing mixes while sounds go away.
    output_.reset();
    mixer_.reset();
    for (Sound* sound : sounds_) {
        unregisterSound(sound);
        delete sound;
    }
}

FMOD_RESULT System::numDrivers(int& count) {
    if (!usesSdl()) {
        count = 1;
        return FMOD_OK;
    }
    if (driverCount_ < 0) {
        driverCount_ = SdlOutput::countDrivers(mixRate_, outputChannelCount(), bufferFrames_);
    }
    count = driverCount_;
    return FMOD_OK;
}

FMOD_RESULT System::driverCaps(int id, FMOD_CAPS* caps, int* minFrequency, int* maxFrequency,
                               FMOD_SPEAKERMODE* speakerMode) {
    int count = 0;
    numDrivers(count);
    if (id < 0 || id >= count) {
        return FMOD_ERR_INVALID_DRIVER;
    }
    if (caps != nullptr) {
        *caps = usesSdl() ? FMOD_CAPS_HARDWARE_EMULATED : FMOD_CAPS_NONE;
    }
    if (minFrequency != nullptr) {
        *minFrequency = kMinRate;
    }
    if (maxFrequency != nullptr) {
        *maxFrequency = kMaxRate;
    }
    if (speakerMode != nullptr) {
        *speakerMode = FMOD_SPEAKERMODE_STEREO;
    }
    return FMOD_OK;
}

FMOD_RESULT System::driverInfo(int id, char* name, int nameLength, FMOD_GUID* guid) {
    int count = 0;
    numDrivers(count);
    if (id < 0 || id >= count) {
        return FMOD_ERR_INVALID_DRIVER;
    }
    if (name != nullptr && nameLength > 0) {
        const std::string text = usesSdl() ? SdlOutput::driverName() : "No sound";
        std::snprintf(name, static_cast<std::size_t>(nameLength), "%s", text.c_str());
    }
    if (guid != nullptr) {
        std::memset(guid, 0, sizeof *guid);
    }
    return FMOD_OK;
}

FMOD_RESULT System::setOutput(FMOD_OUTPUTTYPE output) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    if (output != FMOD_OUTPUTTYPE_AUTODETECT && output != FMOD_OUTPUTTYPE_NOSOUND &&
        output != FMOD_OUTPUTTYPE_SDL) {
        return FMOD_ERR_INVALID_PARAM;
    }
    outputType_ = output;
    return FMOD_OK;
}

FMOD_RESULT System::setSpeakerMode(FMOD_SPEAKERMODE mode) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    if (mode < FMOD_SPEAKERMODE_RAW || mode > FMOD_SPEAKERMODE_7POINT1) {
        return FMOD_ERR_INVALID_PARAM;
    }
    speakerMode_ = mode;
    return FMOD_OK;
}

FMOD_RESULT System::setDspBufferSize(unsigned int bufferLength, int bufferCount) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    if (!isPowerOfTwo(bufferLength) || bufferLength < 64 || bufferLength > 16384 ||
        bufferCount < 1 || bufferCount > 64) {
        return FMOD_ERR_INVALID_PARAM;
    }
    bufferFrames_ = static_cast<int>(bufferLength);
    return FMOD_OK;
}

FMOD_RESULT System::setSoftwareFormat(int rate, FMOD_SOUND_FORMAT format, int outputChannels) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    if (rate < kMinRate || rate > kMaxRate ||
        (format != FMOD_SOUND_FORMAT_PCM16 && format != FMOD_SOUND_FORMAT_PCMFLOAT) ||
        outputChannels < 0 || outputChannels > 2) {
        return FMOD_ERR_INVALID_PARAM;
    }
    mixRate_ = rate;
    forcedOutputChannels_ = outputChannels;
    return FMOD_OK;
}

FMOD_RESULT System::setClock(soundlib_CLOCK clock, void* user) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    clock_ = Clock{clock, user};
    return FMOD_OK;
}

FMOD_RESULT System::setMixTap(soundlib_MIXTAP tap, void* user) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    tap_ = tap;
    tapUser_ = user;
    return FMOD_OK;
}

int System::outputChannelCount() const {
    if (forcedOutputChannels_ != 0) {
        return forcedOutputChannels_;
    }
    return speakerMode_ == FMOD_SPEAKERMODE_MONO ? 1 : 2;
}

FMOD_RESULT System::init(int maxChannels) {
    if (mixer_ != nullptr) {
        return FMOD_ERR_INITIALIZED;
    }
    if (maxChannels < 1 || maxChannels > kMaxChannels) {
        return FMOD_ERR_TOOMANYCHANNELS;
    }
    if (speakerMode_ != FMOD_SPEAKERMODE_MONO && speakerMode_ != FMOD_SPEAKERMODE_STEREO) {
        return FMOD_ERR_OUTPUT_CREATEBUFFER;
    }
    auto mixer = std::make_unique<Mixer>(maxChannels, mixRate_, outputChannelCount());
    mixer->setTap(tap_, tapUser_);
    if (usesSdl()) {
        FMOD_RESULT result = FMOD_OK;
        output_ = SdlOutput::open(*mixer, mixRate_, outputChannelCount(), bufferFrames_, result);
        if (output_ == nullptr) {
            return result;
        }
    } else {
        output_ = std::make_unique<NoSoundOutput>(*mixer, mixRate_, clock_);
    }
    mixer_ = std::move(mixer);
    return FMOD_OK;
}

FMOD_RESULT System::update() {
    if (output_ == nullptr) {
        return FMOD_ERR_UNINITIALIZED;
    }
    return output_->update();
}

FMOD_RESULT System::createSound(const char* nameOrData, FMOD_MODE mode,
                                const FMOD_CREATESOUNDEXINFO* exinfo, Sound*& sound) {
    if (mixer_ == nullptr) {
        return FMOD_ERR_UNINITIALIZED;
    }
    if (nameOrData == nullptr ||
        (exinfo != nullptr && exinfo->cbsize != static_cast<int>(sizeof *exinfo))) {
        return FMOD_ERR_INVALID_PARAM;
    }
    SoundRequest request;
    if ((mode & FMOD_OPENMEMORY) != 0) {
        if (exinfo == nullptr || exinfo->length == 0) {
            return FMOD_ERR_INVALID_PARAM;
        }
        request.data = reinterpret_cast<const std::uint8_t*>(nameOrData);
        request.size = exinfo->length;
    } else {
        const FMOD_RESULT read = readSoundFile(nameOrData, request.ownedBytes);
        if (read != FMOD_OK) {
            return read;
        }
        request.data = request.ownedBytes.data();
        request.size = request.ownedBytes.size();
    }
    request.stream = (mode & FMOD_CREATESTREAM) != 0;
    request.loops = (mode & FMOD_LOOP_NORMAL) != 0 && (mode & FMOD_LOOP_OFF) == 0;
    request.bankPath =
        exinfo != nullptr && exinfo->dlsname != nullptr ? exinfo->dlsname : kDefaultBank;
    const std::string what = (mode & FMOD_OPENMEMORY) != 0 ? "sound data in memory" : nameOrData;
    std::unique_ptr<Sound> created;
    std::string problem;
    const FMOD_RESULT result = loadSound(*this, std::move(request), created, problem);
    // A sound made from damaged data is reported as well as a refused one.
    if (!problem.empty()) {
        reportProblem(what, problem);
    }
    if (result != FMOD_OK) {
        return result;
    }
    sound = created.release();
    sounds_.insert(sound);
    registerSound(sound);
    return FMOD_OK;
}

void System::releaseSound(Sound* sound) {
    mixer_->stopChannelsOf(*sound);
    sounds_.erase(sound);
    unregisterSound(sound);
    delete sound;
}

FMOD_RESULT System::playSound(int channelIndex, Sound& sound, bool paused, FMOD_CHANNEL*& channel) {
    if (mixer_ == nullptr) {
        return FMOD_ERR_UNINITIALIZED;
    }
    ChannelRef ref;
    ref.systemSlot = slot_;
    const FMOD_RESULT result =
        mixer_->play(channelIndex, sound, paused, ref.channel, ref.generation);
    if (result == FMOD_OK) {
        channel = encodeChannel(ref);
    }
    return result;
}

} // namespace soundlib
