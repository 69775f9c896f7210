// Where a system's mix goes: SDL's audio device, or nowhere.
#pragma once

#include "soundlib.h"

namespace soundlib {

class Output {
  public:
    virtual ~Output() = default;
    // Called by FMOD_System_Update once per frame.
    virtual FMOD_RESULT update() = 0;
};

} // namespace soundlib
