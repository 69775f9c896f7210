// The top-level state machine driven through the real loop pass and a real
// SDL event queue: the first tick starts the game, the pause key toggles the
// interface layer unless a menu key masks it, bad states are reported.
#include <gtest/gtest.h>

#include "AppStuff/GUIController.h"
#include "AppStuff/MapStateController.h"
#include "TestEngine.h"

using State = ApplicationStateController;

class StateMachine : public testing::Test {
  protected:
    void startLoop() {
        engine.state->init();
        engine.state->startPregameSplashScreens();
    }
    void tick() { engine.controller->runPass(1.0); }
    bool layerVisible() const { return engine.state->getGUIController()->getVisible(); }

    TestEngine engine;
};

TEST_F(StateMachine, FirstTickStartsTheGameWithTheMap) {
    startLoop();
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_PREGAME_SPLASH);
    EXPECT_EQ(engine.state->getMapStateController(), nullptr);
    tick();
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_MAP);
    ASSERT_NE(engine.state->getMapStateController(), nullptr);
    EXPECT_TRUE(engine.state->getMapStateController()->getInitialized());
}

TEST_F(StateMachine, PauseKeyTogglesTheLayerEvenBeforeAMapExists) {
    startLoop();
    engine.tapKey(SDLK_ESCAPE);
    engine.events->pollEvents();
    engine.state->gameTick();
    EXPECT_TRUE(layerVisible());
    engine.tapKey(SDLK_ESCAPE);
    tick();
    EXPECT_FALSE(layerVisible());
}

TEST_F(StateMachine, MenuKeyInTheSameTickMasksThePauseKey) {
    startLoop();
    for (SDLKey menuKey : {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5, SDLK_F6}) {
        engine.tapKey(SDLK_ESCAPE);
        engine.tapKey(menuKey);
        tick();
        EXPECT_FALSE(layerVisible()) << "menu key " << menuKey;
    }
    engine.tapKey(SDLK_ESCAPE);
    tick();
    EXPECT_TRUE(layerVisible());
}

TEST_F(StateMachine, HeldPauseKeyTogglesOnlyOnce) {
    startLoop();
    engine.pushKey(SDLK_ESCAPE, true);
    tick();
    tick();
    tick();
    EXPECT_TRUE(layerVisible());
}

TEST_F(StateMachine, TickWithoutAStateIsReportedAndChangesNothing) {
    engine.state->init();
    tick();
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_NOTHING);
    EXPECT_EQ(engine.logger->errors().back(), "Ended up inside an invalid application state");
}

TEST_F(StateMachine, FrameBeforeInitDrawsNothingAndLogsNothing) {
    const std::size_t linesBefore = engine.logger->lines.size();
    engine.state->gameFrame();
    EXPECT_EQ(engine.logger->lines.size(), linesBefore);
}

TEST_F(StateMachine, QuitKeyInTheFirstOfThreeTicksStillRunsTheOthers) {
    startLoop();
    engine.tapKey(SDLK_F10);
    engine.tapKey(SDLK_ESCAPE);
    // The first tick polls both keys: quit is requested, the layer shows and
    // the game starts. The later ticks poll again, which clears the pressed
    // flags the first one saw.
    // (That the quit then ends the loop is DefaultMenuKeys.F10EndsTheMainLoop.)
    EXPECT_EQ(engine.controller->runPass(2.5), 3);
    EXPECT_TRUE(layerVisible());
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_MAP);
    EXPECT_FALSE(engine.events->getKeyStatePressed(SDLK_F10));
}
