// The sound generator of the asset builder: every sound file the games load.
#pragma once

#include "AssetSink.h"

// Puts "soPLAYdieYell.wav", "track003.ogg", "muIntro.ogg" and
// "soMusMetal.mid" into the archive and "gm.dls" into the run directory.
void buildSounds(AssetSink& sink);
