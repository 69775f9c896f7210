// libsndfile over a memory block through its virtual I/O callbacks.
#include "SndfileDecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace soundlib {

namespace {

constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;

MemoryFile& memoryOf(void* user) {
    return *static_cast<MemoryFile*>(user);
}

sf_count_t memoryLength(void* user) {
    return static_cast<sf_count_t>(memoryOf(user).size);
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    return seekMemory(memoryOf(user), offset, whence);
}

sf_count_t memoryRead(void* destination, sf_count_t count, void* user) {
    MemoryFile& memory = memoryOf(user);
    if (count <= 0) {
        return 0;
    }
    const std::size_t available = memory.size - memory.position;
    const std::size_t taken = std::min(available, static_cast<std::size_t>(count));
    if (taken > 0) {
        std::memcpy(destination, memory.data + memory.position, taken);
    }
    memory.position += taken;
    return static_cast<sf_count_t>(taken);
}

sf_count_t memoryWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t memoryTell(void* user) {
    return static_cast<sf_count_t>(memoryOf(user).position);
}

SF_VIRTUAL_IO memoryIo{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};

} // namespace

sf_count_t seekMemory(MemoryFile& memory, sf_count_t offset, int whence) {
    sf_count_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<sf_count_t>(memory.position);
    } else if (whence == SEEK_END) {
        base = static_cast<sf_count_t>(memory.size);
    }
    const sf_count_t size = static_cast<sf_count_t>(memory.size);
    if (offset > size || offset < -size) {
        return -1;
    }
    const sf_count_t target = base + offset;
    if (target < 0 || target > size) {
        return -1;
    }
    memory.position = static_cast<std::size_t>(target);
    return target;
}

std::unique_ptr<SndfileDecoder> SndfileDecoder::open(const std::uint8_t* data, std::size_t size,
                                                     std::string& problem) {
    std::unique_ptr<SndfileDecoder> decoder(new SndfileDecoder());
    decoder->memory_ = MemoryFile{data, size, 0};
    decoder->file_ = sf_open_virtual(&memoryIo, SFM_READ, &decoder->info_, &decoder->memory_);
    if (decoder->file_ == nullptr) {
        problem = std::string("cannot decode: ") + sf_strerror(nullptr);
        return nullptr;
    }
    if (decoder->info_.channels < 1 || decoder->info_.channels > 2) {
        problem = "has " + std::to_string(decoder->info_.channels) +
                  " channels; only mono and stereo are played";
        return nullptr;
    }
    if (decoder->info_.samplerate < kMinRate || decoder->info_.samplerate > kMaxRate) {
        problem = "has an unplayable sample rate of " + std::to_string(decoder->info_.samplerate);
        return nullptr;
    }
    return decoder;
}

SndfileDecoder::~SndfileDecoder() {
    if (file_ != nullptr) {
        sf_close(file_);
    }
}

int SndfileDecoder::read(float* out, int frames) {
    const sf_count_t got = sf_readf_float(file_, out, frames);
    return got > 0 ? static_cast<int>(got) : 0;
}

bool SndfileDecoder::rewind() {
    return sf_seek(file_, 0, SEEK_SET) == 0;
}

} // namespace soundlib
