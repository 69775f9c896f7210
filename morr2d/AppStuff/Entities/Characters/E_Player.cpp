// The player's construction, its tick in ten ordered steps, and its drawing
// from five sprites. The frames and the leg rules are PlayerFrames'.
#include "Entities/Characters/E_Player.h"

#include "Entities/WorldAccess.h"
#include "Logger.h"
#include "PointMath.h"
#include "ResourceManager.h"
#include "World/PlayerPose.h"

namespace {

constexpr double WIDTH = 15.9;
constexpr double HEIGHT = 31.9;
constexpr int PLAYER_DEPTH = -100;
constexpr int PLAYER_HEALTH = 100;
constexpr int PLAYER_TEAM = 0;
// The camera follows this point of the box.
constexpr double CENTRE_X = 8.0;
constexpr double CENTRE_Y = 16.0;
// Crouching lowers the box's top by the same amount as the body drops.
constexpr double CROUCH_TOP = PLAYER_CROUCH_DROP;
constexpr double HALF_TURN = 180.0;
// Facing left, the legs are drawn mirrored about the middle of the figure.
constexpr double MIRRORED_LEGS_X = 16.0;
// Facing left, the body's anchor sits as far left of the middle as it sits
// right of it facing right.
constexpr double MIRRORED_HIP_X = 7.0;

} // namespace

E_Player::E_Player(MapController* mapController, double x, double y)
    : E_CharacterGroundHumanoid(mapController, x, y, 0, 0, WIDTH, HEIGHT, EN_PLAYER, PLAYER_DEPTH,
                                PLAYER_HEALTH, SURFACE_BLOOD, PLAYER_TEAM),
      m_legFrames(std::make_unique<FrameController<E_Player>>(this, 1)),
      m_armFrames(std::make_unique<FrameController<E_Player>>(this, 2)), m_ctrlCrouch(false),
      m_crouching(false) {
    m_walkSpeed = PLAYER_WALK_SPEED;
    m_xCenter = CENTRE_X;
    m_yCenter = CENTRE_Y;
    m_aimPositionX = PLAYER_AIM_FORWARD;
    m_aimPositionY = PLAYER_AIM_HEIGHT;
    m_aimType = AIM_TARGET;

    ApplicationController* application = applicationOf(m_mapController);
    m_sprites.load(application->getResourceManager());
    application->getResourceManager()->getSound(SO_MU_Metal, &m_test);
    FMOD_CHANNEL* channel = m_test->play(true);
    application->getLogger()->logDebug("SoundChan %p", static_cast<void*>(channel));

    frArmInit();
    frLegStand();
}

E_Player::~E_Player() {
    m_legFrames.reset();
    m_armFrames.reset();
}

void E_Player::gameTick() {
    tickInOrder();
}

void E_Player::aimAtShoulder() {
    m_targetPositionX = m_armPosX;
    m_targetPositionY = m_armPosY;
}

void E_Player::move() {
    E_CharacterGround::gameTick();
}

// The player stands up only where the standing box is free, so under a low
// ceiling it stays crouched after the key is let go.
void E_Player::crouch() {
    if (m_onGround && m_ctrlCrouch) {
        if (!m_crouching) {
            m_crouching = true;
            m_walkSpeed = PLAYER_CROUCH_WALK_SPEED;
            m_aimPositionY = PLAYER_CROUCH_AIM_HEIGHT;
            setBboxU(CROUCH_TOP);
        }
        return;
    }
    if (!m_crouching || m_mapController->isEntityAt(m_x + m_bboxL, m_y + m_bboxU - CROUCH_TOP,
                                                    m_x + m_bboxR, m_y + m_bboxD, EN_WALL))
        return;
    m_crouching = false;
    m_walkSpeed = PLAYER_WALK_SPEED;
    m_aimPositionY = PLAYER_AIM_HEIGHT;
    setBboxU(0.0);
}

