// A play-through kept as data: legs of key runs and checkpoints, read from a
// text file next to the tests so that it can be replayed and adjusted when
// the level changes, and their replay through the real world. The reach
// search writes its routes in the same form.
//
//   leg NAME start          the world's own player, from the level's start
//   TICKS KEYS              hold KEYS (letters of A, D, W, S; "-" for none)
//                           for TICKS whole ticks
//   check NAME X0 X1 Y0 Y1  the player's centre lies in that box now
#pragma once

#include <SDL/SDL.h>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <istream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "CragmoorWorld.h"

struct PlayStep {
    enum Kind { Run, Check } kind = Run;
    int ticks = 0;
    std::string keys;
    std::string name;
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
};

struct PlayLeg {
    std::string name;
    std::vector<PlayStep> steps;
};

// `name` names the script in the message of a line that cannot be read.
inline std::vector<PlayLeg> readPlayScript(std::istream& in, const std::string& name) {
    std::vector<PlayLeg> legs;
    std::string line, first, where;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        if (!(words >> first) || first[0] == '#')
            continue;
        PlayStep step;
        bool read = false;
        if (first == "leg") {
            legs.emplace_back();
            read = words >> legs.back().name >> where && where == "start";
        } else if (first == "check") {
            step.kind = PlayStep::Check;
            read = bool(words >> step.name >> step.x0 >> step.x1 >> step.y0 >> step.y1);
        } else {
            read = bool(std::istringstream(first) >> step.ticks) && bool(words >> step.keys);
        }
        if (!read || legs.empty())
            throw std::runtime_error(name + ":" + std::to_string(number) + ": cannot read `" +
                                     line + "`");
        if (first != "leg")
            legs.back().steps.push_back(step);
    }
    return legs;
}

// Plays `leg` with `player`: each run holds its keys (and releases the others)
// for its whole ticks stretched to `fraction`, each check expects the
// player's centre in its box. `afterTick` sees every tick; answering false
// ends the leg.
inline void playLeg(
    CragmoorWorld& world, const E_Player& player, const PlayLeg& leg, double fraction = 1.0,
    const std::function<bool()>& afterTick = [] { return true; }) {
    const std::string letters = "ADWS";
    const SDLKey keys[] = {SDLK_a, SDLK_d, SDLK_w, SDLK_s};
    std::string held;
    for (const PlayStep& step : leg.steps) {
        const Vector2& at = player.getPosition().m_center;
        if (step.kind == PlayStep::Check) {
            EXPECT_TRUE(at.m_x >= step.x0 && at.m_x <= step.x1 && at.m_y >= step.y0 &&
                        at.m_y <= step.y1)
                << leg.name << ": missed " << step.name << ", at " << at.m_x << ", " << at.m_y;
            continue;
        }
        // "-" (no key) holds none of the letters.
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const bool wanted = step.keys.find(letters[i]) != std::string::npos;
            if (wanted != (held.find(letters[i]) != std::string::npos))
                wanted ? world.press(keys[i]) : world.release(keys[i]);
        }
        held = step.keys;
        const long ticks = std::lround(step.ticks / fraction);
        for (long tick = 0; tick < ticks; ++tick) {
            world.tick();
            if (!afterTick())
                return;
        }
    }
}
