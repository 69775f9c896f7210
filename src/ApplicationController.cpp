// The application loop and the order in which the engine systems come up
// and go down. Teardown runs the logger last so every system can still
// report while it closes.
#include "ApplicationController.h"

#include <SDL/SDL.h>

#include "ApplicationSettings.h"
#include "ApplicationStateController.h"
#include "AudioSystem.h"
#include "EventSystem.h"
#include "Logger.h"
#include "ProgramProfile.h"
#include "ResourceManager.h"
#include "VideoSystem.h"

ApplicationController::ApplicationController()
    : m_logger(nullptr), m_applicationSettings(nullptr), m_applicationState(nullptr),
      m_audioSystem(nullptr), m_videoSystem(nullptr), m_eventSystem(nullptr),
      m_resourceManager(nullptr), m_running(false), m_tickFraction(0.0) {}

ApplicationController::~ApplicationController() {
    delete m_applicationState;
    delete m_eventSystem;
    delete m_videoSystem;
    delete m_audioSystem;
    delete m_resourceManager;
    delete m_applicationSettings;
    delete m_logger;
}

void ApplicationController::init(Logger* logger, ResourceManager* resourceManager,
                                 ApplicationSettings* applicationSettings,
                                 ApplicationStateController* applicationState,
                                 AudioSystem* audioSystem, VideoSystem* videoSystem,
                                 EventSystem* eventSystem) {
    m_logger = logger;
    m_resourceManager = resourceManager;
    m_applicationSettings = applicationSettings;
    m_applicationState = applicationState;
    m_audioSystem = audioSystem;
    m_videoSystem = videoSystem;
    m_eventSystem = eventSystem;

    m_videoSystem->initialize(m_applicationSettings->getVIDEO_screenWidth(),
                              m_applicationSettings->getVIDEO_screenHeight(),
                              m_applicationSettings->getVIDEO_screenBPP(),
                              m_applicationSettings->getVIDEO_fullScreen());
    m_audioSystem->initialize(0);
    m_resourceManager->initialize();
}

void ApplicationController::appLoop() {
    if (m_running)
        return;
    m_running = true;
    m_applicationState->init();
    m_applicationState->startPregameSplashScreens();

    // The clock is read twice per pass; the moment between the reads is
    // deliberately not counted, as it always has been.
    Uint32 loopTime = 0;
    while (m_running) {
        const double deltaTime = ticksForElapsed(SDL_GetTicks() - loopTime);
        loopTime = SDL_GetTicks();
        runPass(deltaTime);
        SDL_Delay(1);
    }
}

int ApplicationController::runPass(double deltaTime) {
    const int ticks = runTicks(deltaTime, m_tickFraction, [this] { runTick(); });
    m_audioSystem->update();
    drawFrame();
    return ticks;
}

void ApplicationController::runTick() {
    m_eventSystem->pollEvents();
    // Quitting only stops the loop after this pass: the remaining ticks and
    // the frame still run.
    if (m_eventSystem->getKeyStatePressed(m_applicationSettings->m_CONTROL_KBD_quit))
        exitApp();
    m_applicationState->gameTick();
}

void ApplicationController::drawFrame() {
    switch (programProfile().frameRoutine) {
    case FrameRoutine::ClearDrawSwap:
        m_videoSystem->preDraw();
        m_applicationState->gameFrame();
        m_videoSystem->postDraw();
        break;
    case FrameRoutine::DepthSortedDrawList:
        m_applicationState->gameFrame();
        m_videoSystem->drawList();
        break;
    }
}
