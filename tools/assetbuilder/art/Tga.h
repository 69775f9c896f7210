// Uncompressed 32-bit Targa encoding of an Image. The games decode textures
// with DevIL, which honours the origin bit, so rows are stored top first.
#pragma once

#include "AssetSink.h"
#include "Image.h"

Bytes encodeTga(const Image& image);
