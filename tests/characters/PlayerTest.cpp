// The player's pose, controls and animation, ticked directly in a world
// without lines (it falls, which the pose does not mind) with keys fed
// through the real SDL queue and its target placed by the test.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CragmoorWorld.h"

namespace {

using Frames = std::vector<std::pair<spriteEnum, double>>;

// The joints of a player facing right with the given lean.
Vector2 shoulderFor(double lean, double hipY = 15) {
    return Vector2(Degrees(lean + 98), 7.07) + Vector2(9, hipY);
}
Vector2 neckFor(double lean, double hipY = 15) {
    return Vector2(Degrees(lean + 83), 9.06) + Vector2(9, hipY);
}

class Player : public testing::Test {
  protected:
    Player() : player(world.player()) { world.state->getGameCursor()->getPointer(&cursorEntity); }

    // Puts the cursor at an offset from the player's centre and ticks the
    // player once with the keys as the last poll left them.
    void tickAimingAt(const Vector2& offset) {
        world.engine.events->pollEvents();
        cursorEntity->setPosition(player.getPosition().m_center + offset);
        player.gameTick();
    }

    CragmoorWorld world;
    E_Player& player;
    Pointer<Entity> cursorEntity;
};

// Its standing legs are what the arrow-key row of the walk cycles sees.
TEST_F(Player, NewPlayerHoldsThePistolWithJointsOnTheBodyAndTheCursorAsTarget) {
    EXPECT_EQ(player.getArmFrames().m_currentSprites[0], SP_PLAYarmPIST00);
    // Head and arm are on the body from the start, not on the centre.
    EXPECT_NEAR(player.getArmPos().length(shoulderFor(0)), 0, 1e-9) << "shoulder";
    EXPECT_NEAR(player.getHeadPos().length(neckFor(0)), 0, 1e-9) << "neck";
    int soundLines = 0;
    for (const std::string& line : world.engine.logger->textsOf("debug"))
        soundLines += line.rfind("SoundChan ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(soundLines, 1);

    Pointer<E_AITargetable> target;
    player.getTarget(&target);
    ASSERT_FALSE(target.isNull());
    EXPECT_EQ(target->getType(), EN_CURSOR_GAME);
    tickAimingAt(Vector2(100, -100));
    EXPECT_NEAR(player.getTargetPositionX().length(player.getArmPos()), 0, 1e-9)
        << "others aim at the shoulder";
}

struct Aim {
    const char* name;
    Vector2 target;
    bool crouch;
    bool facingRight;
    // NAN: not checked.
    double body, arm, head;
};

TEST_F(Player, FacesLeansAndTurnsArmAndHeadTowardsTheTarget) {
    const Aim aims[] = {
        {"45 degrees up-right", Vector2(100, -100), false, true, 11.25, NAN, NAN},
        {"45 degrees up-left", Vector2(-100, -100), false, false, 180 - 11.25, NAN, NAN},
        {"exactly above", Vector2(0, -200), false, false, NAN, NAN, NAN},
        {"straight down, right", Vector2(10, 1000), false, true, NAN, 270, -35.6},
        {"straight down, left", Vector2(-10, 1000), false, false, NAN, 270, 215.6},
        {"crouching, right", Vector2(1000, 0), true, true, -22, NAN, NAN},
        {"crouching, left", Vector2(-1000, 0), true, false, 180 + 22, NAN, NAN},
    };
    for (const Aim& aim : aims) {
        if (aim.crouch)
            world.press(SDLK_s);
        tickAimingAt(aim.target);
        if (aim.crouch)
            world.release(SDLK_s);
        EXPECT_EQ(player.getFacingRight(), aim.facingRight) << aim.name;
        const auto expectAngle = [&](const Degrees& angle, double expected, double tolerance) {
            EXPECT_TRUE(std::isnan(expected) || std::abs(angle.m_degrees - expected) < tolerance)
                << aim.name << ": " << angle.m_degrees << " instead of " << expected;
        };
        expectAngle(player.getBodyRotation(), aim.body, 1e-3);
        // The arm turns fully towards the target, give or take the shoulder.
        expectAngle(player.getArmRotation(), aim.arm, 0.2);
        expectAngle(player.getHeadRotation(), aim.head, 1e-9);
    }
}

TEST_F(Player, CrouchingSlowsAndLowersUntilReleased) {
    world.press(SDLK_s);
    tickAimingAt(Vector2(1000, 0));
    // How slow a crouch walks is the crouch-walking row's of the walk cycles.
    EXPECT_EQ(player.getAimPosition().m_y, 20);
    EXPECT_NEAR(player.getArmPos().length(shoulderFor(-22, 23)), 0, 1e-9) << "crouched shoulder";
    EXPECT_NEAR(player.getHeadPos().length(neckFor(-22, 23)), 0, 1e-9) << "crouched neck";
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_CROUCH);

    world.release(SDLK_s);
    tickAimingAt(Vector2(1000, 0));
    EXPECT_EQ(player.getWalkSpeed(), 4.0);
    EXPECT_EQ(player.getAimPosition().m_y, 8);
    EXPECT_NEAR(player.getBodyRotation().m_degrees, 0, 1e-9);
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_STAND);
}

