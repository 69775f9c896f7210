// End to end through SDL's audio device: the driver count the engine sees,
// the mix landing in the file of SDL's "disk" driver, the engine's teardown
// order, where all of SDL quits before the sound system goes, and the game
// thread driving channels while SDL's audio thread mixes them. The test
// script builds these under ThreadSanitizer, where any unguarded access
// between the two threads is reported.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class DiskDriver : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = ::testing::TempDir() + "soundlib_disk_" + std::to_string(getpid()) + ".raw";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
        // The disk driver waits between buffers like a sound card.
        setenv("SDL_DISKAUDIODELAY", "2", 1);
        // The engine's window comes first.
        ASSERT_EQ(SDL_Init(SDL_INIT_NOPARACHUTE), 0);
        ASSERT_EQ(FMOD_System_Create(&system_), FMOD_OK);
    }
    void TearDown() override {
        if (system_ != nullptr) {
            EXPECT_EQ(FMOD_System_Release(system_), FMOD_OK);
        }
        SDL_Quit();
        std::remove(path_.c_str());
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }

    // What the device played: the disk driver writes its native 16-bit frames.
    std::vector<float> deviceOutput() const {
        std::ifstream file(path_, std::ios::binary | std::ios::ate);
        std::vector<std::int16_t> raw(static_cast<std::size_t>(file.tellg()) / 2);
        file.seekg(0).read(reinterpret_cast<char*>(raw.data()),
                           static_cast<std::streamsize>(raw.size() * 2));
        std::vector<float> frames(raw.size());
        std::transform(raw.begin(), raw.end(), frames.begin(), [](auto s) { return s / 32768.0f; });
        return frames;
    }

    std::string path_;
    FMOD_SYSTEM* system_ = nullptr;
};

