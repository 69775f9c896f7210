// The 128 melodic programs of General MIDI, sixteen families of eight, each
// family made its own way (see GmMelodic.cpp).
#pragma once

#include "DlsWriter.h"

#include <vector>

// Indexed by program; programs of `kept` (by program number) are taken as
// they are instead of being made here.
std::vector<DlsInstrument> generalMidiMelodic(const std::vector<DlsInstrument>& kept);
