// The General MIDI percussion keys 35 to 81, one one-shot sample each.
#pragma once

#include "DlsWriter.h"

#include <vector>

std::vector<DlsWave> generalMidiDrumSounds();
