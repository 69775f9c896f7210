// SDL audio device handling. SDL 1.2 has one audio device per process, so
// only one system at a time can hold it.
#include "SdlOutput.h"

#include "Diagnostics.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace soundlib {

namespace {

std::atomic<bool> deviceHeld{false};

// Brings the audio subsystem up if nobody has; true in `owned` when we did.
bool acquireSubsystem(bool& owned) {
    owned = false;
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    owned = true;
    return true;
}

void releaseSubsystem(bool owned) {
    if (owned && SDL_WasInit(SDL_INIT_AUDIO) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

SDL_AudioSpec deviceSpec(int mixRate, int channels, int bufferFrames, void* user,
                         void (*callback)(void*, Uint8*, int)) {
    SDL_AudioSpec spec{};
    spec.freq = mixRate;
    spec.format = AUDIO_S16SYS;
    spec.channels = static_cast<Uint8>(channels);
    spec.samples = static_cast<Uint16>(bufferFrames);
    spec.callback = callback;
    spec.userdata = user;
    return spec;
}

void silence(void*, Uint8* stream, int length) {
    std::fill_n(stream, length, Uint8{0});
}

std::int16_t toSample(float value) {
    const float clipped = std::max(-1.0f, std::min(1.0f, value));
    return static_cast<std::int16_t>(std::lrint(clipped * 32767.0f));
}

} // namespace

int SdlOutput::countDrivers(int mixRate, int channels, int bufferFrames) {
    if (deviceHeld) {
        return 1;
    }
    bool owned = false;
    if (!acquireSubsystem(owned)) {
        return 0;
    }
    SDL_AudioSpec probe = deviceSpec(mixRate, channels, bufferFrames, nullptr, silence);
    const bool opens = SDL_OpenAudio(&probe, nullptr) == 0;
    if (opens) {
        SDL_CloseAudio();
    }
    releaseSubsystem(owned);
    return opens ? 1 : 0;
}

std::string SdlOutput::driverName() {
    bool owned = false;
    char name[64] = "unknown";
    if (acquireSubsystem(owned)) {
        if (SDL_AudioDriverName(name, sizeof name) == nullptr) {
            std::snprintf(name, sizeof name, "unknown");
        }
        releaseSubsystem(owned);
    }
    return std::string("SDL audio (") + name + ")";
}

std::unique_ptr<SdlOutput> SdlOutput::open(Mixer& mixer, int mixRate, int channels,
                                           int bufferFrames, FMOD_RESULT& result) {
    if (deviceHeld.exchange(true)) {
        reportProblem("SDL audio", "the device is already held by another sound system");
        result = FMOD_ERR_OUTPUT_INIT;
        return nullptr;
    }
    bool owned = false;
    if (!acquireSubsystem(owned)) {
        reportProblem("SDL audio", std::string("cannot start: ") + SDL_GetError());
        deviceHeld = false;
        result = FMOD_ERR_OUTPUT_INIT;
        return nullptr;
    }
    std::unique_ptr<SdlOutput> output(new SdlOutput(mixer, owned));
    output->block_.resize(static_cast<std::size_t>(bufferFrames * channels));
    SDL_AudioSpec spec = deviceSpec(mixRate, channels, bufferFrames, output.get(), fill);
    if (SDL_OpenAudio(&spec, nullptr) != 0) {
        reportProblem("SDL audio", std::string("cannot open the device: ") + SDL_GetError());
        releaseSubsystem(owned);
        output->ownsSubsystem_ = false;
        result = FMOD_ERR_OUTPUT_INIT;
        return nullptr;
    }
    SDL_PauseAudio(0);
    result = FMOD_OK;
    return output;
}

SdlOutput::~SdlOutput() {
    // After SDL_Quit the device is closed and its thread has ended already.
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
        SDL_CloseAudio();
    }
    releaseSubsystem(ownsSubsystem_);
    deviceHeld = false;
}

FMOD_RESULT SdlOutput::update() {
    return SDL_WasInit(SDL_INIT_AUDIO) != 0 ? FMOD_OK : FMOD_ERR_OUTPUT_DRIVERCALL;
}

void SdlOutput::fill(void* user, unsigned char* stream, int length) {
    SdlOutput& self = *static_cast<SdlOutput*>(user);
    const int channels = self.mixer_.outputChannels();
    const int blockFrames = static_cast<int>(self.block_.size()) / channels;
    std::int16_t* out = reinterpret_cast<std::int16_t*>(stream);
    int frames = length / static_cast<int>(sizeof(std::int16_t) * channels);
    while (frames > 0) {
        const int count = std::min(frames, blockFrames);
        self.mixer_.render(self.block_.data(), count);
        for (int i = 0; i < count * channels; ++i) {
            *out++ = toSample(self.block_[static_cast<std::size_t>(i)]);
        }
        frames -= count;
    }
}

} // namespace soundlib
