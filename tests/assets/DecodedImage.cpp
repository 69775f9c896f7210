// The tests' one adapter over DevIL.
#include "DecodedImage.h"

#include <IL/il.h>

namespace {

struct DevIL {
    DevIL() { ilInit(); }
};

} // namespace

std::optional<DecodedImage> DecodedImage::decode(const Bytes& bytes) {
    static DevIL started;
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    std::optional<DecodedImage> result;
    if (ilLoadL(IL_TYPE_UNKNOWN, bytes.data(), static_cast<ILuint>(bytes.size())) &&
        ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE)) {
        DecodedImage image;
        image.m_width = ilGetInteger(IL_IMAGE_WIDTH);
        image.m_height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* data = ilGetData();
        image.m_bottomFirst.resize(static_cast<std::size_t>(image.m_width * image.m_height));
        for (std::size_t i = 0; i < image.m_bottomFirst.size(); ++i) {
            image.m_bottomFirst[i] = {data[4 * i], data[4 * i + 1], data[4 * i + 2],
                                      data[4 * i + 3]};
        }
        result = image;
    }
    ilDeleteImages(1, &name);
    return result;
}

Texel DecodedImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return {0, 0, 0, 0};
    }
    return m_bottomFirst[static_cast<std::size_t>((m_height - 1 - y) * m_width + x)];
}
