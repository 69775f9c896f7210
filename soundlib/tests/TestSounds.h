// Helpers shared by the sound library's tests (and the asset builder's sound
// tests): synthesized tones and banks, a no-sound system whose clock and mix
// the test drives and captures, and measurements of captured audio.
#pragma once

#include "DlsWriter.h"
#include "SoundBytes.h"
#include "soundlib.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

constexpr int kMixRate = 48000;
// The level of the test tones: loud enough to measure, far from clipping.
constexpr float kAmplitude = 0.5f;

// Interleaved sine of `channels` identical channels.
std::vector<float> sineWave(double frequency, double seconds, int sampleRate, int channels,
                            float amplitude);

// Stereo frames of two equally long sides.
std::vector<float> interleave(const std::vector<float>& left, const std::vector<float>& right);
// One channel of interleaved frames.
std::vector<float> channelOf(const std::vector<float>& frames, int channels, int channel);

double peakOf(const std::vector<float>& samples);
double rmsOf(const std::vector<float>& samples);
// Number of frames from the first to the last sample above `threshold`.
std::size_t audibleFrames(const std::vector<float>& samples, float threshold);
// The largest jump between neighbouring samples.
double largestStep(const std::vector<float>& samples);

// Creates a sound from `bytes`, which must outlive it, as the engine creates
// sounds from files it has read into memory.
FMOD_RESULT createSoundFromMemory(FMOD_SYSTEM* system, const Bytes& bytes, FMOD_MODE mode,
                                  FMOD_SOUND** sound, const char* dlsname = nullptr);

// A system with no-sound output at 48 kHz stereo whose clock only moves when
// the test says so, capturing everything it mixes.
class DrivenSystem {
  public:
    explicit DrivenSystem(int channels = 16, FMOD_SPEAKERMODE mode = FMOD_SPEAKERMODE_STEREO);
    ~DrivenSystem() { FMOD_System_Release(system_); }
    DrivenSystem(const DrivenSystem&) = delete;
    DrivenSystem& operator=(const DrivenSystem&) = delete;

    FMOD_SYSTEM* system() const { return system_; }
    // Creates a sound from a copy of `bytes` that lives as long as the system.
    FMOD_RESULT create(const Bytes& bytes, FMOD_MODE mode, FMOD_SOUND** sound,
                       const char* dlsname = nullptr);
    // The same, the sound or null (with a failure recorded).
    FMOD_SOUND* load(const Bytes& bytes, FMOD_MODE mode, const char* dlsname = nullptr);
    FMOD_CHANNEL* play(FMOD_SOUND* sound, bool paused = false);
    // Creates a sound from a copy of `bytes` and plays it: its channel, or
    // null (with a failure recorded) when either fails.
    FMOD_CHANNEL* start(const Bytes& bytes, FMOD_MODE mode, bool paused = false,
                        const char* dlsname = nullptr);
    // Moves the clock on and updates, capturing what is mixed meanwhile.
    void advance(double seconds);
    bool isPlaying(FMOD_CHANNEL* channel);
    // Frames captured so far (interleaved, stereo unless the speaker mode
    // says otherwise), then forgotten.
    std::vector<float> takeCaptured() { return std::exchange(captured_, {}); }

  private:
    static unsigned long long now(void* self) { return static_cast<DrivenSystem*>(self)->micros_; }
    static void capture(const float* frames, int count, int channels, void* self);

    FMOD_SYSTEM* system_ = nullptr;
    unsigned long long micros_ = 0;
    std::vector<float> captured_;
    std::vector<std::unique_ptr<Bytes>> kept_;
};

// Fundamental frequency between `lowHz` and `highHz` by autocorrelation,
// preferring the shortest period that correlates nearly as well as the best
// (so a strong second harmonic is not taken for the fundamental).
double estimatePitch(const std::vector<float>& samples, int sampleRate, double lowHz,
                     double highHz);

// Writes `bytes` to a fresh file in the test's temporary directory.
std::string writeTemporaryFile(const std::string& name, const Bytes& bytes);

// A steady looped sine (amplitude 0.8, 22,050 Hz, a tenth of a second)
// sounding `unityNote` (45 or 69) unchanged, so only an envelope shapes its
// level.
DlsWave loopedSine(int unityNote);
// Program `program` playing a looped sine at unity note 69 on every key.
DlsInstrument sineInstrument(int program, const DlsEnvelope& envelope = {});
// The tests' bank: programs 0 (sine at 69) and 30 (sine at 45, keys up to 60,
// and at 69 above), and the standard kit with keys 36 and 38.
const std::string& testBankPath();
// One note of `holdSeconds` at velocity 110 from the start of a song of
// `songSeconds` at 120 beats a minute.
Bytes oneNoteSong(int program, int key, double holdSeconds, double songSeconds);
// A format 0 Standard MIDI File whose one track holds `events`, at
// `division` ticks a quarter note (SMPTE timing when its top bit is set).
Bytes midiFile(const Bytes& events, std::uint16_t division = 96);
// Renders `song` with `bank` for `seconds`; the left side of the mix.
std::vector<float> renderLeft(const Bytes& song, const std::string& bank, double seconds,
                              FMOD_MODE kind = FMOD_CREATESTREAM);
// Samples from `from` to `to` seconds.
std::vector<float> slice(const std::vector<float>& samples, double from, double to);
