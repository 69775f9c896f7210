// Input state with a real SDL event queue. Compiled into the tests of both
// programs so the pointer scaling is checked in both window sizes.
#include <gtest/gtest.h>

#include "AppStuff/GUIController.h"
#include "TestEngine.h"

class Input : public testing::Test {
  protected:
    TestEngine engine;
};

TEST_F(Input, HeldKeyIsPressedOnceDownThroughoutReleasedOnce) {
    engine.pushKey(SDLK_d, true);
    engine.events->pollEvents();
    EXPECT_TRUE(engine.events->getKeyStatePressed(SDLK_d));
    EXPECT_TRUE(engine.events->getKeyStateDown(SDLK_d));
    EXPECT_TRUE(engine.events->getKeyAnyKeyPressed());

    for (int tick = 0; tick < 3; ++tick) {
        engine.events->pollEvents();
        EXPECT_FALSE(engine.events->getKeyStatePressed(SDLK_d));
        EXPECT_TRUE(engine.events->getKeyStateDown(SDLK_d));
        EXPECT_FALSE(engine.events->getKeyStateReleased(SDLK_d));
        EXPECT_FALSE(engine.events->getKeyAnyKeyPressed());
    }

    engine.pushKey(SDLK_d, false);
    engine.events->pollEvents();
    EXPECT_TRUE(engine.events->getKeyStateReleased(SDLK_d));
    EXPECT_FALSE(engine.events->getKeyStateDown(SDLK_d));
    engine.events->pollEvents();
    EXPECT_FALSE(engine.events->getKeyStateReleased(SDLK_d));
}

TEST_F(Input, TapWithinOneTickIsPressedAndReleasedButNotDown) {
    engine.tapKey(SDLK_w);
    engine.events->pollEvents();
    EXPECT_TRUE(engine.events->getKeyStatePressed(SDLK_w));
    EXPECT_TRUE(engine.events->getKeyStateReleased(SDLK_w));
    EXPECT_FALSE(engine.events->getKeyStateDown(SDLK_w));
}

TEST_F(Input, MouseButtonsFollowTheSameRules) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&event);
    engine.events->pollEvents();
    EXPECT_TRUE(engine.events->getMouseStatePressed(SDL_BUTTON_LEFT));
    EXPECT_TRUE(engine.events->getMouseStateDown(SDL_BUTTON_LEFT));
    EXPECT_TRUE(engine.events->getMouseAnyButtonPressed());
    event.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&event);
    engine.events->pollEvents();
    EXPECT_FALSE(engine.events->getMouseStatePressed(SDL_BUTTON_LEFT));
    EXPECT_TRUE(engine.events->getMouseStateReleased(SDL_BUTTON_LEFT));
    EXPECT_FALSE(engine.events->getMouseStateDown(SDL_BUTTON_LEFT));
}

TEST_F(Input, PointerIsScaledIntoTheView) {
    const int width = engine.settings->getVIDEO_screenWidth();
    const int height = engine.settings->getVIDEO_screenHeight();
    engine.pushMotion(static_cast<Uint16>(width / 2), static_cast<Uint16>(height / 2));
    engine.events->pollEvents();
    EXPECT_EQ(engine.events->getMouseX(), 320);
    EXPECT_EQ(engine.events->getMouseY(), 240);

    engine.pushMotion(static_cast<Uint16>(width - 1), static_cast<Uint16>(height - 1));
    engine.events->pollEvents();
    EXPECT_EQ(engine.events->getMouseX(), 639);
    EXPECT_EQ(engine.events->getMouseY(), 479);
    EXPECT_EQ(engine.events->getMouseXLast(), 320);
    EXPECT_EQ(engine.events->getMouseYLast(), 240);

    engine.events->pollEvents();
    EXPECT_EQ(engine.events->getMouseX(), 639);
}

TEST_F(Input, QuitEventEndsTheLoopAfterTheCurrentPass) {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    engine.tapKey(SDLK_ESCAPE);
    // The real loop: it returns only once the first tick of a pass has
    // polled the quit event.
    engine.controller->appLoop();
    EXPECT_FALSE(engine.controller->getRunning());
    // The tick went on after the quit: the key behind it showed the
    // interface layer, and the game was started.
    EXPECT_TRUE(engine.state->getGUIController()->getVisible());
    EXPECT_NE(engine.state->getMapStateController(), nullptr);
}