void E_Player::faceAndLean(const E_AITargetable* target) {
    switch (m_aimType) {
    case AIM_TARGET: {
        if (target == nullptr)
            return;
        m_facingRight = target->getX() + target->getXCenter() > m_x + m_xCenter;
        const double aim =
            degConstrain(radToDeg(pointDirection(m_x + m_aimPositionX, m_y + m_aimPositionY,
                                                 target->getX() + target->getTargetPositionX(),
                                                 target->getY() + target->getTargetPositionY())));
        m_bodyRotation = bodyLeanToward(aim, m_facingRight);
        return;
    }
    case AIM_TARGET_DIR:
        if (target != nullptr)
            m_facingRight = target->getX() + target->getXCenter() > m_x + m_xCenter;
        break;
    case AIM_MOVE_DIR:
        if (m_ctrlLeft)
            m_facingRight = false;
        else if (m_ctrlRight)
            m_facingRight = true;
        break;
    case AIM_NOSET:
        return;
    }
    m_headRotation = m_armRotation = m_bodyRotation = m_facingRight ? 0.0 : HALF_TURN;
}

// The comparison is exact: joints move only when the combined lean does.
// Facing left the lean is kept mirrored, so it is recomputed every tick.
void E_Player::placeJointsIfLeanChanged() {
    double lean = m_bodyRotation + m_bodyRotationOffset * (m_facingRight ? 1.0 : -1.0);
    if (lean == m_bodyRotationLast)
        return;
    if (!m_facingRight)
        lean = HALF_TURN - lean;
    m_bodyRotationLast = lean;
    const PlayerJoints joints = playerJoints(lean, m_crouching);
    m_armPosX = joints.armX;
    m_armPosY = joints.armY;
    m_headPosX = joints.headX;
    m_headPosY = joints.headY;
    // Facing left, the figure is the mirror image about its centre line.
    if (!m_facingRight) {
        m_armPosX = 2 * m_xCenter - m_armPosX;
        m_headPosX = 2 * m_xCenter - m_headPosX;
    }
}

// The arm points straight at the target's aim point; the head follows part
// of the way.
void E_Player::aimArmAndHead(const E_AITargetable& target) {
    m_armRotation = radToDeg(pointDirection(m_x + m_armPosX, m_y + m_armPosY,
                                            target.getX() + target.getTargetPositionX(),
                                            target.getY() + target.getTargetPositionY()));
    m_headRotation = headFollowing(degConstrain(m_armRotation), m_facingRight);
}

double E_Player::drawnRotation(double rotation, double offset) const {
    return m_facingRight ? rotation + offset : rotation - offset - HALF_TURN;
}

void E_Player::drawPart(spriteEnum sprite, double dx, double dy, double rotation) const {
    m_sprites.of(sprite).draw(static_cast<float>(m_x - m_mapController->viewGetLeft() + dx),
                              static_cast<float>(m_y - m_mapController->viewGetTop() + dy),
                              m_facingRight ? 1.0f : -1.0f, 1.0f, static_cast<float>(rotation));
}

// Back to front: back arm, body, head, legs, front arm.
void E_Player::draw() {
    const spriteEnum frontArm = m_armFrames->m_currentSprites[0];
    const spriteEnum backArm = m_armFrames->m_currentSprites[1];
    const double armRotation = drawnRotation(m_armRotation, m_armRotationOffset);
    if (backArm != SP_NONE)
        drawPart(backArm, m_armPosX, m_armPosY, armRotation);
    const double hipY = PLAYER_HIP_Y + (m_crouching ? PLAYER_CROUCH_DROP : 0.0);
    drawPart(SP_PLAYbody, m_facingRight ? PLAYER_HIP_X : MIRRORED_HIP_X, hipY,
             drawnRotation(m_bodyRotation, m_bodyRotationOffset));
    drawPart(SP_PLAYhead, m_headPosX, m_headPosY,
             drawnRotation(m_headRotation, m_headRotationOffset));
    drawPart(m_legFrames->m_currentSprites[0], m_facingRight ? 0.0 : MIRRORED_LEGS_X, 0, 0);
    drawPart(frontArm, m_armPosX, m_armPosY, armRotation);
}
