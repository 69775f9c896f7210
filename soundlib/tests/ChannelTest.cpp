// Channel handles: which channel a new sound gets, what happens when all are
// busy, and what calls on an old handle answer once its channel has ended
// or been given to another sound.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Bytes shortTone(double seconds) {
    return encodeWav(sineWave(440.0, seconds, 48000, 1, 0.1f), 1, 48000, WavSampleFormat::Pcm16);
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
    EXPECT_EQ(FMOD_Channel_SetVolume(channels[0], 0.5f), FMOD_ERR_CHANNEL_STOLEN);
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
// another system, null and made up.
TEST(StaleHandle, ForeignAndMadeUpHandlesAreRejected) {
    FMOD_CHANNEL* channel = nullptr;
    FMOD_SOUND* other = nullptr;
    {
        DrivenSystem driven;
        other = driven.load(shortTone(0.5), FMOD_CREATESAMPLE);
        channel = driven.play(other);
    }
    FMOD_BOOL playing = 0;
    EXPECT_NE(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
    DrivenSystem first;
    DrivenSystem second;
    EXPECT_NE(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
    FMOD_SOUND* sound = first.load(shortTone(0.1), FMOD_CREATESAMPLE);
    EXPECT_EQ(FMOD_System_PlaySound(second.system(), FMOD_CHANNEL_FREE, sound, false, &channel),
              FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_Channel_IsPlaying(nullptr, &playing), FMOD_ERR_INVALID_HANDLE);
    EXPECT_NE(FMOD_Channel_IsPlaying(reinterpret_cast<FMOD_CHANNEL*>(0x12345678), &playing),
              FMOD_OK);
    EXPECT_NE(FMOD_Channel_SetVolume(reinterpret_cast<FMOD_CHANNEL*>(~0ull), 1.0f), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(reinterpret_cast<FMOD_SOUND*>(&playing)), FMOD_ERR_INVALID_HANDLE);
}

} // namespace
