// cragmoor's world on our real level: the cost of one contact search of a
// character-sized ellipse against the level's lines, and of one map tick
// with 1,000 active entities that fall and rest under gravity. Prints its
// figures; run it from the run directory (the level is read from there).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <physfs.h>
#include <vector>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "TestEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

// Falls under gravity against the level, the way characters do, and rests.
class FallingBody : public Entity {
  public:
    FallingBody(MapController* map, const Vector2& centre)
        : Entity(map, Ellipsoid2(centre, Vector2(16, 32)), EN_PHYSICS) {}
    void gameTick() override {
        m_fall = std::min(m_fall + 0.5, 16.0);
        const Vector2 motion(0, m_fall);
        const double moved = findContacts(motion);
        if (moved == 0)
            m_fall = 0;
        m_position.m_center += motion.normalize() * moved;
    }
    void draw() override {}

  private:
    double m_fall = 0;
};

template <class Work> double nanosecondsPerCall(int calls, Work&& work) {
    const Clock::time_point start = Clock::now();
    for (int call = 0; call < calls; ++call)
        work(call);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / calls;
}

} // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    TestEngine engine;
    MapStateController state(engine.state);
    state.initialize("legitLevel.obj");
    MapController& map = *state.getMapController();
    // Stay still while timing the world: the player's own tick is not measured.
    const std::list<Pointer<Entity>> active = map.getActiveEntities();
    for (const Pointer<Entity>& entity : active)
        entity->setActive(false);

    // Resting on the start floor (y 400): each search finds the floor at once.
    auto* resting = new FallingBody(&map, Vector2(400, 367));
    const double restingNs =
        nanosecondsPerCall(200000, [&](int) { resting->findContacts(Vector2(0, 1)); });
    // Sweeping sideways and down along the start run.
    const double sweepingNs = nanosecondsPerCall(
        200000, [&](int call) { resting->findContacts(Vector2(call % 2 == 0 ? 4 : -4, 8)); });
    resting->destroy();

    std::vector<FallingBody*> bodies;
    for (int i = 0; i < 1000; ++i)
        bodies.push_back(
            new FallingBody(&map, Vector2(150 + (i % 100) * 8.5, 50 + (i / 100) * 20)));
    for (int warmUp = 0; warmUp < 60; ++warmUp)
        map.gameTick();
    const double tickUs = nanosecondsPerCall(200, [&](int) { map.gameTick(); }) / 1000.0;

    std::printf("Contact search on our level, resting on a floor: %.0f ns per call\n", restingNs);
    std::printf("Contact search on our level, walking and falling: %.0f ns per call\n", sweepingNs);
    std::printf("Map tick with 1,000 active bodies falling and resting: %.1f us\n", tickUs);
    return 0;
}
