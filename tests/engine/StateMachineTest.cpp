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

// The first of three ticks polls the quit and the pause key: quit is
// requested, the layer shows and the game starts, and the later ticks still
// run (their polls clear the pressed flags the first one saw). That the
// quit then ends the loop is DefaultMenuKeys' test. Afterwards the pause
// key toggles once per press, unless a menu key comes with it.
TEST_F(StateMachine, FirstTickStartsTheGameAndThePauseKeyTogglesOncePerPressUnlessMasked) {
    startLoop();
    engine.tapKey(SDLK_F10);
    engine.tapKey(SDLK_ESCAPE);
    EXPECT_EQ(engine.controller->runPass(2.5), 3);
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_MAP);
    const MapStateController* map = engine.state->getMapStateController();
    EXPECT_TRUE(map != nullptr && map->getInitialized());
    EXPECT_TRUE(layerVisible()) << "the pause key works before a map exists";
    EXPECT_FALSE(engine.events->getKeyStatePressed(SDLK_F10));

    for (SDLKey menuKey : {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5, SDLK_F6}) {
        engine.tapKey(SDLK_ESCAPE);
        engine.tapKey(menuKey);
        tick();
        EXPECT_TRUE(layerVisible()) << "menu key " << menuKey;
    }
    engine.pushKey(SDLK_ESCAPE, true);
    tick();
    tick();
    tick();
    EXPECT_FALSE(layerVisible()) << "held: toggled once";
    engine.pushKey(SDLK_ESCAPE, false);
    engine.tapKey(SDLK_ESCAPE);
    tick();
    EXPECT_TRUE(layerVisible());
}

TEST_F(StateMachine, FrameBeforeInitDrawsNothingAndATickWithoutAStateIsReported) {
    const std::size_t linesBefore = engine.logger->lines.size();
    engine.state->gameFrame();
    EXPECT_EQ(engine.logger->lines.size(), linesBefore);
    engine.state->init();
    tick();
    EXPECT_EQ(engine.state->getApplicationState(), State::APPST_NOTHING);
    EXPECT_EQ(engine.logger->errors().back(), "Ended up inside an invalid application state");
}
