// Little-endian appends for the RIFF files the library builds in memory (its
// SoundFont image) and the writers make (WAV), kept in one place so the two
// cannot drift apart in byte order.
#pragma once

#include <cstdint>
#include <vector>

namespace soundlib {

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

} // namespace soundlib
