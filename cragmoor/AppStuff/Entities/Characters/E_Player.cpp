// The player's construction, its tick in ten ordered steps, its leg and arm
// frames, and its drawing in the level's perspective.
#include "Entities/Characters/E_Player.h"

#include <GL/gl.h>
#include <cmath>

#include "ApplicationSettings.h"
#include "Entities/Characters/WorldAccess.h"
#include "EventSystem.h"
#include "Logger.h"
#include "ResourceManager.h"

namespace {

const Vector2 PLAYER_RADIUS(16, 32);
constexpr double PLAYER_HEALTH = 100.0;
constexpr int PLAYER_TEAM = 0;

constexpr double WALK_SPEED = 4.0;
constexpr double CROUCH_WALK_SPEED = 1.0;
// Height of the player's own aim point below its centre.
constexpr double AIM_HEIGHT = 8.0;
constexpr double CROUCH_AIM_HEIGHT = 20.0;
constexpr double AIM_FORWARD = 8.0;

// The body follows a quarter of the aim angle, the head 0.4 of it.
constexpr double BODY_FOLLOW = 0.25;
constexpr double HEAD_FOLLOW = 0.4;
// Crouching bends the body forwards by this much.
constexpr double CROUCH_LEAN = 22.0;
// Aiming nearly straight down facing right, the arm angle would wrap from
// just below 270 to just above -90; the head then keeps looking just past
// straight down instead of flipping round. Facing left the same holds
// mirrored.
constexpr double AIM_DOWN_FROM = 260.0;
constexpr double AIM_DOWN_RIGHT = 271.0;
constexpr double AIM_DOWN_LEFT = 269.0;
constexpr double HALF_TURN = 180.0;
constexpr double FULL_TURN = 360.0;
constexpr double STRAIGHT_DOWN = 270.0;

// Shoulder and neck lie on the leaning body at these distances and angles
// (from the body's axis) from the hip point, which sits right of and below
// the centre, lower when crouching.
constexpr double SHOULDER_DISTANCE = 7.07;
constexpr double SHOULDER_ANGLE = 98.0;
constexpr double NECK_DISTANCE = 9.06;
constexpr double NECK_ANGLE = 83.0;
constexpr double HIP_X = 9.0;
constexpr double HIP_Y = 15.0;
constexpr double CROUCH_DROP = 8.0;

// A leg frame of the walk and crouch-walk cycles lasts this many ticks.
constexpr double LEG_FRAME_TICKS = 3.0;

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
    m_walkSpeed = WALK_SPEED;
    m_aimPosition = Vector2(AIM_FORWARD, AIM_HEIGHT);
    m_aimType = AIM_TARGET;

    ApplicationController* application = applicationOf(m_mapController);
    ResourceManager* resources = application->getResourceManager();
    for (int index = 0; index < SPRITE_COUNT; ++index)
        resources->getSprite(static_cast<spriteEnum>(FIRST_SPRITE + index), &m_sprites[index]);

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
    // 1. Animate.
    const double f = tickFraction();
    m_legFrames->update(f);
    m_armFrames->update(f);
    // 2. Controls.
    readControls();
    // 3. Crouch.
    crouch();
    // 4. Facing and body lean. Without a target, aiming at it keeps the
    // facing and angles as they are.
    const E_AITargetable* target = m_target.isNull() ? nullptr : &*m_target;
    faceAndLean(target);
    // 5. Crouch lean.
    if (m_crouching)
        m_bodyRotation += m_facingRight ? -CROUCH_LEAN : CROUCH_LEAN;
    // 6. Shoulder and neck.
    placeJointsIfLeanChanged();
    // 7. Others aim at the shoulder.
    m_targetPosition = m_armPos;
    // 8. Arm and head.
    if (m_aimType == AIM_TARGET && target != nullptr)
        aimArmAndHead(*target);
    // 9. Legs.
    animateLegs();
    // 10. Move.
    E_CharacterGround::gameTick();
}

// Every tick run in one pass of the loop sees the same poll, so a jump key
// press counts in each of them.
void E_Player::readControls() {
    ApplicationController* application = applicationOf(m_mapController);
    const EventSystem* events = application->getEventSystem();
    const ApplicationSettings* keys = application->getApplicationSettings();
    m_ctrlLeft = events->getKeyStateDown(keys->m_CONTROL_KBD_walkLeft);
    m_ctrlRight = events->getKeyStateDown(keys->m_CONTROL_KBD_walkRight);
    m_ctrlJump = events->getKeyStatePressed(keys->m_CONTROL_KBD_jump);
    m_ctrlJumpRelease = events->getKeyStateReleased(keys->m_CONTROL_KBD_jump);
    m_ctrlCrouch = events->getKeyStateDown(keys->m_CONTROL_KBD_crouch);
}

