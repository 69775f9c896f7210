// A walk through the level, left to right (floor heights are world y; the
// character is 32 wide and 64 tall, jumps 95 high and about 155 far):
//   0-96      brick end wall
//   96-1000   start run at 400, a thin ledge at 314 to jump onto (room below)
//   1000-1400 gentle slope up (27 degrees) to a plateau at 200 with a ledge
//   1700-1938 walkable slope down (40 degrees)
//   2500-2928 the pit: a 63-degree slope too steep to climb on the left, a
//             floor at 600, a way out up two steps on the right and, back
//             to the left, up two thin ledges
//   3400-3528 a gap to jump; falling in lands in a cave under the island that
//             leads out into the lower ground
//   3528-4100 the island at 400, then a drop to the lower ground at 760, and
//             back up a staircase of four thin ledges
//   4500-4900 a tunnel through a rock mass, its ceiling 88 above the floor
//   5180-5620 three brick platforms, 70 apart in height, up to
//   5700      a brick wall 280 high (too high to jump) topped by a plateau
//   6300-6820 a long walkable slope down (30 degrees)
//   7000-7231 a 60-degree cliff down to the valley, four rock ledges jutting
//             from it, 86 apart, the way back up
//   7450-7750 a slope down (35 degrees) to the far valley floor at 1390
//   7904-8000 brick end wall
// Every drop has a way back, so a player can always return to the start.
#include "LevelLayout.h"

#include <limits>

namespace level {

namespace {

constexpr double kBottom = 2000;

SolidOutline mainGround() {
    const Material brick = Material::Brick;
    SolidOutline ground;
    ground.corners = {
        {{0, kBottom}, {}},
        {{0, 0}, brick},
        {{96, 0}, brick},
        {{96, 400}, {}},
        {{1000, 400}, {}},
        {{1400, 200}, {}},
        {{1700, 200}, {}},
        {{1938, 400}, {}},
        {{2500, 400}, {}},
        {{2600, 600}, {}},
        {{2800, 600}, {}},
        {{2800, 530}, {}},
        {{2864, 530}, {}},
        {{2864, 460}, {}},
        {{2928, 460}, {}},
        {{2928, 400}, {}},
        {{3400, 400}, {}},
        {{3400, 760}, {}},
        {{5700, 760}, brick},
        {{5700, 480}, {}},
        {{6300, 480}, {}},
        {{6820, 780}, {}},
        {{7000, 780}, {}},
        // Ledges jutting from the cliff, each 86 above the next and 16 thick,
        // so that the one below still has room under it.
        {{7032, 836}, {}},
        {{7130, 836}, {}},
        {{7130, 852}, {}},
        {{7042, 852}, {}},
        {{7082, 922}, {}},
        {{7200, 922}, {}},
        {{7200, 938}, {}},
        {{7091, 938}, {}},
        {{7132, 1008}, {}},
        {{7260, 1008}, {}},
        {{7260, 1024}, {}},
        {{7141, 1024}, {}},
        {{7181, 1094}, {}},
        {{7350, 1094}, {}},
        {{7350, 1110}, {}},
        {{7191, 1110}, {}},
        {{7231, 1180}, {}},
        {{7450, 1180}, {}},
        {{7750, 1390}, {}},
        {{7904, 1390}, brick},
        {{7904, 0}, brick},
        {{8000, 0}, brick},
        {{8000, kBottom}, {}},
    };
    return ground;
}

SolidOutline island() {
    SolidOutline solid;
    solid.corners = {{{3528, 400}, {}}, {{4100, 400}, {}}, {{4100, 560}, {}}, {{4040, 630}, {}},
                     {{3900, 645}, {}}, {{3700, 612}, {}}, {{3528, 625}, {}}};
    return solid;
}

SolidOutline tunnelRock() {
    SolidOutline solid;
    solid.corners = {{{4500, 0}, {}},   {{4900, 0}, {}},   {{4900, 560}, {}},
                     {{4840, 672}, {}}, {{4560, 672}, {}}, {{4500, 560}, {}}};
    solid.grassOnTop = false;
    return solid;
}

SolidOutline slab(double left, double right, double top, double thickness, Material material) {
    SolidOutline solid;
    solid.corners = {{{left, top}, {}},
                     {{right, top}, {}},
                     {{right, top + thickness}, {}},
                     {{left, top + thickness}, {}}};
    solid.sides = material;
    solid.grassOnTop = material != Material::Brick;
    solid.bumpiness = 0.4;
    return solid;
}

} // namespace

LevelLayout designLevel() {
    LevelLayout layout;
    layout.ground = mainGround();
    layout.islands.push_back(island());
    layout.islands.push_back(tunnelRock());
    // Thin ledges: 86 above their floor (within a 95 jump) and 16 thick, so
    // the 64-tall character still walks underneath.
    layout.islands.push_back(slab(600, 760, 314, 16, Material::Rock));
    layout.islands.push_back(slab(1480, 1620, 114, 16, Material::Rock));
    // Back out of the pit to the left.
    layout.islands.push_back(slab(2680, 2760, 514, 16, Material::Rock));
    layout.islands.push_back(slab(2600, 2660, 428, 16, Material::Rock));
    // Back up from the lower ground to the island, a staircase of ledges
    // none of which lies above another, so no jump meets a ledge's underside.
    layout.islands.push_back(slab(4380, 4460, 674, 16, Material::Rock));
    layout.islands.push_back(slab(4290, 4360, 588, 16, Material::Rock));
    layout.islands.push_back(slab(4200, 4270, 502, 16, Material::Rock));
    layout.islands.push_back(slab(4140, 4200, 416, 16, Material::Rock));
    // The climb to the top of the brick wall: each step 70 higher.
    layout.islands.push_back(slab(5180, 5300, 690, 24, Material::Brick));
    layout.islands.push_back(slab(5360, 5460, 620, 24, Material::Brick));
    layout.islands.push_back(slab(5520, 5620, 550, 24, Material::Brick));
    return layout;
}

double groundTopAt(const SolidOutline& ground, double x) {
    double top = std::numeric_limits<double>::infinity();
    const std::size_t n = ground.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 a = ground.corners[i].at;
        const Vec2 b = ground.corners[(i + 1) % n].at;
        if (a.x == b.x || x < std::min(a.x, b.x) || x > std::max(a.x, b.x)) {
            continue;
        }
        top = std::min(top, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
    }
    return top;
}

} // namespace level
