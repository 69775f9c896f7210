// Tone synthesis, capture and measurement for the sound library's tests.
#include "TestSounds.h"

#include "MidiWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>
#include <unistd.h>

std::vector<float> sineWave(double frequency, double seconds, int sampleRate, int channels,
                            float amplitude) {
    std::vector<float> samples;
    for (long i = 0; i < std::lround(seconds * sampleRate); ++i) {
        const double phase = 2.0 * M_PI * frequency * static_cast<double>(i) / sampleRate;
        samples.insert(samples.end(), static_cast<std::size_t>(channels),
                       amplitude * static_cast<float>(std::sin(phase)));
    }
    return samples;
}

std::vector<float> channelOf(const std::vector<float>& frames, int channels, int channel) {
    std::vector<float> out;
    for (std::size_t i = static_cast<std::size_t>(channel); i < frames.size();
         i += static_cast<std::size_t>(channels)) {
        out.push_back(frames[i]);
    }
    return out;
}

std::vector<float> interleave(const std::vector<float>& left, const std::vector<float>& right) {
    std::vector<float> frames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames.insert(frames.end(), {left[i], right[i]});
    }
    return frames;
}

double peakOf(const std::vector<float>& samples) {
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : std::max(-*low, *high);
}

double rmsOf(const std::vector<float>& samples) {
    const double sum = std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0);
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

