// Start-up cost of the player's sprites and the cursor, and font printing
// throughput, under whatever OpenGL the display offers (Mesa's software
// renderer on a virtual display). Prints its figures; run from anywhere.
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <physfs.h>
#include <string>
#include <vector>

#include "Resources/Font.h"
#include "Resources/Sprite.h"
#include "TestEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A fresh engine each run, so every texture is decoded and uploaded again.
double loadPlayerSpritesAndCursor() {
    TestEngine engine;
    ResourceManager& resources = *engine.controller->getResourceManager();
    std::vector<Pointer<Sprite>> sprites(SP_PLAYend - SP_PLAYhead + 1);
    const Clock::time_point start = Clock::now();
    for (int value = SP_PLAYhead; value < SP_PLAYend; ++value)
        resources.getSprite(static_cast<spriteEnum>(value), &sprites[value - SP_PLAYhead]);
    resources.getSprite(SP_CursorCrosshair, &sprites.back());
    glFinish();
    const double elapsed = millisecondsSince(start);
    for (Pointer<Sprite>& sprite : sprites)
        sprite.nullify();
    return elapsed;
}

double glyphsPerSecond(ApplicationController& controller, VideoSystem& video) {
    Pointer<Font> font;
    controller.getResourceManager()->getFont(FN_Test, &font);
    std::string line;
    for (char c = 33; c < 127; ++c)
        line += c;
    const int lines = 20, frames = 20;
    std::size_t glyphs = 0;
    const Clock::time_point start = Clock::now();
    for (int frame = 0; frame < frames; ++frame) {
        video.preDraw();
        video.set2Dmode();
        for (int row = 0; row < lines; ++row) {
            font->print(4, 4 + 20.0f * row, line.c_str());
            glyphs += line.size();
        }
        glFinish();
    }
    const double seconds = millisecondsSince(start) / 1000.0;
    font.nullify();
    return glyphs / seconds;
}

} // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    PHYSFS_init("resource_bench");
    PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
    std::vector<double> runs;
    for (int run = 0; run < 15; ++run)
        runs.push_back(loadPlayerSpritesAndCursor());
    {
        TestEngine engine;
        std::printf(
            "Loading the player's 37 sprites and the cursor: %.2f ms (median of %zu runs)\n",
            median(runs), runs.size());
        std::printf("Font printing: %.0f glyphs per second (20 frames of 20 lines of 94 glyphs)\n",
                    glyphsPerSecond(*engine.controller, *engine.video));
    }
    PHYSFS_deinit();
    return 0;
}
