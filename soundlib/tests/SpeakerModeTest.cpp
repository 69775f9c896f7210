// The level of the mono mix, and stereo sounds resampled into the mix with
// different content left and right: each side keeps its own.
#include "TestSounds.h"
#include "WavWriter.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A no-sound system in mono speaker mode whose clock the test moves.
class MonoSystem {
  public:
    MonoSystem() {
        EXPECT_EQ(FMOD_System_Create(&system_), FMOD_OK);
        EXPECT_EQ(FMOD_System_SetOutput(system_, FMOD_OUTPUTTYPE_NOSOUND), FMOD_OK);
        EXPECT_EQ(FMOD_System_SetSpeakerMode(system_, FMOD_SPEAKERMODE_MONO), FMOD_OK);
        EXPECT_EQ(soundlib_System_SetClock(system_, now, this), FMOD_OK);
        EXPECT_EQ(soundlib_System_SetMixTap(system_, capture, this), FMOD_OK);
        EXPECT_EQ(FMOD_System_Init(system_, 4, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    }
    ~MonoSystem() { FMOD_System_Release(system_); }
    MonoSystem(const MonoSystem&) = delete;
    MonoSystem& operator=(const MonoSystem&) = delete;

    // Plays `wav` from the start for a tenth of a second; returns the mix.
    std::vector<float> play(const Bytes& wav) {
        FMOD_CREATESOUNDEXINFO info{};
        info.cbsize = sizeof info;
        info.length = static_cast<unsigned int>(wav.size());
        FMOD_SOUND* sound = nullptr;
        EXPECT_EQ(FMOD_System_CreateSound(system_, reinterpret_cast<const char*>(wav.data()),
                                          FMOD_OPENMEMORY | FMOD_CREATESAMPLE | FMOD_LOOP_NORMAL,
                                          &info, &sound),
                  FMOD_OK);
        FMOD_CHANNEL* channel = nullptr;
        EXPECT_EQ(FMOD_System_PlaySound(system_, FMOD_CHANNEL_FREE, sound, false, &channel),
                  FMOD_OK);
        micros_ += 100000;
        FMOD_System_Update(system_);
        return std::move(captured_);
    }
    int capturedChannels = 0;

  private:
    static unsigned long long now(void* self) { return static_cast<MonoSystem*>(self)->micros_; }
    static void capture(const float* frames, int count, int channels, void* self) {
        auto* mono = static_cast<MonoSystem*>(self);
        mono->capturedChannels = channels;
        mono->captured_.insert(mono->captured_.end(), frames, frames + count * channels);
    }

    FMOD_SYSTEM* system_ = nullptr;
    unsigned long long micros_ = 0;
    std::vector<float> captured_;
};

std::vector<float> interleave(const std::vector<float>& left, const std::vector<float>& right) {
    std::vector<float> frames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames.push_back(left[i]);
        frames.push_back(right[i]);
    }
    return frames;
}

} // namespace

TEST(MonoMix, LoudStereoSoundStaysBelowFullScaleAndKeepsItsLevel) {
    MonoSystem mono;
    // Both sides at 0.9: the mono mix is their mean, 0.9, not their sum.
    const std::vector<float> side = sineWave(440.0, 0.2, kMixRate, 1, 0.9f);
    const std::vector<float> mix =
        mono.play(encodeWav(interleave(side, side), 2, kMixRate, WavSampleFormat::Pcm16));
    ASSERT_EQ(mono.capturedChannels, 1);
    ASSERT_FALSE(mix.empty());
    EXPECT_NEAR(peakOf(mix), 0.9, 0.01);
}

TEST(MonoMix, CentredMonoSoundHasItsConstantPowerLevel) {
    MonoSystem mono;
    // Centre pan gives each side cos(pi/4) of the sound: 0.8 becomes 0.566.
    const std::vector<float> mix = mono.play(
        encodeWav(sineWave(440.0, 0.2, kMixRate, 1, 0.8f), 1, kMixRate, WavSampleFormat::Pcm16));
    ASSERT_FALSE(mix.empty());
    EXPECT_NEAR(peakOf(mix), 0.566, 0.01);
}

TEST(Resampling, StereoSidesStayApartWhenResampled) {
    DrivenSystem driven;
    // 22,050 Hz into the 48 kHz mix: 440 Hz on the left, 1000 Hz on the right.
    const std::vector<float> left = sineWave(440.0, 0.5, 22050, 1, 0.5f);
    const std::vector<float> right = sineWave(1000.0, 0.5, 22050, 1, 0.5f);
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(encodeWav(interleave(left, right), 2, 22050, WavSampleFormat::Pcm16),
                            FMOD_CREATESAMPLE | FMOD_LOOP_OFF, &sound),
              FMOD_OK);
    driven.play(sound);
    driven.advance(0.3);
    const std::vector<float> mix = driven.takeCaptured();
    EXPECT_NEAR(measureFrequency(channelOf(mix, 2, 0), kMixRate), 440.0, 5.0);
    EXPECT_NEAR(measureFrequency(channelOf(mix, 2, 1), kMixRate), 1000.0, 10.0);

    // One side silent: nothing of the other leaks into it.
    DrivenSystem fresh;
    const std::vector<float> silence(left.size(), 0.0f);
    ASSERT_EQ(fresh.create(encodeWav(interleave(left, silence), 2, 22050, WavSampleFormat::Pcm16),
                           FMOD_CREATESAMPLE | FMOD_LOOP_OFF, &sound),
              FMOD_OK);
    fresh.play(sound);
    fresh.advance(0.3);
    const std::vector<float> oneSided = fresh.takeCaptured();
    EXPECT_GT(rmsOf(channelOf(oneSided, 2, 0)), 0.3);
    EXPECT_LT(peakOf(channelOf(oneSided, 2, 1)), 1e-4);
}
