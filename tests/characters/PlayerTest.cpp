// The player's pose, controls and animation, ticked directly in a world
// without lines (it falls, which the pose does not mind) with keys fed
// through the real SDL queue and its target placed by the test.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CharacterWorld.h"

namespace {

// A player whose joints the test can disturb, to see whether a tick moves
// them back.
class PosablePlayer : public E_Player {
  public:
    using E_Player::E_Player;
    void displaceJoints() {
        m_armPos = Vector2(99, 99);
        m_headPos = Vector2(-99, -99);
    }
};

// The joints of an upright player facing right with the given lean.
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

    // The leg frame and its lean at the start of each of four frames of a
    // cycle, aiming level to the right.
    std::vector<std::pair<spriteEnum, double>> walkCycle() {
        std::vector<std::pair<spriteEnum, double>> frames;
        for (int i = 0; i < 12; ++i) {
            tickAimingAt(Vector2(1000, 0));
            if (i % 3 == 0)
                frames.emplace_back(player.getLegFrames().m_currentSprites[0],
                                    player.getBodyRotationOffset().m_degrees);
        }
        return frames;
    }

    CharacterWorld world;
    E_Player& player;
    Pointer<Entity> cursorEntity;
};

void expectNear(const Vector2& actual, const Vector2& expected, const char* what) {
    EXPECT_NEAR(actual.m_x, expected.m_x, 1e-9) << what;
    EXPECT_NEAR(actual.m_y, expected.m_y, 1e-9) << what;
}

TEST_F(Player, NewPlayerStandsUprightWithPistolFacingRight) {
    EXPECT_EQ(player.getPosition().m_center.m_x, 400);
    EXPECT_EQ(player.getPosition().m_center.m_y, 0);
    EXPECT_EQ(player.getPosition().m_radius.m_x, 16);
    EXPECT_EQ(player.getPosition().m_radius.m_y, 32);
    EXPECT_EQ(player.getHealth(), 100);
    EXPECT_EQ(player.getTeam(), 0);
    EXPECT_EQ(player.getSurfaceType(), SURFACE_BLOOD);
    EXPECT_EQ(player.getWalkSpeed(), 4.0);
    EXPECT_EQ(player.getAimType(), AIM_TARGET);
    EXPECT_EQ(player.getAimPosition().m_y, 8);
    EXPECT_TRUE(player.getFacingRight());
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_STAND);
    EXPECT_EQ(player.getLegFrames().m_currentSprites[0], SP_PLAYlegS);
    EXPECT_EQ(player.getLegFrames().m_duration, FRAME_INFINITE_DURATION);
    EXPECT_EQ(player.getArmFrames().m_currentSprites[0], SP_PLAYarmPIST00);
    EXPECT_EQ(player.getArmFrames().m_currentSprites[1], SP_NONE);
    // Head and arm are on the body from the start, not on the centre.
    expectNear(player.getArmPos(), shoulderFor(0), "shoulder");
    expectNear(player.getHeadPos(), neckFor(0), "neck");

    int soundLines = 0;
    for (const std::string& line : world.engine.logger->textsOf("debug"))
        soundLines += line.rfind("SoundChan ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(soundLines, 1);
}

TEST_F(Player, TargetIsTheCursorAndOthersAimAtTheShoulder) {
    Pointer<E_AITargetable> target;
    player.getTarget(&target);
    ASSERT_FALSE(target.isNull());
    EXPECT_EQ(target->getType(), EN_CURSOR_GAME);
    tickAimingAt(Vector2(100, -100));
    expectNear(player.getTargetPositionX(), player.getArmPos(), "target position");
}

TEST_F(Player, CrouchingSlowsLowersAndLeansForwardUntilReleased) {
    world.press(SDLK_s);
    tickAimingAt(Vector2(1000, 0));
    EXPECT_TRUE(player.getCrouching());
    EXPECT_EQ(player.getWalkSpeed(), 1.0);
    EXPECT_EQ(player.getAimPosition().m_y, 20);
    EXPECT_NEAR(player.getBodyRotation().m_degrees, -22, 1e-9);
    expectNear(player.getArmPos(), shoulderFor(-22, 23), "crouched shoulder");
    expectNear(player.getHeadPos(), neckFor(-22, 23), "crouched neck");
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_CROUCH);

    world.release(SDLK_s);
    tickAimingAt(Vector2(1000, 0));
    EXPECT_FALSE(player.getCrouching());
    EXPECT_EQ(player.getWalkSpeed(), 4.0);
    EXPECT_EQ(player.getAimPosition().m_y, 8);
    EXPECT_NEAR(player.getBodyRotation().m_degrees, 0, 1e-9);
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_STAND);
}

TEST_F(Player, CrouchingFacingLeftLeansTheOtherWay) {
    world.press(SDLK_s);
    tickAimingAt(Vector2(-1000, 0));
    EXPECT_FALSE(player.getFacingRight());
    EXPECT_NEAR(player.getBodyRotation().m_degrees, 180 + 22, 1e-3);
}

