// The game's art: every texture file of the resource catalogue, made by code
// and stored in the archive as 32-bit TGA images with alpha.
#pragma once

#include "AssetSink.h"

void buildArt(AssetSink& sink);
