// The rules of the API: what may be set before and after Init, which
// channel a new sound gets and what happens when all are busy, and what
// calls on a handle answer once its channel has ended or been given to
// another sound, or its system is gone.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Bytes shortTone(double seconds) {
    return encodeWav(sineWave(440.0, seconds, 48000, 1, 0.1f), 1, 48000, WavSampleFormat::Pcm16);
}

// The system calls in the order the engine's audio start-up makes them.
TEST(SystemRules, OutOfRangeSettingsSurroundSoundsBeforeInitAndSettingsAfterInitAreRefused) {
    FMOD_SYSTEM* system = nullptr;
    ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(createSoundFromMemory(system, Bytes{'R', 'I', 'F', 'F'}, FMOD_DEFAULT, &sound),
              FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(FMOD_System_Update(system), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system, 1000, 10), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system, 1024, 0), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetSoftwareFormat(system, 1000, FMOD_SOUND_FORMAT_PCMFLOAT, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_SetSoftwareFormat(system, 48000, FMOD_SOUND_FORMAT_PCM8, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_NOSOUND), FMOD_OK);
    ASSERT_EQ(FMOD_System_SetSpeakerMode(system, FMOD_SPEAKERMODE_5POINT1), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr),
              FMOD_ERR_OUTPUT_CREATEBUFFER);
    ASSERT_EQ(FMOD_System_SetSpeakerMode(system, FMOD_SPEAKERMODE_STEREO), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system, 0, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_TOOMANYCHANNELS);
    EXPECT_EQ(FMOD_System_Init(system, 5000, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_TOOMANYCHANNELS);
    ASSERT_EQ(FMOD_System_SetDSPBufferSize(system, 1024, 10), FMOD_OK);
    ASSERT_EQ(FMOD_System_SetSoftwareFormat(system, 48000, FMOD_SOUND_FORMAT_PCMFLOAT, 0, 0,
                                            FMOD_DSP_RESAMPLER_LINEAR),
              FMOD_OK);
    ASSERT_EQ(FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_NOSOUND), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetSpeakerMode(system, FMOD_SPEAKERMODE_MONO), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_SetDSPBufferSize(system, 512, 4), FMOD_ERR_INITIALIZED);
    EXPECT_EQ(FMOD_System_Release(system), FMOD_OK);
}

TEST(ChannelSteal, HundredAndFirstSoundStealsTheOldestChannel) {
    DrivenSystem driven(100);
    FMOD_SOUND* sound = driven.load(shortTone(1.0), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE);
    std::vector<FMOD_CHANNEL*> channels;
    for (int i = 0; i < 101; ++i) {
        channels.push_back(driven.play(sound, i == 0));
        driven.advance(0.001);
    }
    FMOD_BOOL playing = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channels[0], &playing), FMOD_ERR_CHANNEL_STOLEN);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_TRUE(driven.isPlaying(channels[static_cast<std::size_t>(i)])) << "channel " << i;
    }
    // Next to go is the oldest remaining one.
    FMOD_CHANNEL* another = driven.play(sound);
    EXPECT_EQ(FMOD_Channel_IsPlaying(channels[1], &playing), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_TRUE(driven.isPlaying(channels[2]));
    EXPECT_TRUE(driven.isPlaying(another));
}

// An ended channel answers "not playing" and ignores changes; it is reused
// before the looping one beside it is stolen, and then the old handle is
// rejected without touching the new sound.
TEST(StaleHandle, EndedChannelIgnoresChangesAndIsReusedBeforeAnyIsStolen) {
    DrivenSystem driven(2);
    FMOD_CHANNEL* loop = driven.start(shortTone(0.05), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE);
    FMOD_CHANNEL* old = driven.start(shortTone(0.05), FMOD_CREATESAMPLE);
    driven.advance(0.2);
    FMOD_BOOL playing = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(old, &playing), FMOD_OK);
    EXPECT_FALSE(playing);
    EXPECT_EQ(FMOD_Channel_SetPan(old, 0.5f), FMOD_OK);
    EXPECT_EQ(FMOD_Channel_SetPaused(old, false), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetVolume(loop, 0.0f), FMOD_OK);
    driven.takeCaptured();
    driven.advance(0.1);
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0) << "the ended channel started again";
    FMOD_CHANNEL* fresh = driven.start(shortTone(0.05), FMOD_CREATESAMPLE);
    EXPECT_NE(old, fresh);
    EXPECT_EQ(FMOD_Channel_IsPlaying(old, &playing), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_EQ(FMOD_Channel_SetPaused(old, true), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_EQ(FMOD_Channel_SetLoopCount(old, 0), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_TRUE(driven.isPlaying(fresh));
    EXPECT_TRUE(driven.isPlaying(loop));
}

// Handles of a released system (even with a new system in its slot), of
// another system, null and made up. A released system frees the sounds its
// caller forgot.
TEST(StaleHandle, ReleasedForeignAndMadeUpHandlesAreRejected) {
    FMOD_CHANNEL* channel = nullptr;
    FMOD_SOUND* forgotten = nullptr;
    FMOD_SYSTEM* released = nullptr;
    {
        DrivenSystem driven;
        released = driven.system();
        forgotten = driven.load(shortTone(0.5), FMOD_CREATESAMPLE);
        channel = driven.play(forgotten);
    }
    FMOD_BOOL playing = 0;
    EXPECT_NE(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(forgotten), FMOD_ERR_INVALID_HANDLE);
    unsigned int version = 0;
    EXPECT_EQ(FMOD_System_GetVersion(released, &version), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_System_Release(released), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_System_Update(nullptr), FMOD_ERR_INVALID_HANDLE);
    DrivenSystem first;
    DrivenSystem second;
    EXPECT_NE(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
    FMOD_SOUND* sound = first.load(shortTone(0.1), FMOD_CREATESAMPLE);
    EXPECT_EQ(FMOD_System_PlaySound(second.system(), FMOD_CHANNEL_FREE, sound, false, &channel),
              FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_Channel_IsPlaying(nullptr, &playing), FMOD_ERR_INVALID_HANDLE);
    EXPECT_NE(FMOD_Channel_IsPlaying(reinterpret_cast<FMOD_CHANNEL*>(0x12345678), &playing),
              FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(reinterpret_cast<FMOD_SOUND*>(&playing)), FMOD_ERR_INVALID_HANDLE);
}

} // namespace
