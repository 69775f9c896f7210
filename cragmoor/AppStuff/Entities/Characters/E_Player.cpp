// The player's construction, its tick in ten ordered steps, and its drawing
// in the level's perspective. The frames and the leg rules are PlayerFrames'.
#include "Entities/Characters/E_Player.h"

#include <GL/gl.h>
#include <cmath>

#include "Entities/Characters/PlayerPlacement.h"
#include "Entities/Characters/WorldAccess.h"
#include "Logger.h"
#include "ResourceManager.h"
#include "World/PlayerPose.h"

namespace {

constexpr double PLAYER_HEALTH = 100.0;
constexpr int PLAYER_TEAM = 0;

constexpr double HALF_TURN = 180.0;

// The whole figure is drawn shifted left; mirrored parts are drawn this much
// further right so that a figure facing left is the mirror image about the
// same axis.
constexpr float FIGURE_SHIFT = -8.0f;
constexpr double MIRROR_SHIFT = 16.0;
// Texels at least this opaque count as the figure when it claims depth.
constexpr GLclampf OPAQUE_ENOUGH = 0.5f;

// The collision ellipse overlay: a fan and an outline through points about
// 7.5 degrees apart.
constexpr double OVERLAY_STEP = 0.13089958438052998;
constexpr double OVERLAY_TURN = 6.28318;

} // namespace

E_Player::E_Player(MapController* mapController, const Vector2& position)
    : E_CharacterGroundHumanoid(mapController, Ellipsoid2(position, PLAYER_RADIUS), EN_PLAYER,
                                PLAYER_HEALTH, SURFACE_BLOOD, PLAYER_TEAM),
      m_legFrames(std::make_unique<FrameController<E_Player>>(this, 1)),
      m_armFrames(std::make_unique<FrameController<E_Player>>(this, 2)), m_ctrlCrouch(false),
      m_crouching(false) {
    m_walkSpeed = PLAYER_WALK_SPEED;
    m_aimPosition = Vector2(PLAYER_AIM_FORWARD, PLAYER_AIM_HEIGHT);
    m_aimType = AIM_TARGET;

    ApplicationController* application = applicationOf(m_mapController);
    ResourceManager* resources = application->getResourceManager();
    m_sprites.load(resources);

    resources->getSound(SO_MU_Intro, &m_test);
    FMOD_CHANNEL* channel = m_test->play(true);
    application->getLogger()->logDebug("SoundChan %p", static_cast<void*>(channel));

    frArmInit();
    frLegStand();
    // The joints are otherwise placed only when the lean changes, and the
    // last lean starts at the upright one: without this a player standing
    // upright from the start would keep head and arm on its centre.
    placeJoints(m_bodyRotationLast);
}

E_Player::~E_Player() {
    m_legFrames.reset();
    m_armFrames.reset();
}

void E_Player::gameTick() {
    tickInOrder();
}

void E_Player::aimAtShoulder() {
    m_targetPosition = m_armPos;
}

void E_Player::move() {
    E_CharacterGround::gameTick();
}

// The player counts as grounded even in the air, so it crouches exactly
// while the key is held.
void E_Player::crouch() {
    if (m_onGround && m_ctrlCrouch) {
        if (!m_crouching) {
            m_crouching = true;
            m_walkSpeed = PLAYER_CROUCH_WALK_SPEED;
            m_aimPosition.m_y = PLAYER_CROUCH_AIM_HEIGHT;
        }
    } else if ((m_collisionPointCache.m_collisionLeftMostFloor == nullptr || !m_ctrlCrouch) &&
               m_crouching) {
        m_crouching = false;
        m_walkSpeed = PLAYER_WALK_SPEED;
        m_aimPosition.m_y = PLAYER_AIM_HEIGHT;
    }
}

