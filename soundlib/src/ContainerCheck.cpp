// Chunk and page walks with a bounds-checked cursor.
#include "ContainerCheck.h"

#include "ByteCursor.h"

#include <cstring>

namespace soundlib {

namespace {

// Bytes from the start of a "fmt " chunk's body to its block alignment.
constexpr std::size_t kBlockAlignOffset = 12;
constexpr std::uint32_t kFormatBodyMinimum = 14;

std::uint16_t little16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::string cutDataNotice(std::size_t bytesThere, std::uint16_t blockAlign) {
    const std::size_t frames = blockAlign > 0 ? bytesThere / blockAlign : 0;
    return "sample data is cut short; playing the " + std::to_string(frames) +
           " whole frames that are there";
}

} // namespace

bool checkWaveContainer(const std::uint8_t* data, std::size_t size, std::string& problem,
                        std::string& notice) {
    ByteCursor chunks(data, size);
    chunks.tag("RIFF");
    chunks.u32le(); // the RIFF size: often wrong in real files, so unused
    chunks.tag("WAVE");
    if (!chunks.ok()) {
        problem = "RIFF header is cut short";
        return false;
    }
    bool format = false;
    bool samples = false;
    std::uint16_t blockAlign = 0;
    while (chunks.remaining() >= 8 && !(format && samples)) {
        const bool isFormat = std::memcmp(chunks.here(), "fmt ", 4) == 0;
        const bool isData = std::memcmp(chunks.here(), "data", 4) == 0;
        chunks.skip(4);
        const std::uint32_t length = chunks.u32le();
        if (isData && length > chunks.remaining()) {
            samples = true;
            notice = cutDataNotice(chunks.remaining(), blockAlign);
            break;
        }
        if (length > chunks.remaining()) {
            problem = isFormat ? "the format chunk is cut short"
                               : "a chunk runs past the end of the file";
            return false;
        }
        if (isFormat && length >= kFormatBodyMinimum) {
            blockAlign = little16(chunks.here() + kBlockAlignOffset);
        }
        format |= isFormat;
        samples |= isData;
        chunks.skip(length);
        if ((length & 1u) != 0 && chunks.remaining() > 0) {
            chunks.skip(1);
        }
    }
    if (!format || !samples) {
        problem = "lacks its format or data chunk";
        return false;
    }
    return true;
}

bool checkOggContainer(const std::uint8_t* data, std::size_t size, std::string& problem) {
    constexpr std::uint8_t kEndOfStream = 0x04;
    ByteCursor cursor(data, size);
    std::uint8_t lastFlags = 0;
    while (!cursor.atEnd()) {
        const bool capture = cursor.tag("OggS");
        cursor.u8(); // version
        lastFlags = cursor.u8();
        cursor.skip(20); // granule, serial, sequence, checksum
        const std::uint8_t segments = cursor.u8();
        std::size_t bodyLength = 0;
        for (int i = 0; i < segments; ++i) {
            bodyLength += cursor.u8();
        }
        if (!cursor.ok() || !capture) {
            problem = "an Ogg page header is damaged or cut short";
            return false;
        }
        if (!cursor.skip(bodyLength)) {
            problem = "the last Ogg page is cut short (truncated file)";
            return false;
        }
    }
    if ((lastFlags & kEndOfStream) == 0) {
        problem = "the Ogg stream stops before its end (truncated file)";
        return false;
    }
    return true;
}

} // namespace soundlib
