// Puts the player's pieces together the way the game draws them and checks
// the figure they make: where it stands in its collision ellipse, that every
// leg frame reaches the ground, that the hips do not jump between frames and
// that the cycles really animate.
#include <algorithm>
#include <cmath>

#include "ArtFixture.h"
#include "Catalogue.h"

namespace {

constexpr double kPi = 3.14159;
// The figure canvas spans x and y from -64 to 63 around the ellipse centre.
constexpr int kReach = 64;

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
    bool empty() const { return left > right; }
    int width() const { return right - left; }
};

class Figure {
  public:
    // Draws a picture unrotated with its anchor at (x, y) in figure units.
    void place(const DecodedImage& picture, float anchorX, float anchorY, double x, double y) {
        const int left = static_cast<int>(std::floor(x - anchorX));
        const int top = static_cast<int>(std::floor(y - anchorY));
        for (int py = 0; py < picture.height(); ++py) {
            for (int px = 0; px < picture.width(); ++px) {
                if (picture.opaque(px, py)) {
                    mark(left + px, top + py);
                }
            }
        }
    }
    // Outer edges of everything opaque: right and bottom are exclusive.
    const Box& box() const { return m_box; }

  private:
    void mark(int x, int y) {
        m_box.left = std::min(m_box.left, x);
        m_box.top = std::min(m_box.top, y);
        m_box.right = std::max(m_box.right, x + 1);
        m_box.bottom = std::max(m_box.bottom, y + 1);
    }
    Box m_box;
};

CataloguedSprite spriteOf(const std::string& file) {
    for (const CataloguedSprite& s : cataloguedSprites()) {
        if (s.file == file) {
            return s;
        }
    }
    ADD_FAILURE() << file << " has no sprite";
    return {};
}

// The neck or shoulder point of an upright player facing right.
std::pair<double, double> jointPoint(double length, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {9.0 + length * std::cos(a), 15.0 - length * std::sin(a)};
}

std::string twoDigits(const char* stem, int i) {
    return std::string(stem) + "0" + std::to_string(i) + ".tga";
}

class PlayerTest : public ArtTest {
  protected:
    void placeSprite(Figure& figure, const std::string& file, double x, double y) {
        const CataloguedSprite s = spriteOf(file);
        // The game draws everything of the player shifted 8 units left.
        figure.place(image(file), s.xOffset, s.yOffset, x - 8, y);
    }

    Figure standingFigure(bool withArm) {
        Figure figure;
        const auto [neckX, neckY] = jointPoint(9.06, 83);
        const auto [shoulderX, shoulderY] = jointPoint(7.07, 98);
        placeSprite(figure, "spPLAYbody.tga", 9, 15);
        placeSprite(figure, "spPLAYhead.tga", neckX, neckY);
        placeSprite(figure, "spPLAYlegS.tga", 0, 0);
        if (withArm) {
            placeSprite(figure, "spPLAYarmPIST00.tga", shoulderX, shoulderY);
        }
        return figure;
    }

    Box legsBox(const std::string& file) {
        Figure figure;
        placeSprite(figure, file, 0, 0);
        return figure.box();
    }

    // Middle of the belt, the legs' topmost row, in figure units.
    double beltCentre(const std::string& file) {
        const CataloguedSprite s = spriteOf(file);
        const DecodedImage legs = image(file);
        for (int y = 0; y < legs.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < legs.width(); ++x) {
                if (legs.opaque(x, y)) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            if (first >= 0) {
                return (first + last + 1) / 2.0 - s.xOffset;
            }
        }
        ADD_FAILURE() << file << " is empty";
        return 0;
    }

