// What every sound fuzz target does with its input: create a sound from it
// as a sample and as a stream on a no-sound system, and if that works, play
// and mix a little of it.
#pragma once

#include "soundlib.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class FuzzHarness {
  public:
    FuzzHarness() {
        FMOD_System_Create(&system_);
        FMOD_System_SetOutput(system_, FMOD_OUTPUTTYPE_NOSOUND);
        soundlib_System_SetClock(system_, &FuzzHarness::now, this);
        FMOD_System_Init(system_, 8, FMOD_INIT_NORMAL, nullptr);
    }

    void exercise(const std::vector<std::uint8_t>& data, const char* bank) {
        for (FMOD_MODE kind : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
            FMOD_CREATESOUNDEXINFO info{};
            info.cbsize = sizeof info;
            info.length = static_cast<unsigned int>(data.size());
            info.dlsname = bank;
            FMOD_SOUND* sound = nullptr;
            if (FMOD_System_CreateSound(system_, reinterpret_cast<const char*>(data.data()),
                                        FMOD_LOOP_NORMAL | FMOD_OPENMEMORY | kind, &info,
                                        &sound) != FMOD_OK) {
                continue;
            }
            FMOD_System_PlaySound(system_, FMOD_CHANNEL_FREE, sound, false, nullptr);
            micros_ += 50000; // mix 50 ms
            FMOD_System_Update(system_);
            FMOD_Sound_Release(sound);
        }
    }

  private:
    static unsigned long long now(void* self) { return static_cast<FuzzHarness*>(self)->micros_; }
    FMOD_SYSTEM* system_ = nullptr;
    unsigned long long micros_ = 0;
};

// The input behind a fixed `magic`, so every run reaches the decoder.
inline std::vector<std::uint8_t> behindMagic(const char* magic, std::size_t magicLength,
                                             const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(magic, magic + magicLength);
    bytes.insert(bytes.end(), data, data + size);
    return bytes;
}

// "RIFF", a length the fuzzer controls, `form` ("WAVE", "DLS ") and the rest
// of the input, so every run reaches the chunk walk.
inline std::vector<std::uint8_t> riffBehind(const char* form, const std::uint8_t* data,
                                            std::size_t size) {
    std::vector<std::uint8_t> bytes = behindMagic("RIFF", 4, data, size);
    if (bytes.size() >= 8) {
        bytes.insert(bytes.begin() + 8, form, form + 4);
    }
    return bytes;
}
