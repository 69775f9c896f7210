// Bounds-checked reading of binary file data. Every read can fail; after the
// first failure the cursor stays failed and reads return zero, so a parser
// can read a whole record and check once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace soundlib {

class ByteCursor {
  public:
    ByteCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return position_ >= size_; }
    std::size_t remaining() const { return size_ - position_; }
    std::size_t position() const { return position_; }
    const std::uint8_t* here() const { return data_ + position_; }

    bool skip(std::size_t count) {
        if (!ok_ || count > remaining()) {
            ok_ = false;
            return false;
        }
        position_ += count;
        return true;
    }

    std::uint8_t u8() {
        if (!ok_ || remaining() < 1) {
            ok_ = false;
            return 0;
        }
        return data_[position_++];
    }

    std::uint8_t peek() const { return ok_ && !atEnd() ? data_[position_] : 0; }

    bool tag(const char (&fourCc)[5]) {
        if (!ok_ || remaining() < 4) {
            ok_ = false;
            return false;
        }
        const bool same = std::memcmp(here(), fourCc, 4) == 0;
        position_ += 4;
        return same;
    }

    std::uint16_t u16be() {
        const std::uint16_t high = u8();
        return static_cast<std::uint16_t>((high << 8) | u8());
    }

    std::uint32_t u32be() {
        const std::uint32_t high = u16be();
        return (high << 16) | u16be();
    }

    std::uint16_t u16le() {
        const std::uint16_t low = u8();
        return static_cast<std::uint16_t>(low | (u8() << 8));
    }

    std::uint32_t u32le() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            value |= static_cast<std::uint32_t>(u8()) << shift;
        }
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

} // namespace soundlib
