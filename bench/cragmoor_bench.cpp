// What a frame and a tick of cragmoor cost on the real level: a full frame
// at 800 x 600 (clear, sky, player, cursor, level, swap) against a bare
// frame (clear, the sky quad, swap) in the same run under whatever GL the
// display offers, and one world tick while the player walks. Prints the
// medians and the ratio of the frames; run it on the test display from
// anywhere.
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <physfs.h>
#include <vector>

#include "AppStuff/MapController.h"
#include "BenchGame.h"
#include "Entities/Characters/E_Player.h"
#include "Resources/Texture.h"
#include "TestEngine.h"

namespace {

constexpr int FRAMES = 120;
constexpr int WALKING_TICKS = 400;
constexpr int LANDING_TICKS = 60;

using Clock = std::chrono::steady_clock;

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double elapsedMicroseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::micro>(Clock::now() - since).count();
}

// Clear, the sky quad over the flat projection, swap: what every frame of
// the game costs before the level is drawn.
void bareFrame(VideoSystem& video, const Texture& sky) {
    video.preDraw();
    video.set2Dmode();
    glEnable(GL_TEXTURE_2D);
    MapController::drawSkyQuad(sky.getTexture());
    video.postDraw();
}

} // namespace

int main() {
    if (!enterRunDirectory())
        return 1;
    TestEngine engine;
    MapStateController& map = startGameAndLand(engine, LANDING_TICKS);

    Texture sky(engine.controller.get());
    sky.load("SKY1.tga", GL_REPEAT, GL_REPEAT);
    // Full and bare frames alternate, so that both see the same machine.
    std::vector<double> frames, bareFrames;
    for (int frame = 0; frame < FRAMES; ++frame) {
        Clock::time_point start = Clock::now();
        engine.controller->runPass(0.0);
        glFinish();
        frames.push_back(elapsedMicroseconds(start) / 1000.0);
        start = Clock::now();
        bareFrame(*engine.video, sky);
        glFinish();
        bareFrames.push_back(elapsedMicroseconds(start) / 1000.0);
    }

    // A pass without ticks leaves the fraction of a tick at 0.
    engine.controller->setTickFraction(1.0);
    const double walkStart = map.getPlayer()->getPosition().m_center.m_x;
    engine.pushKey(SDLK_d, true);
    std::vector<double> ticks;
    for (int tick = 0; tick < WALKING_TICKS; ++tick) {
        engine.events->pollEvents();
        const Clock::time_point start = Clock::now();
        map.gameTick();
        ticks.push_back(elapsedMicroseconds(start));
    }

    std::printf("player walked from x %.1f to %.1f\n", walkStart,
                map.getPlayer()->getPosition().m_center.m_x);
    std::printf("cragmoor frame, real level, 800 x 600: median %.2f ms over %d frames\n",
                median(frames), FRAMES);
    std::printf("bare frame (clear, sky, swap), 800 x 600: median %.2f ms over %d frames\n",
                median(bareFrames), FRAMES);
    std::printf("full frame / bare frame: %.2f\n", median(frames) / median(bareFrames));
    std::printf("cragmoor world tick, player walking: median %.1f us over %d ticks\n",
                median(ticks), WALKING_TICKS);
    PHYSFS_deinit();
    return 0;
}
