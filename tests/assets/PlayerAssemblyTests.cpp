// Puts the player's pieces together the way the game draws them and checks
// the figure they make: where it stands in its collision ellipse, that every
// leg frame reaches the ground, that the hips do not jump between frames and
// that the cycles really animate. Figure units span -64 .. 63 around the
// ellipse centre.
#include <algorithm>
#include <climits>
#include <cmath>

#include "ArtFixture.h"
#include "Catalogue.h"

namespace {

constexpr double kPi = 3.14159;

// Outer edges of everything opaque; right and bottom are exclusive.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    int width() const { return right - left; }
    void add(const Box& o) {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
};

CataloguedSprite spriteOf(const std::string& file) {
    for (const CataloguedSprite& s : cataloguedSprites())
        if (s.file == file)
            return s;
    ADD_FAILURE() << file << " has no sprite";
    return {};
}

std::string frame(const char* stem, int i) {
    return std::string(stem) + "0" + std::to_string(i) + ".tga";
}

class PlayerTest : public ArtTest {
  protected:
    // A piece drawn unrotated with its anchor at (x, y), shifted 8 units
    // left as the game draws everything of the player.
    static Box placed(const std::string& file, double x, double y) {
        const CataloguedSprite s = spriteOf(file);
        const DecodedImage picture = image(file);
        const int left = static_cast<int>(std::floor(x - 8 - s.xOffset));
        const int top = static_cast<int>(std::floor(y - s.yOffset));
        Box box;
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (picture.opaque(px, py))
                    box.add({left + px, top + py, left + px + 1, top + py + 1});
        return box;
    }

    // The upright player facing right, its neck and shoulder placed from
    // the body's anchor at (9, 15).
    static Box standingFigure(bool withArm) {
        const auto joint = [](double length, double degrees) {
            const double a = degrees * kPi / 180.0;
            return std::pair{9.0 + length * std::cos(a), 15.0 - length * std::sin(a)};
        };
        Box figure = placed("spPLAYbody.tga", 9, 15);
        const auto [neckX, neckY] = joint(9.06, 83);
        figure.add(placed("spPLAYhead.tga", neckX, neckY));
        figure.add(placed("spPLAYlegS.tga", 0, 0));
        if (withArm) {
            const auto [shoulderX, shoulderY] = joint(7.07, 98);
            figure.add(placed("spPLAYarmPIST00.tga", shoulderX, shoulderY));
        }
        return figure;
    }

    // Middle of the belt, the legs' topmost row, in figure units.
    static double beltCentre(const std::string& file) {
        const DecodedImage legs = image(file);
        for (int y = 0; y < legs.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < legs.width(); ++x)
                if (legs.opaque(x, y)) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            if (first >= 0)
                return (first + last + 1) / 2.0 - spriteOf(file).xOffset;
        }
        ADD_FAILURE() << file << " is empty";
        return 0;
    }

    // Pixels that look different once both frames are put in figure units.
    // Colour counts: half a cycle apart the silhouettes match and only which
    // leg is in front (lit) and which behind (shaded) tells them apart.
    static int differingPixels(const std::string& fileA, const std::string& fileB) {
        const DecodedImage a = image(fileA), b = image(fileB);
        const int shift = static_cast<int>(spriteOf(fileB).xOffset - spriteOf(fileA).xOffset);
        auto far = [](int u, int v) { return std::abs(u - v) > 24; };
        int count = 0;
        for (int y = 0; y < std::max(a.height(), b.height()); ++y)
            for (int x = -64; x < 64; ++x) {
                const Texel p = a.at(x, y), q = b.at(x + shift, y);
                count += far(p.a, q.a) || far(p.r, q.r) || far(p.g, q.g) || far(p.b, q.b);
            }
        return count;
    }
};

} // namespace

TEST_F(PlayerTest, StandingFigureFillsTheLowerHalfOfItsEllipseWithTheWeaponAhead) {
    const Box bare = standingFigure(false), armed = standingFigure(true);
    EXPECT_GE(bare.top, -2);
    EXPECT_LE(bare.top, 0);
    EXPECT_EQ(bare.bottom, 32);
    EXPECT_GE(bare.width(), 13);
    EXPECT_LE(bare.width(), 24);
    EXPECT_NEAR((bare.left + bare.right) / 2.0, 0.0, 4.0);
    // About 20 units with the weapon.
    EXPECT_GE(armed.right, bare.right + 6);
    EXPECT_LE(armed.width(), 30);
    EXPECT_EQ(armed.top, bare.top);
    EXPECT_EQ(armed.bottom, bare.bottom);
}

// Standing, walking and crouching legs reach the ellipse's bottom, crouching
// ones from lower down; jumping legs are tucked off the ground; the hips stay
// under the body's anchor at x = 9 in every frame.
TEST_F(PlayerTest, LegFramesReachTheGroundWithTheHipsUnderTheBody) {
    const double standing = beltCentre("spPLAYlegS.tga");
    EXPECT_NEAR(standing, 9.0, 1.5);
    std::vector<std::string> frames = {"spPLAYlegS.tga", "spPLAYlegJ.tga"};
    for (int i = 0; i < 6; ++i)
        frames.push_back(frame("spPLAYlegW", i));
    for (int i = 0; i < 8; ++i)
        frames.push_back(frame("spPLAYlegD", i));
    for (const std::string& file : frames) {
        SCOPED_TRACE(file);
        const Box box = placed(file, 0, 0);
        EXPECT_NEAR(beltCentre(file), standing, 1.0);
        if (file == "spPLAYlegJ.tga") {
            EXPECT_LT(box.bottom, 32);
            continue;
        }
        EXPECT_EQ(box.bottom, 32);
        EXPECT_GE(box.left, -14);
        EXPECT_LE(box.right, 24);
        const bool crouching = file.find("legD") != std::string::npos;
        if (crouching || file.find("legW") != std::string::npos) {
            EXPECT_EQ(box.top >= 19, crouching) << "crouching legs are shorter than walking ones";
        }
    }
}

TEST_F(PlayerTest, CycleFramesAllDifferFromEachOther) {
    const std::pair<const char*, int> cycles[] = {{"spPLAYlegW", 6}, {"spPLAYlegD", 8}};
    for (const auto& [stem, count] : cycles)
        for (int a = 0; a < count; ++a)
            for (int b = a + 1; b < count; ++b)
                EXPECT_GT(differingPixels(frame(stem, a), frame(stem, b)), 12)
                    << frame(stem, a) << " " << frame(stem, b);
}
