// Health, death and targets of the character chain, on entities in a world.
#include <gtest/gtest.h>

#include "CragmoorWorld.h"
#include "Entities/Characters/E_Character.h"

namespace {

// The chain's classes are abstract; this is the least that can live.
class Bystander : public E_Character {
  public:
    Bystander(MapController* map, double health)
        : E_Character(map, Ellipsoid2(Vector2(2000, 100), Vector2(10, 10)), EN_CHARACTER, health,
                      SURFACE_BLOOD, 3) {}
    void gameTick() override {}
    void draw() override {}
};

struct Harm {
    const char* name;
    double health;
    void (*act)(E_Character&);
    // Negative: the entity is destroyed.
    double healthAfter;
};

TEST(Chain, HarmSubtractsHealsClampsAndKillsAtZero) {
    const Harm rows[] = {
        {"damage short of death", 100, [](E_Character& c) { c.takeDamage(30, false); }, 70},
        {"fatal damage", 100, [](E_Character& c) { c.takeDamage(100, true); }, -1},
        {"negative damage heals", 50, [](E_Character& c) { c.takeDamage(-10, false); }, 60},
        {"any damage at health 0", 0, [](E_Character& c) { c.takeDamage(0, false); }, -1},
        {"health set above 0", 10, [](E_Character& c) { c.setHealth(0.5); }, 0.5},
        {"health set to 0", 10, [](E_Character& c) { c.setHealth(0); }, -1},
        {"health set below 0", 10, [](E_Character& c) { c.setHealth(-5); }, -1},
        {"gibbed", 10, [](E_Character& c) { c.die(true); }, -1},
        {"plain death", 10, [](E_Character& c) { c.die(false); }, -1},
    };
    CragmoorWorld world;
    for (const Harm& row : rows) {
        const std::size_t activeBefore = world.map().getActiveEntities().size();
        Pointer<E_Character> victim =
            handleOf<E_Character>(*new Bystander(&world.map(), row.health));
        row.act(*victim);
        if (row.healthAfter < 0) {
            EXPECT_TRUE(victim.isNull()) << row.name;
            EXPECT_EQ(world.map().getActiveEntities().size(), activeBefore) << row.name;
        } else {
            ASSERT_FALSE(victim.isNull()) << row.name;
            EXPECT_DOUBLE_EQ(victim->getHealth(), row.healthAfter) << row.name;
            EXPECT_TRUE(victim->getActive()) << row.name;
        }
    }
}

} // namespace
