// What the opaque FMOD_* pointers handed to callers stand for, and the
// checks that make a stale or foreign pointer an error result instead of a
// read of freed memory. Systems and sounds are real objects, looked up in a
// table of live ones before use. Channel handles are plain numbers: system
// slot, channel index and the generation the channel had when it started.
#pragma once

#include <cstdint>

struct FMOD_CHANNEL;

namespace soundlib {

class System;
class Sound;

constexpr int kMaxSystems = 256;
constexpr int kMaxChannels = 4096;

// Returns the system's slot, or -1 when every slot is taken.
int registerSystem(System* system);
void unregisterSystem(int slot);
System* liveSystem(const void* pointer);
System* systemInSlot(int slot);

void registerSound(Sound* sound);
void unregisterSound(Sound* sound);
Sound* liveSound(const void* pointer);

// Generations increase across all systems of the process, so a handle never
// matches a channel it was not issued for, even after its system is gone.
std::uint64_t nextGeneration();

struct ChannelRef {
    int systemSlot = 0;
    int channel = 0;
    std::uint64_t generation = 0;
};

FMOD_CHANNEL* encodeChannel(const ChannelRef& ref);
// False for a value that no channel handle can have (null, generation 0).
bool decodeChannel(const FMOD_CHANNEL* handle, ChannelRef& ref);

} // namespace soundlib