    // Pixels that look different once both frames are put in figure units.
    // Colour counts: half a cycle apart the silhouettes match and only which
    // leg is in front (lit) and which behind (shaded) tells them apart.
    static int differingPixels(const DecodedImage& a, const DecodedImage& b, float shift) {
        auto far = [](int u, int v) { return std::abs(u - v) > 24; };
        int count = 0;
        for (int y = 0; y < std::max(a.height(), b.height()); ++y) {
            for (int x = -kReach; x < kReach; ++x) {
                const Texel p = a.at(x, y), q = b.at(x + static_cast<int>(shift), y);
                count += far(p.a, q.a) || far(p.r, q.r) || far(p.g, q.g) || far(p.b, q.b);
            }
        }
        return count;
    }
};

} // namespace

TEST_F(PlayerTest, StandingFigureFillsTheLowerHalfOfItsEllipse) {
    const Box box = standingFigure(false).box();
    EXPECT_GE(box.top, -2);
    EXPECT_LE(box.top, 0);
    EXPECT_EQ(box.bottom, 32);
    EXPECT_GE(box.width(), 13);
    EXPECT_LE(box.width(), 24);
    EXPECT_GE(box.left, -16);
    EXPECT_LE(box.right, 16);
    EXPECT_NEAR((box.left + box.right) / 2.0, 0.0, 4.0);
}

TEST_F(PlayerTest, WeaponReachesOutAheadAtShoulderHeight) {
    const Box bare = standingFigure(false).box();
    const Box armed = standingFigure(true).box();
    EXPECT_GE(armed.right, bare.right + 6);
    EXPECT_GE(armed.width(), 18); // about 20 units with the weapon
    EXPECT_LE(armed.width(), 30);
    EXPECT_EQ(armed.top, bare.top);
    EXPECT_EQ(armed.bottom, bare.bottom);
}

TEST_F(PlayerTest, EveryStandingLegFrameReachesTheEllipseBottom) {
    std::vector<std::string> frames = {"spPLAYlegS.tga"};
    for (int i = 0; i < 6; ++i) {
        frames.push_back(twoDigits("spPLAYlegW", i));
    }
    for (int i = 0; i < 8; ++i) {
        frames.push_back(twoDigits("spPLAYlegD", i));
    }
    for (const std::string& file : frames) {
        const Box box = legsBox(file);
        EXPECT_EQ(box.bottom, 32) << file;
        EXPECT_GE(box.left, -14) << file;
        EXPECT_LE(box.right, 24) << file;
    }
}

TEST_F(PlayerTest, CrouchingLegsAreShorterThanWalkingLegs) {
    for (int i = 0; i < 8; ++i) {
        EXPECT_GE(legsBox(twoDigits("spPLAYlegD", i)).top, 19);
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_LT(legsBox(twoDigits("spPLAYlegW", i)).top, 19);
    }
}

TEST_F(PlayerTest, JumpingLegsAreTuckedOffTheGround) {
    EXPECT_LT(legsBox("spPLAYlegJ.tga").bottom, 32);
}

TEST_F(PlayerTest, HipsStayUnderTheBodyInEveryLegFrame) {
    const double standing = beltCentre("spPLAYlegS.tga");
    EXPECT_NEAR(standing, 9.0, 1.5); // under the body's anchor at x = 9
    EXPECT_NEAR(beltCentre("spPLAYlegJ.tga"), standing, 1.0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(beltCentre(twoDigits("spPLAYlegW", i)), standing, 1.0) << i;
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(beltCentre(twoDigits("spPLAYlegD", i)), standing, 1.0) << i;
    }
}

TEST_F(PlayerTest, CycleFramesAllDifferFromEachOther) {
    const std::pair<const char*, int> cycles[] = {{"spPLAYlegW", 6}, {"spPLAYlegD", 8}};
    for (const auto& [stem, count] : cycles) {
        for (int a = 0; a < count; ++a) {
            for (int b = a + 1; b < count; ++b) {
                const std::string fa = twoDigits(stem, a), fb = twoDigits(stem, b);
                const float shift = spriteOf(fb).xOffset - spriteOf(fa).xOffset;
                EXPECT_GT(differingPixels(image(fa), image(fb), shift), 12) << fa << " " << fb;
            }
        }
    }
}
