// "gm.dls": a small General MIDI bank, all from synthesized waveforms.
#pragma once

#include "DlsWriter.h"

#include <vector>

// Just the instruments and drum keys of "soMusMetal.mid".
std::vector<DlsInstrument> metalSongInstruments();
// All 128 melodic programs and the standard drum kit (keys 35 to 81).
std::vector<DlsInstrument> generalMidiInstruments();
