// The asset generators, one per family of assets. Each writes everything it
// makes into the sink; the builder's entry point calls them all.
#pragma once

#include "AssetSink.h"

void buildReadme(AssetSink& sink);
