// The level mesh drawn in batches (display lists of consecutive faces sharing
// a texture, those outside the view left out) gives the very picture of all
// faces drawn one by one, each from a display list of its own, in file order:
// compared pixel for pixel over views of the real level. The batches of
// opaque textures are drawn without blending, so the background is coloured
// for a wrongly unblended face to show.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <vector>

#include "CragmoorWorld.h"

namespace {

// The eye stands this far in front of the world plane.
constexpr float EYE_DISTANCE = 1300.0f;

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
        glTranslatef(static_cast<float>(-view.m_x), static_cast<float>(-view.m_y), -EYE_DISTANCE);
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
    struct View {
        Vector2 centre;
        bool showsMesh;
    };
    for (const View& shot : {View{Vector2(400, 368), true}, View{Vector2(2700, 500), true},
                             View{Vector2(4700, 700), true}, View{Vector2(5400, 600), true},
                             View{Vector2(7400, 1200), true}, View{Vector2(-900, 0), true},
                             View{Vector2(8900, 1400), true}, View{Vector2(4000, -1500), false}}) {
        // Named copies, not structured bindings: a lambda may not capture those.
        const Vector2 view = shot.centre;
        const bool showsMesh = shot.showsMesh;
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

} // namespace
