// The level of cragmoor for the asset builder: the mesh with its material
// library in the run directory, their pictures and the sky in the archive.
#pragma once

#include "AssetSink.h"

void buildLevel(AssetSink& sink);
