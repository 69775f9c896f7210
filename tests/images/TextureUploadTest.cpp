// Textures uploaded on a real context. A picture whose sides are no powers of
// two holds exactly what GLU's stretch of the decoded picture gives, byte for
// byte, and keeps its own size; one whose sides are goes up as it is.
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Resources/ImageDecoder.h"
#include "Resources/Texture.h"
#include "TestEngine.h"
#include "TgaBytes.h"
#include "VirtualFolder.h"

namespace {

// Colour and alpha change across the whole picture, so any other filter
// shows in most texels.
std::vector<char> gradientTga(int width, int height) {
    TgaFields fields;
    fields.width = static_cast<std::uint16_t>(width);
    fields.height = static_cast<std::uint16_t>(height);
    std::vector<char> file = tgaHeader(fields);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            append(file, {(x * 255) / width, (y * 255) / height, (x * y * 37) % 256,
                          255 - ((x + y) * 11) % 200});
    return file;
}

} // namespace

TEST(TextureUpload, OddSizedPicturesHoldExactlyGlusStretch) {
    TestEngine engine;
    VirtualFolder folder;
    for (const auto& [width, height] : {std::pair{20, 30}, {3, 5}, {33, 17}, {1, 7}, {16, 8}}) {
        const std::string name = std::to_string(width) + "x" + std::to_string(height) + ".tga";
        SCOPED_TRACE(name);
        const std::vector<char> file = gradientTga(width, height);
        folder.write(name, file);
        DecodedImage picture;
        ASSERT_EQ(decodeImage(file, 4096, picture), ImageDecodeResult::Decoded);
        const int textureWidth = picture.textureWidth, textureHeight = picture.textureHeight;
        std::vector<unsigned char> expected(std::size_t(textureWidth) * textureHeight * 4);
        ASSERT_EQ(gluScaleImage(GL_RGBA, width, height, GL_UNSIGNED_BYTE, picture.rgba.data(),
                                textureWidth, textureHeight, GL_UNSIGNED_BYTE, expected.data()),
                  0);

        Texture texture(engine.controller.get());
        texture.load(name.c_str(), GL_CLAMP, GL_CLAMP);
        EXPECT_EQ(texture.getWidth(), width);
        EXPECT_EQ(texture.getHeight(), height);
        glBindTexture(GL_TEXTURE_2D, texture.getTexture());
        GLint uploadedWidth = 0, uploadedHeight = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &uploadedWidth);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &uploadedHeight);
        ASSERT_EQ(uploadedWidth, textureWidth);
        ASSERT_EQ(uploadedHeight, textureHeight);
        std::vector<unsigned char> texels(expected.size());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        EXPECT_TRUE(texels == expected) << "the uploaded texels differ from GLU's stretch";
    }
}
