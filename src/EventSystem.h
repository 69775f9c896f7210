// Input state of one tick: per key and mouse button, whether it went down,
// is held, or went up during the latest poll, and the pointer position in
// the 640 x 480 view. Polled once per tick, so "pressed" means "this tick".
#pragma once

#include <SDL/SDL.h>

class ApplicationController;

const unsigned short MOUSE_BUTTONS_MAX = 256;
// One entry per SDL key symbol, SDLK_LAST included.
const unsigned short KEY_STATES_MAX = SDLK_LAST + 1;

class EventSystem {
  public:
    explicit EventSystem(ApplicationController* appController);
    virtual ~EventSystem();

    void pollEvents();
    void resetKeyState();
    void resetMouseState();

    bool getKeyStatePressed(SDLKey key) const { return m_keyStatePressed[key]; }
    bool getKeyStateDown(SDLKey key) const { return m_keyStateDown[key]; }
    bool getKeyStateReleased(SDLKey key) const { return m_keyStateReleased[key]; }
    bool getMouseStatePressed(Uint8 button) const { return m_mouseStatePressed[button]; }
    bool getMouseStateDown(Uint8 button) const { return m_mouseStateDown[button]; }
    bool getMouseStateReleased(Uint8 button) const { return m_mouseStateReleased[button]; }
    bool getKeyAnyKeyPressed() const { return m_keyAnyKeyPressed; }
    bool getMouseAnyButtonPressed() const { return m_mouseAnyButtonPressed; }
    Uint16 getMouseX() const { return m_mouseX; }
    Uint16 getMouseY() const { return m_mouseY; }
    Sint16 getMouseXLast() const { return static_cast<Sint16>(m_mouseXLast); }
    Sint16 getMouseYLast() const { return static_cast<Sint16>(m_mouseYLast); }

  private:
    void clearPerPollFlags();
    void handleEvent(const SDL_Event& event, double viewXscale, double viewYscale);

    ApplicationController* m_appController;
    bool m_keyAnyKeyPressed;
    bool m_keyStatePressed[KEY_STATES_MAX];
    bool m_keyStateDown[KEY_STATES_MAX];
    bool m_keyStateReleased[KEY_STATES_MAX];
    bool m_mouseAnyButtonPressed;
    bool m_mouseStatePressed[MOUSE_BUTTONS_MAX];
    bool m_mouseStateDown[MOUSE_BUTTONS_MAX];
    bool m_mouseStateReleased[MOUSE_BUTTONS_MAX];
    Uint16 m_mouseX;
    Uint16 m_mouseY;
    Uint16 m_mouseXLast;
    Uint16 m_mouseYLast;
};