TEST_F(Player, CrouchWalkingPlaysTheCrouchCycle) {
    world.press(SDLK_s);
    world.press(SDLK_d);
    tickAimingAt(Vector2(1000, 0));
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_CROUCH_WALK);
    EXPECT_EQ(player.getLegFrames().m_currentSprites[0], SP_PLAYlegD00);
    EXPECT_EQ(player.getBodyRotationOffset().m_degrees, -5);
    const double x = player.getPosition().m_center.m_x;
    tickAimingAt(Vector2(1000, 0));
    EXPECT_NEAR(player.getPosition().m_center.m_x - x, 1.0, 1e-6);
}

TEST_F(Player, TargetExactlyAboveMakesItFaceLeft) {
    tickAimingAt(Vector2(0, -200));
    EXPECT_FALSE(player.getFacingRight());
}

TEST_F(Player, BodyLeansAQuarterOfTheWayToTheTarget) {
    tickAimingAt(Vector2(100, -100));
    EXPECT_TRUE(player.getFacingRight());
    EXPECT_NEAR(player.getBodyRotation().m_degrees, 11.25, 1e-3);
    tickAimingAt(Vector2(-100, -100));
    EXPECT_FALSE(player.getFacingRight());
    EXPECT_NEAR(player.getBodyRotation().m_degrees, 180 - 11.25, 1e-3);
}

TEST_F(Player, AimingStraightDownFacingRightClampsTheHead) {
    tickAimingAt(Vector2(10, 1000));
    ASSERT_TRUE(player.getFacingRight());
    EXPECT_NEAR(player.getArmRotation().m_degrees, 270, 0.2) << "the arm points at the target";
    EXPECT_NEAR(player.getHeadRotation().m_degrees, -35.6, 1e-9);
}

TEST_F(Player, AimingStraightDownFacingLeftClampsTheHead) {
    tickAimingAt(Vector2(-10, 1000));
    ASSERT_FALSE(player.getFacingRight());
    EXPECT_NEAR(player.getArmRotation().m_degrees, 270, 0.2) << "the arm points at the target";
    EXPECT_NEAR(player.getHeadRotation().m_degrees, 215.6, 1e-9);
}

TEST_F(Player, WalkingTowardsTheTargetPlaysTheCycleForwards) {
    world.press(SDLK_d);
    const auto frames = walkCycle();
    const std::vector<std::pair<spriteEnum, double>> expected = {
        {SP_PLAYlegW00, -5}, {SP_PLAYlegW01, -10}, {SP_PLAYlegW02, -15}, {SP_PLAYlegW03, -10}};
    EXPECT_EQ(frames, expected);
}

TEST_F(Player, WalkingAwayFromTheTargetPlaysTheCycleBackwards) {
    world.press(SDLK_a);
    const auto frames = walkCycle();
    const std::vector<std::pair<spriteEnum, double>> expected = {
        {SP_PLAYlegW00, 5}, {SP_PLAYlegW05, 0}, {SP_PLAYlegW04, 5}, {SP_PLAYlegW03, 10}};
    EXPECT_EQ(frames, expected);
    EXPECT_TRUE(player.getFacingRight());
}

TEST_F(Player, JointsStayPutWhileTheLeanIsUnchanged) {
    PosablePlayer& posed = *new PosablePlayer(&world.map(), Vector2(3000, 0));
    posed.setTarget(handleOf<E_AITargetable>(*world.state->getGameCursor()));
    const auto tickPosed = [&](const Vector2& offset) {
        cursorEntity->setPosition(posed.getPosition().m_center + offset);
        posed.gameTick();
    };
    // Level aim leaves the lean at the upright one it started with.
    posed.displaceJoints();
    tickPosed(Vector2(1000, 0));
    EXPECT_EQ(posed.getArmPos().m_x, 99);

    tickPosed(Vector2(100, -100));
    expectNear(posed.getArmPos(), shoulderFor(posed.getBodyRotation().m_degrees), "moved lean");
    posed.displaceJoints();
    tickPosed(Vector2(100, -100));
    EXPECT_EQ(posed.getArmPos().m_x, 99);
    EXPECT_EQ(posed.getHeadPos().m_y, -99);
}

TEST_F(Player, AimingWithoutATargetKeepsFacingAndAngles) {
    tickAimingAt(Vector2(-100, -100));
    ASSERT_FALSE(player.getFacingRight());
    const double body = player.getBodyRotation().m_degrees;
    const double arm = player.getArmRotation().m_degrees;
    const double head = player.getHeadRotation().m_degrees;

    player.setTarget(Pointer<E_AITargetable>());
    world.press(SDLK_d);
    world.engine.events->pollEvents();
    player.gameTick();
    EXPECT_FALSE(player.getFacingRight());
    EXPECT_EQ(player.getBodyRotation().m_degrees, body);
    EXPECT_EQ(player.getArmRotation().m_degrees, arm);
    EXPECT_EQ(player.getHeadRotation().m_degrees, head);
    EXPECT_EQ(player.getLegFrameType(), E_CharacterGroundHumanoid::LEG_FRAME_WALK);
}

} // namespace
