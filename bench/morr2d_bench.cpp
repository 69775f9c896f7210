// What morr2d's world costs: the rectangle query for walls on the fixed
// level, a world tick with 1,000 pieces of debris falling onto a floor of
// tiles and settling there, and a frame of the fixed level at 1280 x 960
// against a bare clear-and-swap frame measured in the same run. Prints its
// figures; run it on the test display from anywhere.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <numeric>
#include <physfs.h>
#include <random>
#include <vector>

#include "AppStuff/MapController.h"
#include "BenchGame.h"
#include "Entities/Items/E_Shotgun.h"
#include "Entities/Level/E_Wall.h"
#include "TestEngine.h"

namespace {

constexpr int QUERIES = 1000000;
constexpr int DEBRIS = 1000;
constexpr int FRAMES = 200;
constexpr int LANDING_TICKS = 60;

using Clock = std::chrono::steady_clock;

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double elapsedMicroseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::micro>(Clock::now() - since).count();
}

// The processor time of this thread: the music's synthesis thread and the
// other programs on the machine take wall-clock time from a tick without
// being part of it.
double threadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// Player-sized boxes all over the first screen of the level, where its
// tiles are.
void benchQueries(MapController& map) {
    std::mt19937 random(1);
    std::uniform_real_distribution<double> x(0, 624), y(0, 448);
    std::vector<std::pair<double, double>> corners(4096);
    for (auto& corner : corners)
        corner = {x(random), y(random)};
    int found = 0;
    const Clock::time_point start = Clock::now();
    for (int query = 0; query < QUERIES; ++query) {
        const auto& [left, top] = corners[query % corners.size()];
        found += map.isEntityAt(left, top, left + 15.9, top + 31.9, EN_WALL);
    }
    const double perQuery = elapsedMicroseconds(start) * 1000.0 / QUERIES;
    std::printf("isEntityAt on the fixed level: %.1f ns per query (%d of %d found a wall)\n",
                perQuery, found, QUERIES);
}

// Debris over a floor of tiles across the level, dropped from up to 200
// units above it with a sideways push, ticked until every piece sleeps.
void benchDebris(TestEngine& engine) {
    MapStateController state(engine.state);
    MapController map(&state);
    map.loadEmptyMap();
    for (double x = 0; x < LEVEL_SIZE; x += E_Wall::SIZE)
        new E_Wall(&map, x, 900, WT_WALL);
    std::mt19937 random(2);
    std::uniform_real_distribution<double> x(100, 900), height(4, 200), push(-3, 3);
    for (int piece = 0; piece < DEBRIS; ++piece) {
        auto* shotgun = new E_Shotgun(&map, x(random), 900 - 3.9 - height(random), false);
        shotgun->setXSpeed(push(random));
    }
    std::vector<double> ticks, wallClock;
    while (map.getActiveEntities().size() > 0 && ticks.size() < 1000) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = threadMicroseconds();
        map.gameTick();
        ticks.push_back(threadMicroseconds() - cpuStart);
        wallClock.push_back(elapsedMicroseconds(start));
    }
    const double total = std::accumulate(ticks.begin(), ticks.end(), 0.0);
    std::printf("%d debris falling and settling: %zu ticks until all sleep; processor time per "
                "tick mean %.3f ms, median %.3f ms, worst %.3f ms (wall clock median %.3f ms)\n",
                DEBRIS, ticks.size(), total / ticks.size() / 1000.0, median(ticks) / 1000.0,
                *std::max_element(ticks.begin(), ticks.end()) / 1000.0, median(wallClock) / 1000.0);
}

std::vector<double> timeFrames(const std::function<void()>& frame) {
    std::vector<double> frames;
    for (int count = 0; count < FRAMES; ++count) {
        const Clock::time_point start = Clock::now();
        frame();
        glFinish();
        frames.push_back(elapsedMicroseconds(start) / 1000.0);
    }
    return frames;
}

} // namespace

int main() {
    if (!enterRunDirectory())
        return 1;
    TestEngine engine;
    MapStateController& state = startGameAndLand(engine, LANDING_TICKS);
    benchQueries(*state.getMapController());
    benchDebris(engine);

    SDL_Surface* screen = SDL_GetVideoSurface();
    const auto bare = timeFrames([] {
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapBuffers();
    });
    const auto game = timeFrames([&] { engine.controller->runPass(0.0); });
    const auto bareAgain = timeFrames([] {
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapBuffers();
    });
    const double bareMedian = std::min(median(bare), median(bareAgain));
    std::printf("frame at %d x %d: bare clear and swap median %.3f ms, morr2d median %.3f ms "
                "(%.2f times the bare frame)\n",
                screen->w, screen->h, bareMedian, median(game), median(game) / bareMedian);
    PHYSFS_deinit();
    return 0;
}