std::size_t audibleFrames(const std::vector<float>& samples, float threshold) {
    const auto loud = [threshold](float s) { return std::fabs(s) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    return first < last ? static_cast<std::size_t>(last - first) : 0;
}

double largestStep(const std::vector<float>& samples) {
    std::vector<float> steps(samples.size());
    std::adjacent_difference(samples.begin(), samples.end(), steps.begin());
    return samples.empty() ? 0.0 : peakOf(std::vector<float>(steps.begin() + 1, steps.end()));
}

DrivenSystem::DrivenSystem(int channels, FMOD_SPEAKERMODE mode) {
    EXPECT_EQ(FMOD_System_Create(&system_), FMOD_OK);
    EXPECT_EQ(FMOD_System_SetOutput(system_, FMOD_OUTPUTTYPE_NOSOUND), FMOD_OK);
    EXPECT_EQ(FMOD_System_SetSpeakerMode(system_, mode), FMOD_OK);
    EXPECT_EQ(soundlib_System_SetClock(system_, now, this), FMOD_OK);
    EXPECT_EQ(soundlib_System_SetMixTap(system_, capture, this), FMOD_OK);
    EXPECT_EQ(FMOD_System_Init(system_, channels, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
}

FMOD_RESULT DrivenSystem::create(const Bytes& bytes, FMOD_MODE mode, FMOD_SOUND** sound,
                                 const char* dlsname) {
    kept_.push_back(std::make_unique<Bytes>(bytes));
    return createSoundFromMemory(system_, *kept_.back(), mode, sound, dlsname);
}

FMOD_RESULT createSoundFromMemory(FMOD_SYSTEM* system, const Bytes& bytes, FMOD_MODE mode,
                                  FMOD_SOUND** sound, const char* dlsname) {
    FMOD_CREATESOUNDEXINFO info{};
    info.cbsize = sizeof info;
    info.length = static_cast<unsigned int>(bytes.size());
    info.dlsname = dlsname;
    return FMOD_System_CreateSound(system, reinterpret_cast<const char*>(bytes.data()),
                                   mode | FMOD_OPENMEMORY, &info, sound);
}

FMOD_SOUND* DrivenSystem::load(const Bytes& bytes, FMOD_MODE mode, const char* dlsname) {
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(create(bytes, mode, &sound, dlsname), FMOD_OK);
    return sound;
}

FMOD_CHANNEL* DrivenSystem::play(FMOD_SOUND* sound, bool paused) {
    FMOD_CHANNEL* channel = nullptr;
    EXPECT_EQ(FMOD_System_PlaySound(system_, FMOD_CHANNEL_FREE, sound, paused, &channel), FMOD_OK);
    return channel;
}

FMOD_CHANNEL* DrivenSystem::start(const Bytes& bytes, FMOD_MODE mode, bool paused,
                                  const char* dlsname) {
    FMOD_SOUND* sound = load(bytes, mode, dlsname);
    return sound == nullptr ? nullptr : play(sound, paused);
}

void DrivenSystem::advance(double seconds) {
    micros_ += static_cast<unsigned long long>(std::llround(seconds * 1e6));
    EXPECT_EQ(FMOD_System_Update(system_), FMOD_OK);
}

bool DrivenSystem::isPlaying(FMOD_CHANNEL* channel) {
    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
    return playing != 0;
}

void DrivenSystem::capture(const float* frames, int count, int channels, void* self) {
    auto* driven = static_cast<DrivenSystem*>(self);
    driven->captured_.insert(driven->captured_.end(), frames, frames + count * channels);
}

double estimatePitch(const std::vector<float>& samples, int sampleRate, double lowHz,
                     double highHz) {
    const std::size_t shortest = static_cast<std::size_t>(sampleRate / highHz);
    const std::size_t longest = static_cast<std::size_t>(sampleRate / lowHz);
    if (samples.size() < 2 * longest) {
        return 0.0;
    }
    const std::size_t window = samples.size() - longest - 1;
    std::vector<double> correlation(longest + 2, 0.0);
    for (std::size_t lag = shortest; lag <= longest + 1; ++lag) {
        const auto lagged = samples.begin() + static_cast<long>(lag);
        const double sum =
            std::inner_product(lagged, lagged + static_cast<long>(window), samples.begin(), 0.0);
        const double energy =
            std::inner_product(lagged, lagged + static_cast<long>(window), lagged, 0.0);
        correlation[lag] = energy > 0.0 ? sum / energy : 0.0;
    }
    const double best =
        *std::max_element(correlation.begin() + static_cast<long>(shortest), correlation.end() - 1);
    for (std::size_t lag = shortest + 1; lag <= longest; ++lag) {
        if (correlation[lag] >= 0.9 * best && correlation[lag] >= correlation[lag - 1] &&
            correlation[lag] >= correlation[lag + 1]) {
            // Parabolic interpolation around the peak.
            const double a = correlation[lag - 1];
            const double c = correlation[lag + 1];
            const double offset = (a - c) / (2.0 * (a - 2.0 * correlation[lag] + c));
            return sampleRate / (static_cast<double>(lag) + offset);
        }
    }
    return 0.0;
}

std::string writeTemporaryFile(const std::string& name, const Bytes& bytes) {
    const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

DlsWave loopedSine(int unityNote) {
    DlsWave wave;
    wave.sampleRate = 22050;
    wave.unityNote = unityNote;
    // A tenth of a second holds whole periods of every tone of whole tens of
    // hertz, as A at 440 and 110 Hz.
    wave.loopLength = 2205;
    const double hz = 440.0 * std::pow(2.0, (unityNote - 69) / 12.0);
    for (std::uint32_t i = 0; i < wave.loopLength; ++i) {
        wave.samples.push_back(static_cast<float>(0.8 * std::sin(2.0 * M_PI * hz * i / 22050)));
    }
    return wave;
}

DlsInstrument sineInstrument(int program, const DlsEnvelope& envelope) {
    return {"sine", program, false, envelope, {{0, 127, loopedSine(69), {}}}};
}

const std::string& testBankPath() {
    static const std::string path = [] {
        DlsInstrument low = sineInstrument(30);
        low.regions = {{0, 60, loopedSine(45), {}}, {61, 127, loopedSine(69), {}}};
        DlsWave hit = loopedSine(69);
        hit.loopLength = 0;
        const DlsInstrument kit{"kit", 0, true, {}, {{36, 36, hit, {}}, {38, 38, hit, {}}}};
        return writeTemporaryFile("test-bank.dls",
                                  encodeDlsBank("test bank", {sineInstrument(0), low, kit}));
    }();
    return path;
}

Bytes oneNoteSong(int program, int key, double holdSeconds, double songSeconds) {
    constexpr int kTicksPerSecond = 960; // 480 a beat at 120 beats a minute
    MidiTrack track("test");
    track.tempo(0, 120.0);
    track.program(0, 0, program);
    track.note(0, static_cast<std::uint32_t>(holdSeconds * kTicksPerSecond), 0, key, 110);
    track.end(static_cast<std::uint32_t>(songSeconds * kTicksPerSecond));
    return encodeMidiFile({track}, 480);
}

Bytes midiFile(const Bytes& events, std::uint16_t division) {
    Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    out.push_back(static_cast<std::uint8_t>(division >> 8));
    out.push_back(static_cast<std::uint8_t>(division));
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(events.size() >> shift));
    }
    out.insert(out.end(), events.begin(), events.end());
    return out;
}

std::vector<float> renderLeft(const Bytes& song, const std::string& bank, double seconds,
                              FMOD_MODE kind) {
    DrivenSystem driven;
    driven.start(song, kind, false, bank.c_str());
    // The no-sound output mixes at most 30 s per update.
    for (double done = 0.0; done < seconds; done += 10.0) {
        driven.advance(std::min(10.0, seconds - done));
    }
    return channelOf(driven.takeCaptured(), 2, 0);
}

std::vector<float> slice(const std::vector<float>& samples, double from, double to) {
    const auto at = [&](double seconds) {
        return samples.begin() +
               static_cast<long>(std::min(seconds * kMixRate, static_cast<double>(samples.size())));
    };
    return std::vector<float>(at(from), at(to));
}
