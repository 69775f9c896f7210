// What the reach search found, in the words of a level maker: the stretches
// of floor a player can stand on and how much of each is reached, the
// furthest places, the traps with their entries, and a verdict; the keys to a
// place in the play-through format; and the reach drawn over the outline.
#pragma once

#include <string>
#include <vector>

#include "LevelPicture.h"
#include "ReachSearch.h"

// A place on walkable floor, every few units, where the player would stand.
struct FloorSample {
    Vector2 centre;
    bool reached = false;
    // The trap a player standing here is in, -1 for none.
    int trap = -1;
};

// Walkable lines joined end to end.
struct FloorStretch {
    Vector2 left, right;
    std::vector<FloorSample> samples; // only where the player fits
};

struct ReachSummary {
    std::vector<FloorStretch> stretches;
    std::size_t standable = 0, reached = 0; // samples
    Vector2 leftmost, rightmost;
    // The whole percentage of standable floor reached.
    int percentReached() const;
};

ReachSummary summarizeReach(const std::vector<Line2>& lines, const ReachMap& reach);
// The report's lines and the verdict line last.
std::string reachReport(const ReachMap& reach, const ReachSummary& summary);
std::string reachVerdict(const ReachMap& reach, const ReachSummary& summary);

// The reached place a player can stand on nearest to `target` (any reached
// place when none stands).
std::uint32_t nearestPlace(const ReachMap& reach, const Vector2& target);
// The keys from the start to `node` as a play-through leg named `name`,
// ending in a check of a box 2 units wide around the place.
std::string routeScript(const ReachMap& reach, std::uint32_t node, const std::string& name);

// Drawn under the outline's lines: every place passed through; over them:
// floor reached, floor never reached, what lies in a trap, each trap's entry.
void drawReachUnderLines(LevelPicture& picture, const ReachMap& reach);
void drawReachOverLines(LevelPicture& picture, const ReachMap& reach, const ReachSummary& summary);
