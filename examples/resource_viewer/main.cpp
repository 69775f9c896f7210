// The resource viewer: every catalogued sprite in a labelled grid, drawn
// with the engine's own sprites and font, so a person can look at the art.
// Run it from the games' run directory. Escape, F10 or closing the window
// ends it.
#include <IL/il.h>
#include <SDL/SDL.h>
#include <algorithm>
#include <cstdio>
#include <physfs.h>

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "ApplicationStateController.h"
#include "AudioSystem.h"
#include "EventSystem.h"
#include "Logger_Game.h"
#include "ResourceManager.h"
#include "Resources/Font.h"
#include "Resources/Sprite.h"
#include "SearchPath.h"
#include "VideoSystem.h"

namespace {

const int COLUMNS = 8;
const float CELL_WIDTH = 80;
const float CELL_HEIGHT = 76;
const float GRID_TOP = 28;
const float LARGEST_SCALE = 1.5f;
const float ROOM_FOR_SPRITE = 56;

// Small sprites are enlarged to be seen; large ones shrink to fit the cell.
float fittingScale(const Sprite& sprite) {
    const float size = static_cast<float>(std::max(sprite.getWidth(), sprite.getHeight()));
    return size <= 0 ? 1 : std::min(LARGEST_SCALE, ROOM_FOR_SPRITE / size);
}

bool quitRequested() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            return true;
        if (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_ESCAPE || event.key.keysym.sym == SDLK_F10))
            return true;
    }
    return false;
}

void drawCellFrame(float left, float top) {
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.3f, 0.3f, 0.35f, 1);
    glBegin(GL_LINE_LOOP);
    glVertex2f(left + 2, top + 2);
    glVertex2f(left + CELL_WIDTH - 2, top + 2);
    glVertex2f(left + CELL_WIDTH - 2, top + CELL_HEIGHT - 2);
    glVertex2f(left + 2, top + CELL_HEIGHT - 2);
    glEnd();
}

void drawGrid(ResourceManager& resources, Font& font) {
    glLoadIdentity();
    font.setHAlign(Font::FN_H_LEFT);
    font.print(6, 6, "^7Catalogued sprites ^9(catalogue value under each)");
    int cell = 0;
    for (int value = 0; value < SP_NONE; ++value) {
        if (value == SP_PLAYstart || value == SP_PLAYend)
            continue;
        const float left = (cell % COLUMNS) * CELL_WIDTH;
        const float top = GRID_TOP + (cell / COLUMNS) * CELL_HEIGHT;
        ++cell;
        drawCellFrame(left, top);
        Pointer<Sprite> sprite;
        resources.getSprite(static_cast<spriteEnum>(value), &sprite);
        glLoadIdentity();
        // Centre the picture, not its anchor: some anchors lie outside it.
        const float scale = fittingScale(*sprite);
        const float x =
            left + CELL_WIDTH / 2 + (sprite->getXoffset() - sprite->getWidth() / 2.0f) * scale;
        const float y = top + 30 + (sprite->getYoffset() - sprite->getHeight() / 2.0f) * scale;
        sprite->draw(x, y, scale, scale, 0, 1, 1, 1, 1);
        char label[16];
        std::snprintf(label, sizeof label, "%d", value);
        font.setHAlign(Font::FN_H_CENTER);
        font.print(left + CELL_WIDTH / 2, top + CELL_HEIGHT - 18, label);
    }
}

} // namespace

int main(int /*argc*/, char* argv[]) {
    startVirtualFileSystem(argv[0]);
    ilInit();
    auto* controller = new ApplicationController();
    controller->init(new Logger_Game(controller), new ResourceManager(controller),
                     new ApplicationSettings(controller, "config.cfg"),
                     new ApplicationStateController(controller), new AudioSystem(controller),
                     new VideoSystem(controller), new EventSystem(controller));
    SDL_WM_SetCaption("Resource viewer", nullptr);
    ResourceManager& resources = *controller->getResourceManager();
    Pointer<Font> font;
    resources.getFont(FN_Test, &font);
    glClearColor(0.12f, 0.12f, 0.14f, 1);
    while (!quitRequested()) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawGrid(resources, *font);
        SDL_GL_SwapBuffers();
        SDL_Delay(16);
    }
    font.nullify();
    delete controller;
    PHYSFS_deinit();
    return 0;
}
