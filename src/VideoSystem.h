// The window, its OpenGL context and the fixed drawing state everything
// relies on: a 640 x 480 view with the origin at the top left, stretched
// over whatever window size the settings ask for.
#pragma once

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <list>

class ApplicationController;
class Drawable;

// Orders the draw list: greater depth first, so it is drawn further back.
bool compareDrawableDepths(Drawable* first, Drawable* second);

class VideoSystem {
  public:
    // How a video mode is requested. Tests replace it to make a request fail,
    // which nothing makes SDL do reliably under a virtual display.
    using ModeRequester = SDL_Surface* (*)(int width, int height, int bpp, Uint32 flags);

    explicit VideoSystem(ApplicationController* appController);
    virtual ~VideoSystem();
    VideoSystem(const VideoSystem&) = delete;
    VideoSystem& operator=(const VideoSystem&) = delete;

    void initialize(int screenWidth, int screenHeight, int screenBPP, bool fullScreen);
    void uninitialize();
    bool getInitialized() const { return m_initialized; }

    void set2Dmode();
    void set3Dmode();
    void preDraw();
    void postDraw();

    void drawAdd(Drawable* drawable);
    void drawList();
    std::size_t drawListSize() const { return m_drawList.size(); }

    void setModeRequester(ModeRequester requester) { m_modeRequester = requester; }

  private:
    void refuseUnaskedOffscreenDriver();
    void openWindow(int screenWidth, int screenHeight, int screenBPP, bool fullScreen);
    void setFixedState();

    bool m_initialized;
    ApplicationController* m_appController;
    std::list<Drawable*> m_drawList;
    bool m_2Dmode;
    ModeRequester m_modeRequester;
};
