// The game thread starting, moving, pausing and stopping channels while
// SDL's audio thread mixes them (with SDL's "disk" driver, which runs the
// mix on its own thread as a sound card would). Built under ThreadSanitizer
// by the test script, where any unguarded access between the two threads is
// reported; in the plain build it checks that the mix goes on and every
// call keeps answering.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int CHANNELS = 100;
constexpr int ROUNDS = 40;

TEST(Threading, HundredChannelsDrivenFromTheGameThreadWhileSdlMixes) {
    const std::string path =
        ::testing::TempDir() + "soundlib_threads_" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    // The disk driver waits between buffers like a sound card.
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_NOPARACHUTE), 0);
    FMOD_SYSTEM* system = nullptr;
    ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
    ASSERT_EQ(FMOD_System_SetDSPBufferSize(system, 256, 4), FMOD_OK);
    ASSERT_EQ(FMOD_System_Init(system, CHANNELS, FMOD_INIT_NORMAL, nullptr), FMOD_OK);

    const Bytes wav =
        encodeWav(sineWave(330.0, 0.2, 22050, 2, 0.2f), 2, 22050, WavSampleFormat::Pcm16);
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(createSoundFromMemory(system, wav, FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound),
              FMOD_OK);

    std::vector<FMOD_CHANNEL*> channels(CHANNELS, nullptr);
    for (int round = 0; round < ROUNDS; ++round) {
        for (int i = 0; i < CHANNELS; ++i) {
            FMOD_CHANNEL*& channel = channels[i];
            switch ((round + i) % 4) {
            case 0:
                ASSERT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, false, &channel),
                          FMOD_OK);
                break;
            case 1:
                if (channel != nullptr) {
                    EXPECT_EQ(FMOD_Channel_SetPan(channel, (i % 21 - 10) / 10.0f), FMOD_OK);
                    EXPECT_EQ(FMOD_Channel_SetVolume(channel, (i % 10) / 10.0f), FMOD_OK);
                }
                break;
            case 2:
                if (channel != nullptr) {
                    EXPECT_EQ(FMOD_Channel_SetPaused(channel, round % 8 < 4), FMOD_OK);
                }
                break;
            default:
                if (channel != nullptr) {
                    FMOD_BOOL playing = 0;
                    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
                    // The engine has no stop call: a channel told to play its
                    // pass out ends on the audio thread.
                    EXPECT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
                }
                break;
            }
        }
        EXPECT_EQ(FMOD_System_Update(system), FMOD_OK);
        SDL_Delay(1);
    }
    // Releasing the sound stops its channels while the device still mixes.
    EXPECT_EQ(FMOD_Sound_Release(sound), FMOD_OK);
    EXPECT_EQ(FMOD_System_Release(system), FMOD_OK);
    SDL_Quit();

    std::FILE* mixed = std::fopen(path.c_str(), "rb");
    ASSERT_NE(mixed, nullptr);
    std::fseek(mixed, 0, SEEK_END);
    EXPECT_GT(std::ftell(mixed), 0) << "the device mixed nothing";
    std::fclose(mixed);
    std::remove(path.c_str());
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
}

} // namespace
