// Output through SDL 1.2's audio device: SDL's audio thread calls back for
// each device buffer, and the callback mixes every playing channel into it.
// The engine starts SDL's video before us and quits all of SDL before it
// releases us, so audio is brought up and down as a subsystem of its own and
// a subsystem that is already gone is left alone.
#pragma once

#include "Mixer.h"
#include "Output.h"

#include <memory>
#include <string>
#include <vector>

namespace soundlib {

class SdlOutput : public Output {
  public:
    // 1 when SDL can open its audio device (honouring SDL_AUDIODRIVER), else 0.
    static int countDrivers(int mixRate, int channels, int bufferFrames);
    // "SDL audio (<driver>)".
    static std::string driverName();
    static std::unique_ptr<SdlOutput> open(Mixer& mixer, int mixRate, int channels,
                                           int bufferFrames, FMOD_RESULT& result);
    ~SdlOutput() override;
    SdlOutput(const SdlOutput&) = delete;
    SdlOutput& operator=(const SdlOutput&) = delete;

    FMOD_RESULT update() override;

  private:
    SdlOutput(Mixer& mixer, bool ownsSubsystem) : mixer_(mixer), ownsSubsystem_(ownsSubsystem) {}
    static void fill(void* user, unsigned char* stream, int length);

    Mixer& mixer_;
    bool ownsSubsystem_;
    std::vector<float> block_;
};

} // namespace soundlib