struct Cycle {
    const char* name;
    std::vector<SDLKey> keys;
    double stepPerTick;
    // The leg frame and its lean at the start of each of four frames.
    Frames frames;
};

// Aiming level to the right: walking right is forwards, walking left
// backwards (with the lean reversed), crouch-walking has its own cycle; the
// arrow keys are bound to nothing.
TEST_F(Player, KeysPlayTheirLegCycleForwardsOrBackwardsAndArrowsNone) {
    // clang-format off
    const Cycle cycles[] = {
        {"walking towards the target", {SDLK_d}, 4,
         {{SP_PLAYlegW00, -5}, {SP_PLAYlegW01, -10}, {SP_PLAYlegW02, -15}, {SP_PLAYlegW03, -10}}},
        {"walking away from the target", {SDLK_a}, -4,
         {{SP_PLAYlegW00, 5}, {SP_PLAYlegW05, 0}, {SP_PLAYlegW04, 5}, {SP_PLAYlegW03, 10}}},
        {"crouch-walking", {SDLK_s, SDLK_d}, 1,
         {{SP_PLAYlegD00, -5}, {SP_PLAYlegD01, -10}, {SP_PLAYlegD02, -15}, {SP_PLAYlegD03, -20}}},
        {"arrow keys", {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN}, 0,
         {{SP_PLAYlegS, 0}, {SP_PLAYlegS, 0}, {SP_PLAYlegS, 0}, {SP_PLAYlegS, 0}}},
    };
    // clang-format on
    for (const Cycle& cycle : cycles) {
        for (const SDLKey key : cycle.keys)
            world.press(key);
        Frames frames;
        for (int tick = 0; tick < 12; ++tick) {
            const double x = player.getPosition().m_center.m_x;
            tickAimingAt(Vector2(1000, 0));
            EXPECT_NEAR(player.getPosition().m_center.m_x - x, cycle.stepPerTick, 1e-6)
                << cycle.name;
            if (tick % 3 == 0)
                frames.emplace_back(player.getLegFrames().m_currentSprites[0],
                                    player.getBodyRotationOffset().m_degrees);
        }
        EXPECT_EQ(frames, cycle.frames) << cycle.name;
        EXPECT_TRUE(player.getFacingRight()) << cycle.name;
        for (const SDLKey key : cycle.keys)
            world.release(key);
        tickAimingAt(Vector2(1000, 0));
        EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_STAND);
    }
}

TEST_F(Player, AimingWithoutATargetKeepsFacingAndAngles) {
    const auto pose = [this] {
        return std::vector<double>{
            double(player.getFacingRight()), player.getBodyRotation().m_degrees,
            player.getArmRotation().m_degrees, player.getHeadRotation().m_degrees};
    };
    tickAimingAt(Vector2(-100, -100));
    const std::vector<double> aimedUpLeft = pose();
    ASSERT_EQ(aimedUpLeft[0], 0) << "faces right";

    player.setTarget(Pointer<E_AITargetable>());
    world.press(SDLK_d);
    world.engine.events->pollEvents();
    player.gameTick();
    EXPECT_EQ(pose(), aimedUpLeft);
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_WALK);
}

} // namespace