void E_Player::faceAndLean(const E_AITargetable* target) {
    const Vector2& centre = m_position.m_center;
    switch (m_aimType) {
    case AIM_TARGET: {
        if (target == nullptr)
            return;
        const Vector2& targetCentre = target->getPosition().m_center;
        m_facingRight = targetCentre.m_x > centre.m_x;
        m_bodyRotation = Degrees(
            bodyLeanToward(Degrees(targetCentre - centre).constrain().m_degrees, m_facingRight));
        return;
    }
    case AIM_TARGET_DIR:
        if (target != nullptr)
            m_facingRight = target->getPosition().m_center.m_x > centre.m_x;
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
    const Degrees level(m_facingRight ? 0.0 : HALF_TURN);
    m_headRotation = m_armRotation = m_bodyRotation = level;
}

// The comparison is exact: joints move only when the combined lean does.
// Facing left the lean is kept mirrored, so it is recomputed every tick.
void E_Player::placeJointsIfLeanChanged() {
    Degrees lean = m_bodyRotation + m_bodyRotationOffset * (m_facingRight ? 1.0 : -1.0);
    if (lean == m_bodyRotationLast)
        return;
    if (!m_facingRight)
        lean = Degrees(HALF_TURN) - lean;
    m_bodyRotationLast = lean;
    placeJoints(lean);
}

void E_Player::placeJoints(Degrees lean) {
    const PlayerJoints joints = playerJoints(lean.m_degrees, m_crouching);
    m_armPos = Vector2(joints.armX, joints.armY);
    m_headPos = Vector2(joints.headX, joints.headY);
    if (!m_facingRight) {
        m_armPos.m_x = -m_armPos.m_x;
        m_headPos.m_x = -m_headPos.m_x;
    }
}

// The arm points straight at the target; the head follows part of the way,
// with the angle kept on the side the player faces.
void E_Player::aimArmAndHead(const E_AITargetable& target) {
    const Vector2 shoulder = m_position.m_center + m_armPos;
    m_armRotation = Degrees(target.getPosition().m_center - shoulder).constrain();
    m_headRotation = Degrees(headFollowing(m_armRotation.m_degrees, m_facingRight));
}

Degrees E_Player::drawnRotation(Degrees rotation) const {
    return m_facingRight ? rotation : rotation - HALF_TURN;
}

// `offset` is from the centre to the part's anchor as the pose keeps it
// (already mirrored when facing left).
void E_Player::drawPart(spriteEnum sprite, const Vector2& offset, Degrees rotation) const {
    const Vector2& centre = m_position.m_center;
    const double x = centre.m_x + offset.m_x + (m_facingRight ? 0.0 : MIRROR_SHIFT);
    m_sprites.of(sprite).draw(static_cast<float>(x), static_cast<float>(centre.m_y + offset.m_y),
                              m_facingRight ? 1.0f : -1.0f, 1.0f,
                              static_cast<float>(rotation.m_degrees), 1, 1, 1, 1);
}

// The player is drawn in the level's perspective, on the world plane, before
// the level. Its colour goes first, blended without the depth test, so the
// soft edges of its sprites show over whatever lies behind. Then the same
// parts leave their depth alone (no colour), where they are opaque enough to
// count as the figure, to keep the scenery behind the world plane, drawn
// later, from painting over it.
void E_Player::draw() {
    m_mapController->set3Dmode();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    glTranslatef(FIGURE_SHIFT, 0, 0);
    drawParts();

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, OPAQUE_ENOUGH);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawParts();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_ALPHA_TEST);
    glDepthFunc(GL_LESS);

    glPopMatrix();
    glEnable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    drawCollisionEllipse();
}

// Back to front: back arm, body, head, legs, front arm.
void E_Player::drawParts() const {
    const spriteEnum frontArm = m_armFrames->m_currentSprites[0];
    const spriteEnum backArm = m_armFrames->m_currentSprites[1];
    const Degrees armRotation = drawnRotation(m_armRotation + m_armRotationOffset);
    if (backArm != SP_NONE)
        drawPart(backArm, m_armPos, armRotation);
    const Vector2 body(m_facingRight ? PLAYER_HIP_X : -PLAYER_HIP_X,
                       PLAYER_HIP_Y + (m_crouching ? PLAYER_CROUCH_DROP : 0.0));
    drawPart(SP_PLAYbody, body, drawnRotation(m_bodyRotation + m_bodyRotationOffset));
    drawPart(SP_PLAYhead, m_headPos, drawnRotation(m_headRotation + m_headRotationOffset));
    drawPart(m_legFrames->m_currentSprites[0], Vector2(0, 0), Degrees(0));
    drawPart(frontArm, m_armPos, armRotation);
}

void E_Player::drawCollisionEllipse() const {
    const Vector2& centre = m_position.m_center;
    const Vector2& radius = m_position.m_radius;
    glPushMatrix();
    glTranslatef(static_cast<float>(centre.m_x), static_cast<float>(centre.m_y), 0);
    glScalef(static_cast<float>(radius.m_x), static_cast<float>(radius.m_y), 1);
    const auto rimPoints = [] {
        for (int step = 1; step * OVERLAY_STEP < OVERLAY_TURN; ++step) {
            const double angle = step * OVERLAY_STEP;
            glVertex2f(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)));
        }
    };
    glColor4f(0, 0, 1, 0.25f);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(0, 0);
    glVertex2f(1, 0);
    rimPoints();
    glVertex2f(1, 0);
    glEnd();
    glColor4f(0, 0, 1, 0.5f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(1, 0);
    rimPoints();
    glEnd();
    glPopMatrix();
}
