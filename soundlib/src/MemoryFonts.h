// Lets FluidSynth's SoundFont loader read a SoundFont image from memory:
// FluidSynth opens fonts by name through file callbacks, so the image is
// published under a name no file has for as long as the load takes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <fluidsynth.h>

namespace soundlib {

// Adds a SoundFont loader that reads published images to `synth`, which
// takes ownership of it.
void addMemoryFontLoader(fluid_settings_t* settings, fluid_synth_t* synth);

// Loads `image` into `synth` as a SoundFont; FluidSynth's font id, or
// FLUID_FAILED. `label` names the image in FluidSynth's own messages.
int loadFontFromMemory(fluid_synth_t* synth, const std::vector<std::uint8_t>& image,
                       const std::string& label);

} // namespace soundlib
