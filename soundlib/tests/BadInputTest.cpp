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

Bytes randomBytes(std::size_t count, unsigned seed, const char* magic = nullptr) {
    std::mt19937 random(seed);
    Bytes bytes(count);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    for (std::size_t i = 0; magic != nullptr && magic[i] != '\0' && i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(magic[i]);
    }
    return bytes;
}

void putLittle32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Every way of creating a sound refuses `bytes`.
void expectRefused(const Bytes& bytes, const char* what) {
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

TEST(BadInput, EmptyDataIsRefused) {
    expectRefused(Bytes(), "empty");
}

TEST(BadInput, NullDataAndWrongRecordSizeAreRefused) {
    DrivenSystem driven;
    FMOD_CREATESOUNDEXINFO info{};
    info.cbsize = sizeof info - 1;
    info.length = 10;
    FMOD_SOUND* sound = nullptr;
    const Bytes wav = goodWav();
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), reinterpret_cast<const char*>(wav.data()),
                                      FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    info.cbsize = sizeof info;
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), nullptr, FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), reinterpret_cast<const char*>(wav.data()),
                                      FMOD_OPENMEMORY, nullptr, &sound),
              FMOD_ERR_INVALID_PARAM);
}

TEST(BadInput, MissingSoundFileIsNotFound) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), "no/such/sound.wav", FMOD_DEFAULT, nullptr,
                                      &sound),
              FMOD_ERR_FILE_NOTFOUND);
}

TEST(BadInput, UnknownFormatIsRefused) {
    expectRefused(randomBytes(4096, 1), "random");
    expectRefused(Bytes{'f', 'L', 'a', 'C', 0, 0, 0, 0}, "FLAC magic");
}

TEST(BadInput, TruncatedFilesOfEveryFormatAreRefused) {
    // A WAV file cut inside its sample data plays what is there
    // (WaveChunkTest); cut anywhere before, it is refused.
    const Bytes wav = goodWav();
    for (std::size_t keep : {std::size_t{4}, std::size_t{12}, std::size_t{30}, std::size_t{40}}) {
        expectRefused(Bytes(wav.begin(), wav.begin() + static_cast<long>(keep)),
                      ("WAV truncated to " + std::to_string(keep)).c_str());
    }
    for (const Bytes& good : {goodOgg(), goodMidi()}) {
        for (std::size_t keep :
             {std::size_t{4}, std::size_t{12}, std::size_t{30}, good.size() / 2, good.size() - 1}) {
            expectRefused(Bytes(good.begin(), good.begin() + static_cast<long>(keep)),
                          ("truncated to " + std::to_string(keep)).c_str());
        }
    }
}

TEST(BadInput, RandomDataBehindEachMagicIsRefused) {
    for (unsigned seed = 0; seed < 20; ++seed) {
        expectRefused(randomBytes(2000, seed, "RIFF\xc8\x07\0\0WAVE"), "random wave");
        expectRefused(randomBytes(2000, seed, "OggS"), "random ogg");
        expectRefused(randomBytes(2000, seed, "MThd\0\0\0\6"), "random midi");
    }
}

TEST(BadInput, OversizedHeaderFieldsAreRefused) {
    Bytes wav = goodWav();
    putLittle32(wav, 16, 0xFFFFFFF0u); // "fmt " chunk length
    expectRefused(wav, "huge fmt chunk");
    wav = goodWav();
    wav[22] = 200; // channels
    expectRefused(wav, "200 channels");

    Bytes ogg = goodOgg();
    ogg[26] = 255; // segment count of the first page
    expectRefused(ogg, "ogg segment table past the end");

    Bytes midi = goodMidi();
    midi[4] = 0x7F; // header chunk length
    expectRefused(midi, "huge MThd");
    midi = goodMidi();
    midi[18] = 0x7F; // track length
    expectRefused(midi, "huge MTrk");
    midi = goodMidi();
    midi[22] = 0xFF; // a delta time that never ends
    midi[23] = 0xFF;
    midi[24] = 0xFF;
    midi[25] = 0xFF;
    expectRefused(midi, "endless delta time");
}

TEST(BadInput, MidiOfFormatTwoOrWithoutTracksIsRefused) {
    Bytes midi = goodMidi();
    midi[9] = 2;
    expectRefused(midi, "format 2");
    midi = goodMidi();
    midi.resize(14);
    expectRefused(midi, "no tracks");
}

} // namespace
