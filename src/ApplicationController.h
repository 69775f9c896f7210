// Owner of the engine systems and of the application loop: the one loop of
// the program, which turns wall-clock time into game ticks and draws one
// frame per pass.
#pragma once

#include "TickSchedule.h"

class Logger;
class ResourceManager;
class ApplicationSettings;
class ApplicationStateController;
class AudioSystem;
class VideoSystem;
class EventSystem;

class ApplicationController {
  public:
    ApplicationController();
    virtual ~ApplicationController();
    ApplicationController(const ApplicationController&) = delete;
    ApplicationController& operator=(const ApplicationController&) = delete;

    void init(Logger* logger, ResourceManager* resourceManager,
              ApplicationSettings* applicationSettings,
              ApplicationStateController* applicationState, AudioSystem* audioSystem,
              VideoSystem* videoSystem, EventSystem* eventSystem);
    virtual void appLoop();
    void exitApp() { m_running = false; }

    // One pass of the loop with `deltaTime` ticks due: the ticks, the audio
    // update and the frame. The loop measures the time; tests pass it in.
    // Returns the number of ticks run.
    int runPass(double deltaTime);

    bool getRunning() const { return m_running; }
    Logger* getLogger() const { return m_logger; }
    ApplicationSettings* getApplicationSettings() const { return m_applicationSettings; }
    ApplicationStateController* getApplicationStateController() const { return m_applicationState; }
    AudioSystem* getAudioSystem() const { return m_audioSystem; }
    VideoSystem* getVideoSystem() const { return m_videoSystem; }
    EventSystem* getEventSystem() const { return m_eventSystem; }
    ResourceManager* getResourceManager() const { return m_resourceManager; }
    double getTickFraction() const { return m_tickFraction; }
    // The loop writes the fraction before every tick; tests that drive the
    // world without the loop fix it here.
    void setTickFraction(double tickFraction) { m_tickFraction = tickFraction; }

  private:
    void runTick();
    void drawFrame();

    Logger* m_logger;
    ApplicationSettings* m_applicationSettings;
    ApplicationStateController* m_applicationState;
    AudioSystem* m_audioSystem;
    VideoSystem* m_videoSystem;
    EventSystem* m_eventSystem;
    ResourceManager* m_resourceManager;
    bool m_running;
    double m_tickFraction;
};
