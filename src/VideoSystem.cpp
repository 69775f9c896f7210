// Window and context lifetime, the two projections, and the frame routines.
// Textures live in the context, so closing it unloads them and opening one
// asks for them back.
#include "VideoSystem.h"

#include <cstdlib>
#include <string>

#include "ApplicationController.h"
#include "Logger.h"
#include "Objects/Drawable.h"
#include "ProgramProfile.h"
#include "ResourceManager.h"
#include "_application.h"

namespace {
// The mode every display can give when the requested one is refused.
const int FAILSAFE_WIDTH = 640;
const int FAILSAFE_HEIGHT = 480;
const int FAILSAFE_BPP = 16;
const int VIDEO_START_ATTEMPTS = 5;

// The perspective frustum: at the near plane it covers exactly the 640 x 480
// view, with y downwards like the flat projection.
} // namespace

bool compareDrawableDepths(Drawable* first, Drawable* second) {
    return first->getDepth() > second->getDepth();
}

VideoSystem::VideoSystem(ApplicationController* appController)
    : m_initialized(false), m_appController(appController), m_2Dmode(false),
      m_modeRequester(SDL_SetVideoMode) {}

VideoSystem::~VideoSystem() {
    uninitialize();
}

void VideoSystem::initialize(int screenWidth, int screenHeight, int screenBPP, bool fullScreen) {
    uninitialize();
    if (SDL_Init(SDL_INIT_VIDEO) == -1)
        m_appController->getLogger()->logFatalError("Failed to initialize SDL video");
    refuseUnaskedOffscreenDriver();
    SDL_EnableKeyRepeat(0, 0);
    SDL_ShowCursor(SDL_DISABLE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    openWindow(screenWidth, screenHeight, screenBPP, fullScreen);
    SDL_WM_SetCaption(programProfile().caption, nullptr);
    setFixedState();
    if (glGetError() != GL_NO_ERROR)
        m_appController->getLogger()->logFatalError("OpenGL error during video initialization");
    m_initialized = true;
    m_appController->getResourceManager()->reloadTextures();
}

// Without a display the video library quietly falls back to a driver that
// draws into memory, and the game would run on with no window to see.
// Tests that want that driver name it in SDL_VIDEODRIVER. With a display the
// library's start on it now and then fails for no lasting reason (a few in a
// hundred starts of one process); a fresh start then succeeds.
void VideoSystem::refuseUnaskedOffscreenDriver() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const auto offscreenUnasked = [asked] {
        char driver[32] = "";
        SDL_VideoDriverName(driver, sizeof driver);
        const std::string chosen = driver;
        return (chosen == "offscreen" || chosen == "dummy") &&
               (asked == nullptr || chosen != asked);
    };
    const auto named = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value != nullptr && *value != '\0';
    };
    const bool displayNamed = named("DISPLAY") || named("WAYLAND_DISPLAY");
    for (int attempt = 0; displayNamed && attempt < VIDEO_START_ATTEMPTS && offscreenUnasked();
         ++attempt) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    }
    if (!offscreenUnasked())
        return;
    SDL_Quit();
    if (displayNamed)
        m_appController->getLogger()->logFatalError(
            "Failed to open the display named by DISPLAY or WAYLAND_DISPLAY");
    m_appController->getLogger()->logFatalError(
        "No display to open the window on: the game needs one (is DISPLAY set?); the tests get "
        "one from xvfb-run");
}

void VideoSystem::openWindow(int screenWidth, int screenHeight, int screenBPP, bool fullScreen) {
    Uint32 flags = SDL_OPENGL;
    if (fullScreen)
        flags |= SDL_FULLSCREEN;
    if (m_modeRequester(screenWidth, screenHeight, screenBPP, flags) != nullptr) {
        glViewport(0, 0, screenWidth, screenHeight);
        return;
    }
    m_appController->getLogger()->logError("Failed to set video mode to %dx%d %dbpp %s",
                                           screenWidth, screenHeight, screenBPP,
                                           fullScreen ? "full screen" : "windowed");
    if (m_modeRequester(FAILSAFE_WIDTH, FAILSAFE_HEIGHT, FAILSAFE_BPP, SDL_OPENGL) == nullptr)
        m_appController->getLogger()->logFatalError(
            "Failed to set video mode to fail safe default of 640x480 16bpp windowed");
    glViewport(0, 0, FAILSAFE_WIDTH, FAILSAFE_HEIGHT);
}

void VideoSystem::setFixedState() {
    const GLclampf* clear = programProfile().clearColour;
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    m_2Dmode = false;
    set2Dmode();
    glLoadIdentity();
    // Culling is switched on only by the perspective mode; which faces it
    // drops is fixed once here.
    glCullFace(GL_BACK);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void VideoSystem::uninitialize() {
    if (!m_initialized)
        return;
    m_appController->getResourceManager()->unloadTextures();
    m_initialized = false;
    SDL_Quit();
}

void VideoSystem::set2Dmode() {
    if (m_2Dmode)
        return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, VIEW_WIDTH, VIEW_HEIGHT, 0, -1, 1);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    m_2Dmode = true;
}

void VideoSystem::set3Dmode() {
    if (!m_2Dmode)
        return;
    const GLdouble halfWidth = VIEW_WIDTH / 2.0;
    const GLdouble halfHeight = VIEW_HEIGHT / 2.0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-halfWidth, halfWidth, halfHeight, -halfHeight, FRUSTUM_NEAR, FRUSTUM_FAR);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_CULL_FACE);
    m_2Dmode = false;
}

void VideoSystem::preDraw() {
    if (m_initialized)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void VideoSystem::postDraw() {
    if (m_initialized)
        SDL_GL_SwapBuffers();
}

void VideoSystem::drawAdd(Drawable* drawable) {
    m_drawList.push_front(drawable);
}

void VideoSystem::drawList() {
    if (!m_initialized)
        return;
    // std::list::sort is a stable merge sort: equal depths keep list order,
    // so the one queued last (at the front) is drawn furthest back.
    m_drawList.sort(compareDrawableDepths);
    glClear(GL_COLOR_BUFFER_BIT);
    while (!m_drawList.empty()) {
        Drawable* drawable = m_drawList.front();
        m_drawList.pop_front();
        if (drawable->getVisible())
            drawable->draw();
    }
    SDL_GL_SwapBuffers();
}
