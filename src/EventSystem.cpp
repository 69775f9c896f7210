// Drains SDL's event queue into the per-tick input state. Events are taken
// in queue order, so a key pressed and released within one tick reads as
// pressed and released but not down.
#include "EventSystem.h"

#include <algorithm>

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "_application.h"

EventSystem::EventSystem(ApplicationController* appController)
    : m_appController(appController), m_mouseX(0), m_mouseY(0), m_mouseXLast(0), m_mouseYLast(0) {
    resetKeyState();
    resetMouseState();
}

EventSystem::~EventSystem() = default;

void EventSystem::resetKeyState() {
    m_keyAnyKeyPressed = false;
    std::fill(std::begin(m_keyStatePressed), std::end(m_keyStatePressed), false);
    std::fill(std::begin(m_keyStateDown), std::end(m_keyStateDown), false);
    std::fill(std::begin(m_keyStateReleased), std::end(m_keyStateReleased), false);
}

void EventSystem::resetMouseState() {
    m_mouseAnyButtonPressed = false;
    std::fill(std::begin(m_mouseStatePressed), std::end(m_mouseStatePressed), false);
    std::fill(std::begin(m_mouseStateDown), std::end(m_mouseStateDown), false);
    std::fill(std::begin(m_mouseStateReleased), std::end(m_mouseStateReleased), false);
}

void EventSystem::clearPerPollFlags() {
    m_keyAnyKeyPressed = false;
    std::fill(std::begin(m_keyStatePressed), std::end(m_keyStatePressed), false);
    std::fill(std::begin(m_keyStateReleased), std::end(m_keyStateReleased), false);
    m_mouseAnyButtonPressed = false;
    std::fill(std::begin(m_mouseStatePressed), std::end(m_mouseStatePressed), false);
    std::fill(std::begin(m_mouseStateReleased), std::end(m_mouseStateReleased), false);
}

void EventSystem::pollEvents() {
    clearPerPollFlags();
    const ApplicationSettings* settings = m_appController->getApplicationSettings();
    const double viewXscale = settings->getVIDEO_screenWidth() / static_cast<double>(VIEW_WIDTH);
    const double viewYscale = settings->getVIDEO_screenHeight() / static_cast<double>(VIEW_HEIGHT);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        handleEvent(event, viewXscale, viewYscale);
    }
}

void EventSystem::handleEvent(const SDL_Event& event, double viewXscale, double viewYscale) {
    const bool knownKey = (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) &&
                          event.key.keysym.sym < KEY_STATES_MAX;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (!knownKey)
            break;
        m_keyAnyKeyPressed = true;
        m_keyStatePressed[event.key.keysym.sym] = true;
        m_keyStateDown[event.key.keysym.sym] = true;
        break;
    case SDL_KEYUP:
        if (!knownKey)
            break;
        m_keyStateReleased[event.key.keysym.sym] = true;
        m_keyStateDown[event.key.keysym.sym] = false;
        break;
    case SDL_MOUSEMOTION:
        m_mouseXLast = m_mouseX;
        m_mouseYLast = m_mouseY;
        m_mouseX = static_cast<Uint16>(event.motion.x / viewXscale);
        m_mouseY = static_cast<Uint16>(event.motion.y / viewYscale);
        break;
    case SDL_MOUSEBUTTONDOWN:
        m_mouseAnyButtonPressed = true;
        m_mouseStatePressed[event.button.button] = true;
        m_mouseStateDown[event.button.button] = true;
        break;
    case SDL_MOUSEBUTTONUP:
        m_mouseStateReleased[event.button.button] = true;
        m_mouseStateDown[event.button.button] = false;
        break;
    case SDL_QUIT:
        m_appController->exitApp();
        break;
    default:
        break;
    }
}
