// A bounds-checked little-endian reader over a buffered virtual file. Every
// read and skip reports whether it succeeded, so a file that ends early or
// lies about its sizes is noticed at the first bad read.
#pragma once

#include <cstdint>
#include <physfs.h>
#include <string>

class VirtualFileReader {
  public:
    explicit VirtualFileReader(PHYSFS_File* file) : m_file(file) {}

    bool readU8(std::uint8_t& value) { return readBytes(&value, 1); }
    bool readU16(std::uint16_t& value) {
        std::uint8_t bytes[2];
        if (!readBytes(bytes, 2))
            return false;
        value = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
        return true;
    }
    bool readS16(std::int16_t& value) {
        std::uint16_t raw;
        if (!readU16(raw))
            return false;
        value = static_cast<std::int16_t>(raw);
        return true;
    }
    bool readU32(std::uint32_t& value) {
        std::uint8_t bytes[4];
        if (!readBytes(bytes, 4))
            return false;
        value = std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24);
        return true;
    }
    // A fixed-length field, cut at its first NUL. A length beyond the end of
    // the file fails before anything is allocated for it.
    bool readString(std::size_t length, std::string& value) {
        if (length > remaining())
            return false;
        value.assign(length, '\0');
        if (length > 0 && !readBytes(&value[0], length))
            return false;
        value.resize(value.find('\0') == std::string::npos ? length : value.find('\0'));
        return true;
    }
    // Moves forward by `count` bytes; a skip past the end fails.
    bool skip(std::uint64_t count) {
        if (count > remaining())
            return false;
        const PHYSFS_sint64 at = PHYSFS_tell(m_file);
        return PHYSFS_seek(m_file, static_cast<PHYSFS_uint64>(at) + count) != 0;
    }
    // Bytes left before the end of the file; 0 when that cannot be told.
    std::uint64_t remaining() const {
        const PHYSFS_sint64 at = PHYSFS_tell(m_file);
        const PHYSFS_sint64 length = PHYSFS_fileLength(m_file);
        return at < 0 || length < at ? 0 : static_cast<std::uint64_t>(length - at);
    }

  private:
    bool readBytes(void* destination, std::size_t count) {
        return PHYSFS_readBytes(m_file, destination, count) == static_cast<PHYSFS_sint64>(count);
    }

    PHYSFS_File* m_file;
};
