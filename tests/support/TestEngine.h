// The engine systems brought up the way the program entry does, with a
// recording logger, so tests can drive ticks and frames of the real engine.
// Needs a display (tests run under a virtual X server).
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <physfs.h>

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "ApplicationStateController.h"
#include "AudioSystem.h"
#include "EventSystem.h"
#include "RecordingLogger.h"
#include "ResourceManager.h"
#include "VideoSystem.h"

struct TestEngine {
    // `prepareVideo` runs on the video system before it opens its window.
    template <class Prepare = void (*)(VideoSystem&)>
    explicit TestEngine(Prepare prepareVideo = [](VideoSystem&) {})
        : controller(std::make_unique<ApplicationController>()) {
        // The game's files, as the programs find them from their run
        // directory (the tests that start a game run there).
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount("Resources/Resources.pak", nullptr, 1);
        ApplicationController* c = controller.get();
        logger = new RecordingLogger(c);
        settings = new ApplicationSettings(c, "config.cfg");
        state = new ApplicationStateController(c);
        events = new EventSystem(c);
        video = new VideoSystem(c);
        prepareVideo(*video);
        c->init(logger, new ResourceManager(c), settings, state, new AudioSystem(c), video, events);
        // Whatever the new window reported about the display's own pointer
        // and focus is no input of a test.
        SDL_Event pending;
        while (SDL_PollEvent(&pending)) {
        }
    }

    void pushKey(SDLKey key, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
    void tapKey(SDLKey key) {
        pushKey(key, true);
        pushKey(key, false);
    }
    void pushMotion(Uint16 x, Uint16 y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        SDL_PushEvent(&event);
    }

    std::unique_ptr<ApplicationController> controller;
    RecordingLogger* logger;
    ApplicationSettings* settings;
    ApplicationStateController* state;
    EventSystem* events;
    VideoSystem* video;
};
