// Writes the canonical 44-byte-header layout: "RIFF", "fmt " (format 1 for
// PCM, 3 for float), "data".
#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

void putTag(Bytes& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

int bytesPerSample(WavSampleFormat format) {
    switch (format) {
    case WavSampleFormat::Pcm8:
        return 1;
    case WavSampleFormat::Pcm16:
        return 2;
    case WavSampleFormat::Pcm24:
        return 3;
    case WavSampleFormat::Float32:
        break;
    }
    return 4;
}

void putSample(Bytes& out, float value, WavSampleFormat format) {
    const double clipped = std::max(-1.0, std::min(1.0, static_cast<double>(value)));
    switch (format) {
    case WavSampleFormat::Pcm8: // unsigned, centred on 128
        out.push_back(static_cast<std::uint8_t>(std::lround(clipped * 127.0) + 128));
        return;
    case WavSampleFormat::Pcm16:
        put16(out, static_cast<std::uint32_t>(std::lround(clipped * 32767.0)) & 0xFFFFu);
        return;
    case WavSampleFormat::Pcm24: {
        const std::uint32_t bits = static_cast<std::uint32_t>(std::lround(clipped * 8388607.0));
        out.push_back(static_cast<std::uint8_t>(bits));
        out.push_back(static_cast<std::uint8_t>(bits >> 8));
        out.push_back(static_cast<std::uint8_t>(bits >> 16));
        return;
    }
    case WavSampleFormat::Float32: {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        put32(out, bits);
        return;
    }
    }
}

} // namespace

Bytes encodeWav(const std::vector<float>& samples, int channels, int sampleRate,
                WavSampleFormat format) {
    const std::uint32_t sampleBytes = static_cast<std::uint32_t>(bytesPerSample(format));
    const std::uint32_t blockAlign = sampleBytes * static_cast<std::uint32_t>(channels);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * sampleBytes;
    Bytes out;
    out.reserve(44 + dataBytes + 1);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes + (dataBytes & 1u));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, format == WavSampleFormat::Float32 ? 3 : 1);
    put16(out, static_cast<std::uint32_t>(channels));
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, sampleBytes * 8);
    putTag(out, "data");
    put32(out, dataBytes);
    for (float sample : samples) {
        putSample(out, sample, format);
    }
    if (dataBytes & 1u) {
        out.push_back(0);
    }
    return out;
}
