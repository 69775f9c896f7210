// Health, death and targets of the character chain, on entities in a world.
#include <algorithm>
#include <gtest/gtest.h>

#include "CharacterWorld.h"
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

class Chain : public testing::Test {
  protected:
    Pointer<E_Character> spawn(double health) {
        return handleOf<E_Character>(*new Bystander(&world.map(), health));
    }
    CharacterWorld world;
};

TEST_F(Chain, DamageSubtractsAndKeepsTheEntityAlive) {
    Pointer<E_Character> victim = spawn(100);
    victim->takeDamage(30, false);
    ASSERT_FALSE(victim.isNull());
    EXPECT_DOUBLE_EQ(victim->getHealth(), 70);
    EXPECT_TRUE(victim->getActive());
}

TEST_F(Chain, FatalDamageLeavesZeroAndDestroys) {
    Pointer<E_Character> victim = spawn(100);
    Pointer<Entity> asEntity = handleOf<Entity>(*victim);
    victim->takeDamage(100, true);
    EXPECT_TRUE(victim.isNull());
    EXPECT_TRUE(asEntity.isNull());
    EXPECT_EQ(std::count(world.map().getActiveEntities().begin(),
                         world.map().getActiveEntities().end(), asEntity),
              0);
}

TEST_F(Chain, NegativeDamageHeals) {
    Pointer<E_Character> patient = spawn(50);
    patient->takeDamage(-10, false);
    EXPECT_DOUBLE_EQ(patient->getHealth(), 60);
}

TEST_F(Chain, HealthAtOrBelowZeroKillsAndClampsToZero) {
    Pointer<E_Character> survivor = spawn(10);
    survivor->setHealth(0.5);
    ASSERT_FALSE(survivor.isNull());
    EXPECT_DOUBLE_EQ(survivor->getHealth(), 0.5);

    Pointer<E_Character> atZero = spawn(10);
    atZero->setHealth(0);
    EXPECT_TRUE(atZero.isNull());
    Pointer<E_Character> belowZero = spawn(10);
    belowZero->setHealth(-5);
    EXPECT_TRUE(belowZero.isNull());
}

TEST_F(Chain, GibbingAndPlainDeathBothDestroy) {
    Pointer<E_Character> gibbed = spawn(10);
    Pointer<E_Character> plain = spawn(10);
    gibbed->die(true);
    plain->die(false);
    EXPECT_TRUE(gibbed.isNull());
    EXPECT_TRUE(plain.isNull());
}

TEST_F(Chain, CursorDiesOfAnyDamageButNotOfItsZeroHealth) {
    Pointer<E_CursorGame> cursor = handleOf<E_CursorGame>(*new E_CursorGame(&world.map()));
    ASSERT_FALSE(cursor.isNull()) << "health 0 alone must not end the cursor";
    EXPECT_EQ(cursor->getTeam(), -1);
    EXPECT_EQ(cursor->getSurfaceType(), SURFACE_METAL);
    cursor->takeDamage(0, false);
    EXPECT_TRUE(cursor.isNull());
}

TEST_F(Chain, CursorStaysWhereItIsPutWhenTicked) {
    Pointer<E_CursorGame> cursor = handleOf<E_CursorGame>(*new E_CursorGame(&world.map()));
    EXPECT_EQ(cursor->getPosition().m_center.m_x, 0);
    EXPECT_EQ(cursor->getPosition().m_radius.m_x, 8);
    cursor->setPosition(Vector2(420, 290));
    cursor->gameTick();
    EXPECT_EQ(cursor->getPosition().m_center.m_x, 420);
    EXPECT_EQ(cursor->getPosition().m_center.m_y, 290);
}

TEST_F(Chain, FreshCharacterIsSteerableAimsByMovementAtNothing) {
    Pointer<E_Character> fresh = spawn(100);
    EXPECT_TRUE(fresh->getHasMoveControl());
    EXPECT_EQ(fresh->getAimType(), AIM_MOVE_DIR);
    Pointer<E_AITargetable> target;
    fresh->getTarget(&target);
    EXPECT_TRUE(target.isNull());
    EXPECT_EQ(fresh->getAimPosition().m_x, 0);
    EXPECT_EQ(fresh->getAimPosition().m_y, 0);
    EXPECT_EQ(fresh->getTargetPositionX().m_x, 0);
    EXPECT_EQ(fresh->getTeam(), 3);
}

// Counts taken off by assigning an equal handle would show up as a freed
// slot (a new entity replaces the target) or as an underflow on release.
TEST_F(Chain, ReadingTheTargetIntoAnEqualHandleChangesNoCount) {
    Pointer<E_Character> aimer = spawn(100);
    Pointer<E_Character> target = spawn(100);
    const Entity* targetObject = &*target;
    const Pointer<Entity> guard = handleOf<Entity>(*target);
    {
        Pointer<E_AITargetable> held = handleOf<E_AITargetable>(*target);
        aimer->setTarget(held);
        aimer->getTarget(&held);
        aimer->getTarget(&held);
        Pointer<E_AITargetable> readBack;
        aimer->getTarget(&readBack);
        EXPECT_TRUE(readBack == held);
    }
    target.nullify();
    EXPECT_NO_THROW(aimer->setTarget(Pointer<E_AITargetable>()));
    spawn(1);
    spawn(1);
    EXPECT_EQ(&*guard, targetObject);
}

} // namespace