// The player counts as grounded even in the air, so it crouches exactly
// while the key is held.
void E_Player::crouch() {
    if (m_onGround && m_ctrlCrouch) {
        if (!m_crouching) {
            m_crouching = true;
            m_walkSpeed = CROUCH_WALK_SPEED;
            m_aimPosition.m_y = CROUCH_AIM_HEIGHT;
        }
    } else if ((m_collisionPointCache.m_collisionLeftMostFloor == nullptr || !m_ctrlCrouch) &&
               m_crouching) {
        m_crouching = false;
        m_walkSpeed = WALK_SPEED;
        m_aimPosition.m_y = AIM_HEIGHT;
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
        // The body leans a quarter of the way towards the target, measured
        // from level in the direction it faces.
        Degrees lean = Degrees(targetCentre - centre).constrain();
        if (lean > STRAIGHT_DOWN)
            lean -= FULL_TURN;
        if (!m_facingRight)
            lean -= HALF_TURN;
        lean *= BODY_FOLLOW;
        if (!m_facingRight)
            lean += HALF_TURN;
        m_bodyRotation = lean;
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
    const Vector2 hip(HIP_X, HIP_Y + (m_crouching ? CROUCH_DROP : 0.0));
    m_armPos = Vector2(lean + SHOULDER_ANGLE, SHOULDER_DISTANCE) + hip;
    m_headPos = Vector2(lean + NECK_ANGLE, NECK_DISTANCE) + hip;
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
    Degrees aim = m_armRotation;
    if (m_facingRight) {
        if (aim > AIM_DOWN_FROM && aim < AIM_DOWN_RIGHT)
            aim = Degrees(AIM_DOWN_RIGHT);
        if (aim > STRAIGHT_DOWN)
            aim -= FULL_TURN;
    } else {
        if (aim > AIM_DOWN_LEFT)
            aim = Degrees(AIM_DOWN_LEFT);
        aim -= HALF_TURN;
    }
    m_headRotation = aim * HEAD_FOLLOW + (m_facingRight ? 0.0 : HALF_TURN);
}

// A cycle is always entered at its first frame and left at once when the
// walk or crouch keys change.
void E_Player::animateLegs() {
    const bool walking = m_ctrlLeft || m_ctrlRight;
    if (m_crouching) {
        if (!walking && m_legFrameType != LEG_FRAME_CROUCH)
            frLegCrouchStand();
        else if (walking && m_legFrameType != LEG_FRAME_CROUCH_WALK)
            frLegCrouch00();
    } else if (!m_onGround) {
        if (m_legFrameType != LEG_FRAME_JUMP)
            frLegJump();
    } else if (!walking) {
        if (m_legFrameType != LEG_FRAME_STAND)
            frLegStand();
    } else if (m_legFrameType != LEG_FRAME_WALK) {
        frLegWalk00();
    }
}

bool E_Player::walkingBackwards() const {
    return (m_ctrlLeft && m_facingRight) || (m_ctrlRight && !m_facingRight);
}

void E_Player::enterLegFrame(legFrameType type, spriteEnum sprite, double duration) {
    m_legFrameType = type;
    m_legFrames->m_currentSprites[0] = sprite;
    m_legFrames->m_duration = duration;
}

void E_Player::enterLegCycleFrame(legFrameType type, spriteEnum sprite, Frame forward,
                                  double forwardLean, Frame backward, double backwardLean) {
    enterLegFrame(type, sprite, LEG_FRAME_TICKS);
    const bool backwards = walkingBackwards();
    m_legFrames->m_nextFrame = backwards ? backward : forward;
    m_bodyRotationOffset = Degrees(backwards ? backwardLean : forwardLean);
}

void E_Player::frArmInit() {
    frArmPISTidle();
}

void E_Player::frArmPISTidle() {
    m_armFrames->m_currentSprites[0] = SP_PLAYarmPIST00;
    m_armFrames->m_currentSprites[1] = SP_NONE;
    m_armFrames->m_duration = FRAME_INFINITE_DURATION;
}

void E_Player::frLegStand() {
    enterLegFrame(LEG_FRAME_STAND, SP_PLAYlegS, FRAME_INFINITE_DURATION);
    m_bodyRotationOffset = Degrees(0);
}

void E_Player::frLegJump() {
    enterLegFrame(LEG_FRAME_JUMP, SP_PLAYlegJ, FRAME_INFINITE_DURATION);
    m_bodyRotationOffset = Degrees(0);
}

// The walk cycle: the body leans into the stride and back, forwards with
// negative leans, backwards with positive ones.
void E_Player::frLegWalk00() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW00, &E_Player::frLegWalk01, -5,
                       &E_Player::frLegWalk05, 5);
}
void E_Player::frLegWalk01() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW01, &E_Player::frLegWalk02, -10,
                       &E_Player::frLegWalk00, 10);
}
void E_Player::frLegWalk02() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW02, &E_Player::frLegWalk03, -15,
                       &E_Player::frLegWalk01, 15);
}
void E_Player::frLegWalk03() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW03, &E_Player::frLegWalk04, -10,
                       &E_Player::frLegWalk02, 10);
}
void E_Player::frLegWalk04() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW04, &E_Player::frLegWalk05, -5,
                       &E_Player::frLegWalk03, 5);
}
void E_Player::frLegWalk05() {
    enterLegCycleFrame(LEG_FRAME_WALK, SP_PLAYlegW05, &E_Player::frLegWalk00, 0,
                       &E_Player::frLegWalk04, 0);
}

