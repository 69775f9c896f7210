// "gm.dls": a small General MIDI bank with just the instruments and drum
// keys of "soMusMetal.mid", all from synthesized waveforms.
#pragma once

#include "DlsWriter.h"

#include <vector>

std::vector<DlsInstrument> metalSongInstruments();
