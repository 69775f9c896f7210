// The system calls in the order the engine's audio start-up makes them, and
// the rules about what may be set before and after Init.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

namespace {

class SystemTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(FMOD_System_Create(&system_), FMOD_OK); }
    void TearDown() override {
        if (system_ != nullptr) {
            EXPECT_EQ(FMOD_System_Release(system_), FMOD_OK);
        }
    }
    FMOD_SYSTEM* system_ = nullptr;
};

TEST_F(SystemTest, OutOfRangeSettingsSurroundSoundsBeforeInitAndSettingsAfterInitAreRefused) {
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(createSoundFromMemory(system_, Bytes{'R', 'I', 'F', 'F'}, FMOD_DEFAULT, &sound),
              FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(FMOD_System_Update(system_), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system_, 1000, 10), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system_, 1024, 0), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetSoftwareFormat(system_, 1000, FMOD_SOUND_FORMAT_PCMFLOAT, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetSoftwareFormat(system_, 48000, FMOD_SOUND_FORMAT_PCM8, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(FMOD_System_SetOutput(system_, FMOD_OUTPUTTYPE_NOSOUND), FMOD_OK);
    ASSERT_EQ(FMOD_System_SetSpeakerMode(system_, FMOD_SPEAKERMODE_5POINT1), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system_, 100, FMOD_INIT_NORMAL, nullptr),
              FMOD_ERR_OUTPUT_CREATEBUFFER);
    ASSERT_EQ(FMOD_System_SetSpeakerMode(system_, FMOD_SPEAKERMODE_STEREO), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system_, 0, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_TOOMANYCHANNELS);
    EXPECT_EQ(FMOD_System_Init(system_, 5000, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_TOOMANYCHANNELS);
    ASSERT_EQ(FMOD_System_SetDSPBufferSize(system_, 1024, 10), FMOD_OK);
    ASSERT_EQ(FMOD_System_SetSoftwareFormat(system_, 48000, FMOD_SOUND_FORMAT_PCMFLOAT, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_OK);
    ASSERT_EQ(FMOD_System_Init(system_, 100, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system_, 100, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetOutput(system_, FMOD_OUTPUTTYPE_NOSOUND), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetSpeakerMode(system_, FMOD_SPEAKERMODE_MONO), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system_, 512, 4), FMOD_ERR_INITIALIZED);
}

TEST(SystemRelease, FreesSoundsTheCallerForgotAndForgetsTheirHandlesAndItsOwn) {
    FMOD_SOUND* sound = nullptr;
    FMOD_SYSTEM* released = nullptr;
    {
        DrivenSystem driven;
        released = driven.system();
        const Bytes wav =
            encodeWav(sineWave(440, 0.1, 22050, 1, 0.5f), 1, 22050, WavSampleFormat::Pcm16);
        sound = driven.load(wav, FMOD_CREATESAMPLE);
        driven.play(sound);
    }
    EXPECT_EQ(FMOD_Sound_Release(sound), FMOD_ERR_INVALID_HANDLE);
    unsigned int version = 0;
    EXPECT_EQ(FMOD_System_GetVersion(released, &version), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_System_Release(released), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_System_Update(nullptr), FMOD_ERR_INVALID_HANDLE);
}

} // namespace