// The engine's teardown quits all of SDL before it releases the sound
// system: the device is gone, the calls still answer.
TEST_F(DiskDriver, StereoSoundAtPanHalfLandsInTheFileAndSdlMayQuitFirst) {
    ASSERT_EQ(FMOD_System_SetDSPBufferSize(system_, 1024, 10), FMOD_OK);
    ASSERT_EQ(FMOD_System_Init(system_, 100, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    const Bytes wav =
        encodeWav(sineWave(440.0, 0.3, 44100, 2, 0.5f), 2, 44100, WavSampleFormat::Pcm16);
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(createSoundFromMemory(system_, wav, FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = nullptr;
    ASSERT_EQ(FMOD_System_PlaySound(system_, FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPan(channel, 0.5f), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    // Until it has played out on the device's own clock (20 s at most).
    FMOD_BOOL playing = 1;
    for (int wait = 0; wait < 4000 && playing; ++wait) {
        ASSERT_EQ(FMOD_System_Update(system_), FMOD_OK);
        ASSERT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
        SDL_Delay(5);
    }
    ASSERT_FALSE(playing);
    SDL_Quit();
    EXPECT_EQ(FMOD_System_Update(system_), FMOD_ERR_OUTPUT_DRIVERCALL);
    EXPECT_EQ(FMOD_Sound_Release(sound), FMOD_OK);
    EXPECT_EQ(FMOD_System_Release(system_), FMOD_OK);
    system_ = nullptr;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    const std::vector<float> frames = deviceOutput();
    const std::vector<float> right = channelOf(frames, 2, 1);
    EXPECT_NEAR(static_cast<double>(audibleFrames(right, 0.01f)), 0.3 * 48000, 0.01 * 48000);
    EXPECT_NEAR(peakOf(right), 0.5, 0.01);
    EXPECT_NEAR(peakOf(channelOf(frames, 2, 0)), 0.25, 0.01);
}

// SDL's device is one driver that one system holds at a time; a second
// system falls back on the no-sound output, which has one driver too.
TEST_F(DiskDriver, IsOneNamedDriverThatOnlyOneSystemHoldsAndNoSoundIsTheFallBack) {
    int drivers = 0;
    ASSERT_EQ(FMOD_System_GetNumDrivers(system_, &drivers), FMOD_OK);
    EXPECT_EQ(drivers, 1);
    char name[256] = {};
    ASSERT_EQ(FMOD_System_GetDriverInfo(system_, 0, name, sizeof name, nullptr), FMOD_OK);
    EXPECT_STREQ(name, "SDL audio (disk)");
    ASSERT_EQ(FMOD_System_Init(system_, 8, FMOD_INIT_NORMAL, nullptr), FMOD_OK);

    FMOD_SYSTEM* second = nullptr;
    ASSERT_EQ(FMOD_System_Create(&second), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(second, 8, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_OUTPUT_INIT);
    EXPECT_EQ(FMOD_System_SetOutput(second, FMOD_OUTPUTTYPE_NOSOUND), FMOD_OK);
    ASSERT_EQ(FMOD_System_GetNumDrivers(second, &drivers), FMOD_OK);
    EXPECT_EQ(drivers, 1);
    std::memset(name, 'x', 5);
    ASSERT_EQ(FMOD_System_GetDriverInfo(second, 0, name, 4, nullptr), FMOD_OK);
    EXPECT_STREQ(name, "No ") << "\"No sound\" cut to the caller's buffer";
    EXPECT_EQ(name[4], 'x');
    EXPECT_EQ(FMOD_System_GetDriverInfo(second, 1, name, 4, nullptr), FMOD_ERR_INVALID_DRIVER);
    EXPECT_EQ(FMOD_System_Init(second, 8, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    EXPECT_EQ(FMOD_System_Release(second), FMOD_OK);
}

// A hundred channels started, moved, paused and told to end from the game
// thread while the device mixes on its own; in the plain build this checks
// that the mix goes on and every call keeps answering.
TEST_F(DiskDriver, HundredChannelsDrivenFromTheGameThreadWhileSdlMixes) {
    constexpr int kChannels = 100;
    ASSERT_EQ(FMOD_System_SetDSPBufferSize(system_, 256, 4), FMOD_OK);
    ASSERT_EQ(FMOD_System_Init(system_, kChannels, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    const Bytes wav =
        encodeWav(sineWave(330.0, 0.2, 22050, 2, 0.2f), 2, 22050, WavSampleFormat::Pcm16);
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(createSoundFromMemory(system_, wav, FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound),
              FMOD_OK);
    std::vector<FMOD_CHANNEL*> channels(kChannels, nullptr);
    for (int round = 0; round < 40; ++round) {
        for (int i = 0; i < kChannels; ++i) {
            FMOD_CHANNEL*& channel = channels[static_cast<std::size_t>(i)];
            if ((round + i) % 4 == 0) {
                ASSERT_EQ(FMOD_System_PlaySound(system_, FMOD_CHANNEL_FREE, sound, false, &channel),
                          FMOD_OK);
            } else if (channel != nullptr) {
                FMOD_BOOL playing = 0;
                EXPECT_EQ(FMOD_Channel_SetPan(channel, (i % 21 - 10) / 10.0f), FMOD_OK);
                EXPECT_EQ(FMOD_Channel_SetVolume(channel, (i % 10) / 10.0f), FMOD_OK);
                EXPECT_EQ(FMOD_Channel_SetPaused(channel, round % 8 < 4), FMOD_OK);
                EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
                // The engine has no stop call: a channel told to play its
                // pass out ends on the audio thread.
                EXPECT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
            }
        }
        EXPECT_EQ(FMOD_System_Update(system_), FMOD_OK);
        SDL_Delay(1);
    }
    // Releasing the sound stops its channels while the device still mixes.
    EXPECT_EQ(FMOD_Sound_Release(sound), FMOD_OK);
    EXPECT_EQ(FMOD_System_Release(system_), FMOD_OK);
    system_ = nullptr;
    SDL_Quit(); // closes the device's file
    EXPECT_FALSE(deviceOutput().empty()) << "the device mixed nothing";
}

// (The no-sound output it falls back on is tried beside a held device.)
TEST(NoDriver, UnopenableDeviceCountsAsNoDriverAndLeavesSdlAudioClosed) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    FMOD_SYSTEM* system = nullptr;
    ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
    int drivers = -1;
    ASSERT_EQ(FMOD_System_GetNumDrivers(system, &drivers), FMOD_OK);
    EXPECT_EQ(drivers, 0);
    EXPECT_EQ(FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_OUTPUT_INIT);
    EXPECT_EQ(FMOD_System_Release(system), FMOD_OK);
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
