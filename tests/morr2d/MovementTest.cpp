// The box ground movement: one tick of each walking situation (sub-steps, a
// walk blocked at once, the bounce of characters nobody steers, the
// climbing search on the ground and in the air) in both directions, and
// jumps. The player walks the fixed level's slopes in MapTest.
#include <optional>
#include <vector>

#include "Entities/Characters/E_CharacterGround.h"
#include "Morr2dWorld.h"

namespace {

// A ground character 8 wide and 16 tall, its reference point at its top
// left.
class Walker : public E_CharacterGround {
  public:
    Walker(MapController* map, double x, double y)
        : E_CharacterGround(map, x, y, 0, 0, 8, 16, EN_CHARACTER_GROUND, 0, 10, SURFACE_METAL, 1) {}
    void draw() override {}
    void setOnGround(bool onGround) { m_onGround = onGround; }
};

struct Situation {
    const char* name;
    bool onFloor; // standing on a tile floor, or else in the air
    bool steered;
    double speed; // its walk speed when steered, its speed when not
    // Tiles by their top left corner, from the walker's front edge and feet.
    std::vector<std::pair<double, double>> tiles;
    double minTravel, maxTravel;
    double minRise; // 0: it must keep its height
    std::optional<double> speedAfter;
};

const std::vector<std::pair<double, double>> WALL_AHEAD = {{0, -16}, {0, -32}};

// On the ground the search tries thirty offsets from 1.5 below to about 1.4
// above the walk; in the air it only lifts, fifteen offsets from 0.
const Situation SITUATIONS[] = {
    {"walks four units in sub-steps", true, true, 4, {}, 4, 4, 0, {}},
    {"walks two sub-steps of 0.1 and one of 0.05", true, true, 0.25, {}, 0.25, 0.25, 0, {}},
    {"blocked on its first sub-step it stops", true, true, 4, WALL_AHEAD, 0, 0, 0, 0.0},
    {"unsteered it bounces back off a wall", true, false, 3, WALL_AHEAD, 0, 0, 0, -2.1},
    {"slow and unsteered it stops at a wall", true, false, 0.05, {{0, -16}}, 0, 0, 0, 0.0},
    {"climbs a rise of 1.35 on the ground", true, true, 4, {{0.05, -1.35}}, 1, 4, 1.3, {}},
    {"climbs no rise of 1.45 on the ground", true, true, 4, {{0.05, -1.45}}, 0, 0, 0, 0.0},
    {"is lifted over a ledge of 1.35 in the air", false, true, 4, {{0.05, -1.35}}, 1, 4, 1.3, {}},
    {"is not lifted over one of 1.45 in the air", false, true, 4, {{0.05, -1.45}}, 0, 0, 0, {}},
    {"keeps its height in the air with nothing ahead", false, true, 4, {}, 4, 4, 0, {}},
};

using Jumping = Morr2dEmpty;

enum Direction { RIGHT = 1, LEFT = -1 };

class Walking : public testing::TestWithParam<Direction> {
  protected:
    // Mirrors x about the middle of the level's first 640 units, so a
    // situation built for walking right walks left in its mirror.
    double mirrored(double x, double width) const {
        return GetParam() == RIGHT ? x : 640 - x - width;
    }
    Morr2dWorld world;
};

// Each situation has a lane of its own, 40 units below the last.
TEST_P(Walking, OneTickOfEachSituation) {
    const int direction = GetParam();
    const double startX = 100;
    std::vector<Walker*> walkers;
    for (std::size_t lane = 0; lane < std::size(SITUATIONS); ++lane) {
        const Situation& row = SITUATIONS[lane];
        const double top = 60 + 40.0 * lane, feet = top + 16;
        if (row.onFloor)
            for (double x = 0; x < 320; x += 16)
                world.wall(mirrored(x, 16), feet);
        for (const auto& [dx, dy] : row.tiles)
            world.wall(mirrored(startX + 8 + dx, 16), feet + dy);
        auto* walker = new Walker(&world.map(), mirrored(startX, 8), top);
        walker->setOnGround(row.onFloor);
        if (row.steered) {
            walker->setWalkSpeed(row.speed);
            walker->setControls(direction == LEFT, direction == RIGHT, false, false);
        } else {
            walker->setHasMoveControl(false);
            walker->setXSpeed(row.speed * direction);
        }
        walkers.push_back(walker);
    }
    world.tick();
    for (std::size_t lane = 0; lane < std::size(SITUATIONS); ++lane) {
        const Situation& row = SITUATIONS[lane];
        const Walker& walker = *walkers[lane];
        SCOPED_TRACE(row.name);
        const double travelled = (walker.getX() - mirrored(startX, 8)) * direction;
        EXPECT_GE(travelled, row.minTravel - 1e-9);
        EXPECT_LE(travelled, row.maxTravel + 1e-9);
        const double rise = 60 + 40.0 * lane - walker.getY();
        EXPECT_TRUE(row.minRise == 0 ? rise == 0 : rise > row.minRise) << "rose " << rise;
        EXPECT_TRUE(walker.getOnGround() || !row.onFloor);
        if (row.speedAfter) {
            EXPECT_DOUBLE_EQ(walker.getXSpeed(), *row.speedAfter * direction);
        }
    }
}

// The ground under a walker stepping down a 45-degree tile lies exactly on
// the diagonal a sub-step below it; the walker must not lose the ground
// there and fall down the slope in hops.
TEST_P(Walking, DownAFortyFiveDegreeTileWithoutLeavingTheGround) {
    const WallType falling = GetParam() == RIGHT ? WT_WALL_UDT : WT_WALL_DUT;
    world.wall(mirrored(0, 16), 100);
    world.wall(mirrored(16, 16), 100, falling);
    for (double x = 16; x < 64; x += 16)
        world.wall(mirrored(x, 16), 116);
    auto* walker = new Walker(&world.map(), mirrored(4, 8), 84);
    walker->setWalkSpeed(4);
    walker->setControls(GetParam() == LEFT, GetParam() == RIGHT, false, false);
    for (int tick = 0; tick < 8; ++tick) {
        world.tick();
        EXPECT_TRUE(walker->getOnGround()) << "tick " << tick << " at x " << walker->getX();
        EXPECT_EQ(walker->getYSpeed(), 0) << "tick " << tick;
    }
    EXPECT_NEAR(walker->getY(), 100, 1e-6) << "down on the lower floor";
}

INSTANTIATE_TEST_SUITE_P(BothWays, Walking, testing::Values(RIGHT, LEFT),
                         [](const testing::TestParamInfo<Direction>& info) {
                             return info.param == RIGHT ? "Right" : "Left";
                         });

TEST_F(Jumping, JumpsOnlyFromTheGroundAndReleaseHalvesOnlyInTheAir) {
    world.floor(0, 320, 100);
    auto* jumper = new Walker(&world.map(), 100, 84);
    jumper->setControls(false, false, true, false);
    world.tick();
    EXPECT_NEAR(jumper->getY(), 74, 1e-9) << "ten units up in the first tick";
    EXPECT_DOUBLE_EQ(jumper->getYSpeed(), -9.3);
    world.tick();
    EXPECT_DOUBLE_EQ(jumper->getYSpeed(), -8.6) << "no second jump in the air";
    jumper->setControls(false, false, false, true);
    world.tick();
    EXPECT_NEAR(jumper->getYSpeed(), -4.3 + 0.7, 1e-9);

    auto* grounded = new Walker(&world.map(), 200, 84);
    grounded->setYSpeed(-2);
    grounded->setControls(false, false, false, true);
    world.tick();
    EXPECT_NEAR(grounded->getY(), 82, 1e-9) << "released on the ground: not halved";
}

} // namespace
