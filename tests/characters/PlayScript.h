// A play-through kept as data: legs of key runs and checkpoints, read from a
// text file next to the tests so that it can be replayed and adjusted when
// the level changes.
//
//   leg NAME start          the world's own player, from the level's start
//   leg NAME X Y            a player placed at (X, Y)
//   TICKS KEYS              hold KEYS (letters of A, D, W, S; "-" for none)
//                           for TICKS whole ticks
//   check NAME X0 X1 Y0 Y1  the player's centre lies in that box now
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

struct PlayStep {
    enum Kind { Run, Check } kind = Run;
    int ticks = 0;
    std::string keys;
    std::string name;
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
};

struct PlayLeg {
    std::string name;
    bool fromStart = true;
    double x = 0, y = 0;
    std::vector<PlayStep> steps;
};

inline std::vector<PlayLeg> readPlayScript(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::vector<PlayLeg> legs;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#')
            continue;
        const auto fail = [&] {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": cannot read `" +
                                     line + "`");
        };
        if (first == "leg") {
            PlayLeg leg;
            std::string where;
            if (!(words >> leg.name >> where))
                fail();
            leg.fromStart = where == "start";
            if (!leg.fromStart) {
                leg.x = std::stod(where);
                if (!(words >> leg.y))
                    fail();
            }
            legs.push_back(leg);
            continue;
        }
        if (legs.empty())
            fail();
        PlayStep step;
        if (first == "check") {
            step.kind = PlayStep::Check;
            if (!(words >> step.name >> step.x0 >> step.x1 >> step.y0 >> step.y1))
                fail();
        } else {
            step.ticks = std::stoi(first);
            if (!(words >> step.keys))
                fail();
        }
        legs.back().steps.push_back(step);
    }
    return legs;
}
