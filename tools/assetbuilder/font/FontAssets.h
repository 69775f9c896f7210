// The game's bitmap font: "FN_12.fnt" and its page image, rasterised from
// DejaVu Sans at 12 pixels when the assets are built.
#pragma once

#include "AssetSink.h"

void buildFont(AssetSink& sink);
