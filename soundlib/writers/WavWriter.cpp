// Writes the canonical 44-byte-header layout: "RIFF", "fmt " (format 1 for
// PCM, 3 for float), "data".
#include "WavWriter.h"

#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using soundlib::put16;
using soundlib::put32;

constexpr std::size_t kHeaderBytes = 44;

// The header is filled in a fixed array and the vector is made from it whole:
// growing the vector by four-byte inserts lets GCC's -O3 inliner believe a
// copy may land past the end of the reserved block.
class Header {
  public:
    void tag(const char (&name)[5]) {
        std::memcpy(bytes_.data() + at_, name, 4);
        at_ += 4;
    }
    void u16(std::uint32_t value) {
        bytes_[at_++] = static_cast<std::uint8_t>(value);
        bytes_[at_++] = static_cast<std::uint8_t>(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFFu);
        u16(value >> 16);
    }
    const std::array<std::uint8_t, kHeaderBytes>& bytes() const { return bytes_; }

  private:
    std::array<std::uint8_t, kHeaderBytes> bytes_{};
    std::size_t at_ = 0;
};

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
    Header header;
    header.tag("RIFF");
    header.u32(36 + dataBytes + (dataBytes & 1u));
    header.tag("WAVE");
    header.tag("fmt ");
    header.u32(16);
    header.u16(format == WavSampleFormat::Float32 ? 3 : 1);
    header.u16(static_cast<std::uint32_t>(channels));
    header.u32(static_cast<std::uint32_t>(sampleRate));
    header.u32(static_cast<std::uint32_t>(sampleRate) * blockAlign);
    header.u16(blockAlign);
    header.u16(sampleBytes * 8);
    header.tag("data");
    header.u32(dataBytes);
    Bytes out(header.bytes().begin(), header.bytes().end());
    out.reserve(kHeaderBytes + dataBytes + 1);
    for (float sample : samples) {
        putSample(out, sample, format);
    }
    if (dataBytes & 1u) {
        out.push_back(0);
    }
    return out;
}
