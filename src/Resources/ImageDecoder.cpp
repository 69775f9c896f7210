// DevIL behind one call. Targa files are judged before decoding: DevIL
// allocates the declared size before reading the data, and it refuses the
// two right-hand origins, which Targa allows; those are decoded as their
// left-hand twins and mirrored here.
#include "Resources/ImageDecoder.h"

#include <IL/il.h>
#include <algorithm>
#include <cstddef>

#include "Resources/ImageCheck.h"

namespace {

const std::size_t TGA_DESCRIPTOR_OFFSET = 17;
const char TGA_RIGHT_ORIGIN_BIT = 0x10;
const int RGBA_BYTES = 4;

// The formats handed to DevIL. Some of its readers never return on damaged
// input: its Apple icon reader loops forever on a 154-byte file, and its JPEG
// reader on any marker that claims more bytes than the file still holds (7
// bytes suffice), since its end-of-data handler leaves the buffer empty for
// a skip that waits for it to fill. So only Targa, PNG and BMP are decoded.
bool isDecodedFormat(ILenum type) {
    return type == IL_TGA || type == IL_PNG || type == IL_BMP;
}

bool fitsTexture(unsigned side, int maxTextureSide) {
    return side > 0 && nextPow2(side) <= static_cast<unsigned>(maxTextureSide);
}

// DevIL's image handle for the length of one decode.
class BoundImage {
  public:
    BoundImage() : m_image(ilGenImage()) { ilBindImage(m_image); }
    ~BoundImage() { ilDeleteImage(m_image); }
    BoundImage(const BoundImage&) = delete;
    BoundImage& operator=(const BoundImage&) = delete;

  private:
    ILuint m_image;
};

void mirrorLeftToRight(std::vector<unsigned char>& rgba, int width, int height) {
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &rgba[std::size_t(y) * width * RGBA_BYTES];
        for (int left = 0, right = width - 1; left < right; ++left, --right)
            std::swap_ranges(row + left * RGBA_BYTES, row + (left + 1) * RGBA_BYTES,
                             row + right * RGBA_BYTES);
    }
}

ImageDecodeResult decodeBound(const std::vector<char>& lump, ILenum type, int maxTextureSide,
                              bool mirrored, DecodedImage& image) {
    // DevIL's signature takes a non-const lump; it only reads it.
    if (!ilLoadL(type, const_cast<char*>(lump.data()), static_cast<ILuint>(lump.size())))
        return ImageDecodeResult::Refused;
    const ILint width = ilGetInteger(IL_IMAGE_WIDTH), height = ilGetInteger(IL_IMAGE_HEIGHT);
    if (width <= 0 || height <= 0 || !fitsTexture(unsigned(width), maxTextureSide) ||
        !fitsTexture(unsigned(height), maxTextureSide))
        return ImageDecodeResult::Refused;
    if (!ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE))
        return ImageDecodeResult::NotConvertible;
    const auto* pixels = static_cast<const unsigned char*>(ilGetData());
    std::vector<unsigned char> rgba(pixels,
                                    pixels + std::size_t(width) * std::size_t(height) * RGBA_BYTES);
    if (mirrored)
        mirrorLeftToRight(rgba, width, height);
    image.width = width;
    image.height = height;
    image.textureWidth = static_cast<int>(nextPow2(unsigned(width)));
    image.textureHeight = static_cast<int>(nextPow2(unsigned(height)));
    image.rgba = std::move(rgba);
    return ImageDecodeResult::Decoded;
}

} // namespace

unsigned int nextPow2(unsigned int value) {
    --value;
    value |= value >> 1;
    value |= value >> 2;
    value |= value >> 4;
    value |= value >> 8;
    value |= value >> 16;
    return value + 1;
}

ImageDecodeResult decodeImage(const std::vector<char>& file, int maxTextureSide,
                              DecodedImage& image) {
    if (file.empty())
        return ImageDecodeResult::Refused;
    ILenum type = ilDetermineTypeL(file.data(), static_cast<ILuint>(file.size()));
    const std::optional<TgaHeader> tga = readTgaHeader(file);
    // DevIL does not recognise a right-origin Targa file as one at all.
    if (type == IL_TYPE_UNKNOWN && tga && tga->rightOrigin())
        type = IL_TGA;
    if (!isDecodedFormat(type))
        return ImageDecodeResult::Refused;

    std::vector<char> lump;
    if (type == IL_TGA) {
        if (!tga || !fitsTexture(tga->width, maxTextureSide) ||
            !fitsTexture(tga->height, maxTextureSide) || !tgaDataComplete(*tga, file))
            return ImageDecodeResult::Refused;
        if (tga->rightOrigin()) {
            lump = file;
            lump[TGA_DESCRIPTOR_OFFSET] &= static_cast<char>(~TGA_RIGHT_ORIGIN_BIT);
        }
    }
    const std::vector<char>& input = lump.empty() ? file : lump;

    BoundImage bound;
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    return decodeBound(input, type, maxTextureSide, tga && type == IL_TGA && tga->rightOrigin(),
                       image);
}
