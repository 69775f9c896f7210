// The real level drawn on a real context. The mesh drawn in batches (display
// lists of consecutive faces sharing a texture, those outside the view left
// out) gives the very picture of all faces drawn one by one, each from a
// display list of its own, in file order: compared pixel for pixel over views
// of the real level. The batches of opaque textures are drawn without
// blending, so the background is coloured for a wrongly unblended face to
// show. And a frame of the map: the sky fills the screen and the mesh covers
// it where the level's geometry projects.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <utility>
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

class MeshBatch : public testing::Test {
  protected:
    MeshBatch() : world(REAL_LEVEL) {
        for (const MapController::Face3& face : world.map().getFaces()) {
            const GLuint list = glGenLists(1);
            glNewList(list, GL_COMPILE);
            face.glCommands();
            glEndList();
            faceLists.push_back(list);
        }
    }
    ~MeshBatch() override {
        for (const GLuint list : faceLists)
            glDeleteLists(list, 1);
    }

    // The frame buffer after drawing the mesh as the map does, from a view
    // centred on `view`.
    template <class Draw> std::vector<unsigned char> frame(const Vector2& view, Draw&& draw) {
        glClearColor(0.25f, 0.5f, 0.75f, 0.5f);
        world.engine.video->preDraw();
        // Through the flat projection, so that the perspective one is set up
        // afresh with an identity model-view.
        world.engine.video->set2Dmode();
        world.engine.video->set3Dmode();
        // The eye stands 1300 in front of the world plane.
        glTranslatef(static_cast<float>(-view.m_x), static_cast<float>(-view.m_y), -1300.0f);
        glEnable(GL_LIGHTING);
        draw();
        glDisable(GL_LIGHTING);
        EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "blending left off for what is drawn next";
        return world.readFrame();
    }

    CragmoorWorld world;
    std::vector<GLuint> faceLists;
};

TEST_F(MeshBatch, BatchedMeshDrawsTheSamePixelsAsOneListPerFace) {
    const std::size_t faces = world.map().getFaceCount();
    ASSERT_GT(faces, 3000u);
    EXPECT_LT(world.map().getLevelMeshListCount(), faces / 10) << "hardly batched";
    // Views across the level, beyond its ends and outside it.
    // The start, the pit, the tunnel, the platforms and the valley.
    const std::pair<Vector2, bool> views[] = {
        {{400, 368}, true},   {{2700, 500}, true}, {{4700, 700}, true},  {{5400, 600}, true},
        {{7400, 1200}, true}, {{-900, 0}, true},   {{8900, 1400}, true}, {{4000, -1500}, false}};
    for (const auto& [centre, showsMesh] : views) {
        // A copy, since a lambda may not capture a structured binding.
        const Vector2 view = centre;
        const std::vector<unsigned char> oneByOne = frame(view, [&] {
            for (const GLuint list : faceLists)
                glCallList(list);
        });
        const std::vector<unsigned char> batched =
            frame(view, [&] { world.map().drawLevelMesh(view); });
        std::size_t differing = 0;
        for (std::size_t i = 0; i < oneByOne.size(); ++i)
            differing += oneByOne[i] != batched[i] ? 1 : 0;
        EXPECT_EQ(differing, 0u) << "view at " << view.m_x << ", " << view.m_y;
        // Most views must show some of the mesh for the comparison to mean
        // anything; the one high above the level shows none.
        const std::vector<unsigned char> empty = frame(view, [] {});
        EXPECT_EQ(empty != batched, showsMesh) << "view at " << view.m_x << ", " << view.m_y;
    }
}

using MapFrame = MeshBatch;

TEST_F(MapFrame, SkyFillsTheScreenAndTheMeshCoversItWhereTheLevelProjects) {
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

} // namespace
