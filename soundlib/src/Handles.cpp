// Tables of live systems and sounds, and the channel handle encoding:
// bits 0-11 channel index, bits 12-19 system slot, bits 20-63 generation.
#include "Handles.h"

#include <array>
#include <atomic>
#include <mutex>
#include <unordered_set>

namespace soundlib {

namespace {

constexpr int kChannelBits = 12;
constexpr int kSlotBits = 8;
static_assert(kMaxChannels == 1 << kChannelBits, "channel index field");
static_assert(kMaxSystems == 1 << kSlotBits, "system slot field");
static_assert(sizeof(std::uintptr_t) >= 8, "channel handles need 64-bit pointers");

std::mutex& tableMutex() {
    static std::mutex mutex;
    return mutex;
}

std::array<System*, kMaxSystems>& systems() {
    static std::array<System*, kMaxSystems> table{};
    return table;
}

std::unordered_set<const void*>& sounds() {
    static std::unordered_set<const void*> set;
    return set;
}

std::atomic<std::uint64_t> generationCounter{0};

} // namespace

int registerSystem(System* system) {
    std::lock_guard<std::mutex> lock(tableMutex());
    for (int slot = 0; slot < kMaxSystems; ++slot) {
        if (systems()[slot] == nullptr) {
            systems()[slot] = system;
            return slot;
        }
    }
    return -1;
}

void unregisterSystem(int slot) {
    std::lock_guard<std::mutex> lock(tableMutex());
    systems()[slot] = nullptr;
}

System* liveSystem(const void* pointer) {
    if (pointer == nullptr) {
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(tableMutex());
    for (System* system : systems()) {
        if (system == pointer) {
            return system;
        }
    }
    return nullptr;
}

System* systemInSlot(int slot) {
    std::lock_guard<std::mutex> lock(tableMutex());
    return systems()[slot];
}

void registerSound(Sound* sound) {
    std::lock_guard<std::mutex> lock(tableMutex());
    sounds().insert(sound);
}

void unregisterSound(Sound* sound) {
    std::lock_guard<std::mutex> lock(tableMutex());
    sounds().erase(sound);
}

Sound* liveSound(const void* pointer) {
    std::lock_guard<std::mutex> lock(tableMutex());
    const auto found = sounds().find(pointer);
    return found == sounds().end() ? nullptr : static_cast<Sound*>(const_cast<void*>(*found));
}

std::uint64_t nextGeneration() {
    return ++generationCounter;
}

FMOD_CHANNEL* encodeChannel(const ChannelRef& ref) {
    const std::uintptr_t value =
        (static_cast<std::uintptr_t>(ref.generation) << (kChannelBits + kSlotBits)) |
        (static_cast<std::uintptr_t>(ref.systemSlot) << kChannelBits) |
        static_cast<std::uintptr_t>(ref.channel);
    return reinterpret_cast<FMOD_CHANNEL*>(value);
}

bool decodeChannel(const FMOD_CHANNEL* handle, ChannelRef& ref) {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
    ref.channel = static_cast<int>(value & ((1u << kChannelBits) - 1));
    ref.systemSlot = static_cast<int>((value >> kChannelBits) & ((1u << kSlotBits) - 1));
    ref.generation = static_cast<std::uint64_t>(value >> (kChannelBits + kSlotBits));
    return ref.generation != 0;
}

} // namespace soundlib
