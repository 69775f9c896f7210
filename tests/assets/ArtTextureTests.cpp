// Every catalogued texture: present, decodable, with real transparency, and
// with each sprite's anchor on the part of the picture it belongs to.
#include <set>

#include "ArtFixture.h"
#include "Catalogue.h"

namespace {

bool isPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

bool opaqueNear(const DecodedImage& image, float x, float y, int radius) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (image.opaque(static_cast<int>(x) + dx, static_cast<int>(y) + dy)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(ArtTest, ArchiveHoldsExactlyTheCataloguedTextures) {
    const std::vector<std::string> expected = cataloguedTextureFiles();
    std::set<std::string> stored;
    for (const auto& [name, bytes] : sink().archive) {
        stored.insert(name);
    }
    EXPECT_EQ(stored, std::set<std::string>(expected.begin(), expected.end()));
    EXPECT_EQ(expected.size(), 42u);
}

TEST_F(ArtTest, EveryTextureHasTransparentBackgroundAndOpaqueFigure) {
    for (const std::string& file : cataloguedTextureFiles()) {
        const DecodedImage picture = image(file);
        int clear = 0, solid = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int a = picture.at(x, y).a;
                clear += a == 0;
                solid += a == 255;
            }
        }
        const int area = picture.width() * picture.height();
        EXPECT_GT(clear, area / 5) << file;
        EXPECT_GT(solid, 12) << file;
    }
}

TEST_F(ArtTest, SizesArePowersOfTwoSoTheGamesUploadThemUnstretched) {
    for (const std::string& file : cataloguedTextureFiles()) {
        const DecodedImage picture = image(file);
        EXPECT_TRUE(isPowerOfTwo(picture.width())) << file << " width " << picture.width();
        EXPECT_TRUE(isPowerOfTwo(picture.height())) << file << " height " << picture.height();
    }
}

TEST_F(ArtTest, AnchorsLieOnTheirPictures) {
    for (const CataloguedSprite& sprite : cataloguedSprites()) {
        if (sprite.yOffset < 0 || sprite.file == "vexLogo.tga") {
            continue; // legs hang below their anchor; the logo is placed by its corner
        }
        const DecodedImage picture = image(sprite.file);
        EXPECT_TRUE(opaqueNear(picture, sprite.xOffset, sprite.yOffset, 2))
            << sprite.file << " has nothing near its anchor " << sprite.xOffset << ","
            << sprite.yOffset;
    }
}

TEST_F(ArtTest, BodyCarriesTheNeckAndShoulderPoints) {
    // Seen from the body's anchor the game puts the neck 9.06 units away at
    // 83 degrees and the shoulder 7.07 units away at 98 degrees.
    const DecodedImage body = image("spPLAYbody.tga");
    EXPECT_TRUE(body.opaque(7, 1)) << "neck";
    EXPECT_TRUE(body.opaque(5, 3)) << "shoulder";
    EXPECT_TRUE(body.opaque(6, 10)) << "waist";
}

TEST_F(ArtTest, PistolShoulderStaysOnTheSleeveThroughTheRecoil) {
    const std::vector<std::pair<std::string, int>> frames = {{"spPLAYarmPIST00.tga", 2},
                                                             {"spPLAYarmPIST01.tga", 3},
                                                             {"spPLAYarmPIST02.tga", 5},
                                                             {"spPLAYarmPIST03.tga", 4}};
    for (const auto& [file, anchorY] : frames) {
        const DecodedImage arm = image(file);
        EXPECT_TRUE(arm.opaque(2, anchorY)) << file;
        EXPECT_TRUE(arm.opaque(2, anchorY + 1)) << file;
    }
}
