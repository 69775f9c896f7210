// Malformed sound data of every format gives an error result, never a crash
// (run under AddressSanitizer to catch reads out of bounds).
#include "OggEncoder.h"
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Bytes goodWav() {
    return encodeWav(sineWave(440.0, 0.1, 22050, 2, 0.5f), 2, 22050, WavSampleFormat::Pcm16);
}

Bytes goodOgg() {
    return encodeOggVorbis(sineWave(440.0, 0.2, 22050, 1, 0.5f), 1, 22050, 0.3f);
}

// Format 0, one note.
Bytes goodMidi() {
    return {'M', 'T', 'h', 'd', 0,  0, 0,    6,  0,   0,  0,    1,  0, 96, 'M',  'T',  'r',
            'k', 0,   0,   0,   12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0,  0xFF, 0x2F, 0};
}

Bytes randomBytes(std::size_t count, unsigned seed, const std::string& magic = "") {
    std::mt19937 random(seed);
    Bytes bytes(count);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    std::copy(magic.begin(), magic.end(), bytes.begin());
    return bytes;
}

Bytes changed(Bytes bytes, std::size_t at, std::vector<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<long>(at));
    return bytes;
}

Bytes cut(const Bytes& bytes, std::size_t keep) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(keep));
}

// Every way of creating a sound refuses `bytes`.
void expectRefused(const Bytes& bytes, const std::string& what) {
    DrivenSystem driven;
    for (FMOD_MODE mode :
         {FMOD_CREATESAMPLE, FMOD_CREATESTREAM, FMOD_CREATESAMPLE | FMOD_CREATESTREAM}) {
        FMOD_SOUND* sound = nullptr;
        EXPECT_NE(driven.create(bytes, FMOD_LOOP_NORMAL | mode, &sound, "no-bank-needed.dls"),
                  FMOD_OK)
            << what << ", mode " << mode;
        EXPECT_EQ(sound, nullptr) << what;
    }
}

// Damaged headers, truncations (a WAV file cut inside its sample data plays
// what is there, see WaveChunkTest; cut anywhere before, it is refused) and
// random data behind each format's magic.
TEST(BadInput, MalformedTruncatedAndRandomDataOfEveryFormatIsRefused) {
    const Bytes wav = goodWav();
    const Bytes ogg = goodOgg();
    const Bytes midi = goodMidi();
    std::vector<std::pair<std::string, Bytes>> cases = {
        {"empty", Bytes()},
        {"random", randomBytes(4096, 1)},
        {"FLAC magic", {'f', 'L', 'a', 'C', 0, 0, 0, 0}},
        {"huge fmt chunk", changed(wav, 16, {0xF0, 0xFF, 0xFF, 0xFF})},
        {"200 channels", changed(wav, 22, {200})},
        {"ogg segment table past the end", changed(ogg, 26, {255})},
        {"huge MThd", changed(midi, 4, {0x7F})},
        {"huge MTrk", changed(midi, 18, {0x7F})},
        {"endless delta time", changed(midi, 22, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"MIDI format 2", changed(midi, 9, {2})},
        {"MIDI without tracks", cut(midi, 14)},
    };
    for (std::size_t keep : {4, 12, 30, 40}) {
        cases.emplace_back("WAV cut to " + std::to_string(keep), cut(wav, keep));
    }
    for (const Bytes& good : {ogg, midi}) {
        for (std::size_t keep :
             {std::size_t{4}, std::size_t{12}, std::size_t{30}, good.size() / 2, good.size() - 1}) {
            cases.emplace_back("cut to " + std::to_string(keep), cut(good, keep));
        }
    }
    for (unsigned seed = 0; seed < 20; ++seed) {
        cases.emplace_back("random wave",
                           randomBytes(2000, seed, std::string("RIFF\xc8\x07\0\0WAVE", 12)));
        cases.emplace_back("random ogg", randomBytes(2000, seed, "OggS"));
        cases.emplace_back("random midi", randomBytes(2000, seed, std::string("MThd\0\0\0\6", 8)));
    }
    for (const auto& [what, bytes] : cases) {
        expectRefused(bytes, what);
    }
}

TEST(BadInput, BadArgumentsAndMissingFilesAreRefused) {
    DrivenSystem driven;
    FMOD_CREATESOUNDEXINFO info{};
    info.cbsize = sizeof info - 1;
    info.length = 10;
    FMOD_SOUND* sound = nullptr;
    const Bytes wav = goodWav();
    const char* data = reinterpret_cast<const char*>(wav.data());
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), data, FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    info.cbsize = sizeof info;
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), nullptr, FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), data, FMOD_OPENMEMORY, nullptr, &sound),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), "no/such/sound.wav", FMOD_DEFAULT, nullptr,
                                      &sound),
              FMOD_ERR_FILE_NOTFOUND);
}

} // namespace
