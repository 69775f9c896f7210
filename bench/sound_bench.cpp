// Speed figures of the sound library, printed, never asserted:
//   - mixing 100 playing channels with resampling: seconds of audio mixed
//     per second of CPU (target at least 100);
//   - Ogg Vorbis stream decoding: real-time factor (target at least 50);
//   - MIDI rendering with the DLS bank: real-time factor (target at least 20).
#include "DlsWriter.h"
#include "GmBank.h"
#include "LoopMusic.h"
#include "MetalSong.h"
#include "MidiDecoder.h"
#include "OggEncoder.h"
#include "SndfileDecoder.h"
#include "WavWriter.h"
#include "soundlib.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

unsigned long long benchClock(void* micros) {
    return *static_cast<unsigned long long*>(micros);
}

std::vector<float> tone(double hz, double seconds, int rate, int channels) {
    std::vector<float> samples(static_cast<std::size_t>(seconds * rate) *
                               static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t frame = i / static_cast<std::size_t>(channels);
        samples[i] = 0.01f * static_cast<float>(std::sin(6.283185307 * hz * frame / rate));
    }
    return samples;
}

double mixHundredChannels() {
    FMOD_SYSTEM* system = nullptr;
    unsigned long long micros = 0;
    FMOD_System_Create(&system);
    FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_NOSOUND);
    soundlib_System_SetClock(system, benchClock, &micros);
    FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr);
    // Half mono at 22050 Hz, half stereo at 44100 Hz, all resampled to 48000.
    const Bytes mono = encodeWav(tone(300, 1.0, 22050, 1), 1, 22050, WavSampleFormat::Pcm16);
    const Bytes stereo = encodeWav(tone(500, 1.0, 44100, 2), 2, 44100, WavSampleFormat::Pcm16);
    for (const Bytes* bytes : {&mono, &stereo}) {
        FMOD_CREATESOUNDEXINFO info{};
        info.cbsize = sizeof info;
        info.length = static_cast<unsigned int>(bytes->size());
        FMOD_SOUND* sound = nullptr;
        FMOD_System_CreateSound(system, reinterpret_cast<const char*>(bytes->data()),
                                FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE | FMOD_OPENMEMORY, &info,
                                &sound);
        for (int i = 0; i < 50; ++i) {
            FMOD_CHANNEL* channel = nullptr;
            FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, false, &channel);
            FMOD_Channel_SetPan(channel, static_cast<float>(i) / 25.0f - 1.0f);
        }
    }
    const double audioSeconds = 60.0;
    const double start = cpuSeconds();
    for (int frame = 0; frame < 60 * 60; ++frame) { // a minute of 60 Hz frames
        micros += 1000000 / 60;
        FMOD_System_Update(system);
    }
    const double used = cpuSeconds() - start;
    FMOD_System_Release(system);
    return audioSeconds / used;
}

double decodeFactor(soundlib::Decoder& decoder, double songSeconds, int passes) {
    std::vector<float> block(4096 * static_cast<std::size_t>(decoder.channels()));
    const double start = cpuSeconds();
    for (int pass = 0; pass < passes; ++pass) {
        decoder.rewind();
        while (decoder.read(block.data(), 4096) > 0) {
        }
    }
    return songSeconds * passes / (cpuSeconds() - start);
}

double oggFactor() {
    const std::vector<float> music = renderMuIntro();
    const Bytes ogg = encodeOggVorbis(music, 2, kMusicRate, 0.3f);
    std::string problem;
    auto decoder = soundlib::SndfileDecoder::open(ogg.data(), ogg.size(), problem);
    const double seconds = static_cast<double>(music.size() / 2) / kMusicRate;
    return decoder ? decodeFactor(*decoder, seconds, 10) : 0.0;
}

double midiFactor() {
    const Bytes bank = encodeDlsBank("bench bank", metalSongInstruments());
    const std::string path = "/tmp/soundlib_bench_" + std::to_string(getpid()) + ".dls";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bank.data()), static_cast<long>(bank.size()));
    const Bytes song = composeMetalSong();
    FMOD_RESULT result = FMOD_OK;
    std::string problem;
    auto decoder = soundlib::MidiDecoder::open(song.data(), song.size(), path, result, problem);
    const double factor = decoder ? decodeFactor(*decoder, metal::kSeconds, 2) : 0.0;
    std::remove(path.c_str());
    return factor;
}

} // namespace

int main() {
    std::printf("Mixing 100 channels with resampling: %.0f s of audio per CPU second "
                "(target >= 100)\n",
                mixHundredChannels());
    std::printf("Ogg Vorbis stream decoding (44.1 kHz stereo): %.0f x real time "
                "(target >= 50)\n",
                oggFactor());
    std::printf("MIDI rendering with the DLS bank (44.1 kHz stereo): %.0f x real time "
                "(target >= 20)\n",
                midiFactor());
    return 0;
}
