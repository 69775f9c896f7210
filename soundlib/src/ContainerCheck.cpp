// Chunk and page walks with a bounds-checked cursor.
#include "ContainerCheck.h"

#include "ByteCursor.h"

#include <cstring>

namespace soundlib {

bool checkWaveContainer(const std::uint8_t* data, std::size_t size, std::string& problem) {
    ByteCursor cursor(data, size);
    cursor.tag("RIFF");
    const std::uint32_t riffLength = cursor.u32le();
    cursor.tag("WAVE");
    if (!cursor.ok() || riffLength < 4 || riffLength - 4 > cursor.remaining()) {
        problem = "RIFF header is cut short or claims more data than there is";
        return false;
    }
    ByteCursor chunks(cursor.here(), riffLength - 4);
    bool format = false;
    bool samples = false;
    while (chunks.remaining() >= 8) {
        const bool isFormat = std::memcmp(chunks.here(), "fmt ", 4) == 0;
        const bool isData = std::memcmp(chunks.here(), "data", 4) == 0;
        chunks.skip(4);
        const std::uint32_t length = chunks.u32le();
        if (length > chunks.remaining()) {
            problem = isData ? "sample data is cut short (truncated file)"
                             : "a chunk runs past the end of the file";
            return false;
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