// Crouching still keeps whatever lean the legs last gave.
void E_Player::frLegCrouchStand() {
    enterLegFrame(LEG_FRAME_CROUCH, SP_PLAYlegD00, FRAME_INFINITE_DURATION);
}

void E_Player::frLegCrouch00() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD00, &E_Player::frLegCrouch01, -5,
                       &E_Player::frLegCrouch07, 5);
}
void E_Player::frLegCrouch01() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD01, &E_Player::frLegCrouch02, -10,
                       &E_Player::frLegCrouch00, 10);
}
void E_Player::frLegCrouch02() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD02, &E_Player::frLegCrouch03, -15,
                       &E_Player::frLegCrouch01, 15);
}
void E_Player::frLegCrouch03() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD03, &E_Player::frLegCrouch04, -20,
                       &E_Player::frLegCrouch02, 20);
}
void E_Player::frLegCrouch04() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD04, &E_Player::frLegCrouch05, -15,
                       &E_Player::frLegCrouch03, 15);
}
void E_Player::frLegCrouch05() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD05, &E_Player::frLegCrouch06, -10,
                       &E_Player::frLegCrouch04, 10);
}
void E_Player::frLegCrouch06() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD06, &E_Player::frLegCrouch07, -5,
                       &E_Player::frLegCrouch05, 5);
}
void E_Player::frLegCrouch07() {
    enterLegCycleFrame(LEG_FRAME_CROUCH_WALK, SP_PLAYlegD07, &E_Player::frLegCrouch00, 0,
                       &E_Player::frLegCrouch06, 0);
}

const Sprite& E_Player::spriteOf(spriteEnum sprite) const {
    return *m_sprites[sprite - FIRST_SPRITE];
}

Degrees E_Player::drawnRotation(Degrees rotation) const {
    return m_facingRight ? rotation : rotation - HALF_TURN;
}

// `offset` is from the centre to the part's anchor as the pose keeps it
// (already mirrored when facing left).
void E_Player::drawPart(spriteEnum sprite, const Vector2& offset, Degrees rotation) const {
    const Vector2& centre = m_position.m_center;
    const double x = centre.m_x + offset.m_x + (m_facingRight ? 0.0 : MIRROR_SHIFT);
    spriteOf(sprite).draw(static_cast<float>(x), static_cast<float>(centre.m_y + offset.m_y),
                          m_facingRight ? 1.0f : -1.0f, 1.0f,
                          static_cast<float>(rotation.m_degrees), 1, 1, 1, 1);
}

// The player is drawn in the level's perspective, on the world plane, back
// to front: back arm, body, head, legs, front arm. It is drawn before the
// level, so its parts leave their depth behind (where they are opaque) to
// keep the scenery behind the world plane from painting over it; among
// themselves the parts still go strictly back to front.
void E_Player::draw() {
    m_mapController->set3Dmode();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, OPAQUE_ENOUGH);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    glTranslatef(FIGURE_SHIFT, 0, 0);

    const spriteEnum frontArm = m_armFrames->m_currentSprites[0];
    const spriteEnum backArm = m_armFrames->m_currentSprites[1];
    const Degrees armRotation = drawnRotation(m_armRotation + m_armRotationOffset);
    if (backArm != SP_NONE)
        drawPart(backArm, m_armPos, armRotation);
    const Vector2 body(m_facingRight ? HIP_X : -HIP_X, HIP_Y + (m_crouching ? CROUCH_DROP : 0.0));
    drawPart(SP_PLAYbody, body, drawnRotation(m_bodyRotation + m_bodyRotationOffset));
    drawPart(SP_PLAYhead, m_headPos, drawnRotation(m_headRotation + m_headRotationOffset));
    drawPart(m_legFrames->m_currentSprites[0], Vector2(0, 0), Degrees(0));
    drawPart(frontArm, m_armPos, armRotation);

    glPopMatrix();
    glDisable(GL_ALPHA_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    drawCollisionEllipse();
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
