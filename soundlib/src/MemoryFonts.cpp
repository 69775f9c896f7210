// FluidSynth's file callbacks over published images. Each load gets a name
// of its own: FluidSynth caches sample data by font name, and must never
// hand one bank's samples to another.
#include "MemoryFonts.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace soundlib {

namespace {

struct Published {
    const std::vector<std::uint8_t>* image;
};

struct OpenImage {
    const std::vector<std::uint8_t>* image;
    long long position = 0;
};

std::mutex& publishedMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, Published>& published() {
    static std::map<std::string, Published> images;
    return images;
}

void* openImage(const char* name) {
    std::lock_guard<std::mutex> lock(publishedMutex());
    const auto found = published().find(name);
    return found == published().end() ? nullptr : new OpenImage{found->second.image, 0};
}

int readImage(void* buffer, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenImage*>(handle);
    const auto size = static_cast<long long>(open->image->size());
    if (count < 0 || count > size - open->position) {
        return FLUID_FAILED;
    }
    std::memcpy(buffer, open->image->data() + open->position, static_cast<std::size_t>(count));
    open->position += count;
    return FLUID_OK;
}

int seekImage(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenImage*>(handle);
    const auto size = static_cast<long long>(open->image->size());
    const long long base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? open->position : size;
    const long long target = base + offset;
    if (target < 0 || target > size) {
        return FLUID_FAILED;
    }
    open->position = target;
    return FLUID_OK;
}

fluid_long_long_t tellImage(void* handle) {
    return static_cast<OpenImage*>(handle)->position;
}

int closeImage(void* handle) {
    delete static_cast<OpenImage*>(handle);
    return FLUID_OK;
}

} // namespace

void addMemoryFontLoader(fluid_settings_t* settings, fluid_synth_t* synth) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (loader == nullptr) {
        return;
    }
    fluid_sfloader_set_callbacks(loader, openImage, readImage, seekImage, tellImage, closeImage);
    fluid_synth_add_sfloader(synth, loader);
}

int loadFontFromMemory(fluid_synth_t* synth, const std::vector<std::uint8_t>& image,
                       const std::string& label) {
    static std::atomic<unsigned long> loads{0};
    const std::string name = "soundlib-memory-" + std::to_string(++loads) + ":" + label;
    {
        std::lock_guard<std::mutex> lock(publishedMutex());
        published()[name] = {&image};
    }
    const int id = fluid_synth_sfload(synth, name.c_str(), 1);
    std::lock_guard<std::mutex> lock(publishedMutex());
    published().erase(name);
    return id;
}

} // namespace soundlib
