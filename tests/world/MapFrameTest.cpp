// The real level drawn on a real context: the sky fills the screen and the
// mesh covers it where the level's geometry projects.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <vector>

#include "CragmoorWorld.h"
#include "Pixels.h"

namespace {

// Where a point of the world plane z = 0 appears in the view: the eye is
// 1300 in front of the plane and the near plane, 400 away, spans the view.
Vector2 projectToView(const Vector2& world, const Vector2& viewPosition) {
    const double scale = 400.0 / 1300.0;
    return Vector2(320 + (world.m_x - viewPosition.m_x) * scale,
                   240 + (world.m_y - viewPosition.m_y) * scale);
}

std::vector<unsigned char> frameWithViewAt(CragmoorWorld& world, const Vector2& viewPosition) {
    world.map().viewSetPosition(viewPosition);
    world.engine.video->preDraw();
    world.map().gameFrame();
    return world.readFrame();
}

} // namespace

TEST(MapFrame, SkyFillsTheScreenAndTheMeshCoversItWhereTheLevelProjects) {
    CragmoorWorld world(REAL_LEVEL);
    ASSERT_GT(world.map().getFaceCount(), 3000u);
    const int width = world.engine.settings->getVIDEO_screenWidth();
    const int height = world.engine.settings->getVIDEO_screenHeight();
    const double scale = width / 640.0;
    const Vector2 start(320, 240);
    const std::vector<unsigned char> level = frameWithViewAt(world, start);
    // Far below the level nothing but the sky is in view.
    const std::vector<unsigned char> skyOnly = frameWithViewAt(world, Vector2(4500, 8700));

    const auto at = [&](const std::vector<unsigned char>& frame, double viewX, double viewY) {
        const int x = static_cast<int>(viewX * scale);
        const int y = height - 1 - static_cast<int>(viewY * scale);
        const unsigned char* p = &frame[4 * (std::size_t(y) * width + x)];
        return Rgb{p[0], p[1], p[2]};
    };
    std::size_t clearColoured = 0, changedByMesh = 0;
    for (int y = 0; y < 480; y += 4)
        for (int x = 0; x < 640; x += 4) {
            const Rgb pixel = at(level, x, y);
            clearColoured += pixel == Rgb{13, 0, 0} ? 1 : 0;
            changedByMesh += pixel != at(skyOnly, x, y) ? 1 : 0;
        }
    const std::size_t samples = 160 * 120;
    EXPECT_LT(clearColoured, samples / 20) << "the sky and the level cover the screen";
    EXPECT_GT(changedByMesh, samples / 5) << "the mesh covers a good part of the view";

    // The ground under the start, and the solid rock deep below it.
    for (const Vector2& solid : {Vector2(400, 700), Vector2(700, 900)}) {
        const Vector2 view = projectToView(solid, start);
        EXPECT_NE(at(level, view.m_x, view.m_y), at(skyOnly, view.m_x, view.m_y))
            << "no mesh where the point (" << solid.m_x << ", " << solid.m_y << ") projects";
    }
}
