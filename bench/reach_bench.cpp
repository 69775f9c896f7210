// How long levelcheck --reach takes on our level: the whole exploration with
// the game's movement, read as the checker reads the level. The goal is at
// most 30 s; on a machine shared with other work the processor time says
// more than the wall clock, so both are printed.
#include <algorithm>
#include <cstdio>

#include "ObjLevelReader.h"
#include "ReachReport.h"
#include "SilentLogger.h"

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "legitLevel.obj";
    SilentLogger logger;
    const LevelData level = readObjLevel(path, logger);
    if (level.collisionLines.empty()) {
        std::fprintf(stderr, "%s: no collision lines (run from the run directory)\n", path);
        return 1;
    }
    const ReachMap reach = exploreReach(level.collisionLines);
    const ReachSummary summary = summarizeReach(level.collisionLines, reach);
    std::printf("reach of %s: %zu lines, %zu states\n", path, level.collisionLines.size(),
                reach.nodes.size());
    std::printf("  %.2f s wall clock, %.2f s processor (goal: at most 30 s)\n", reach.seconds,
                reach.processorSeconds);
    std::printf("  %.0f states per processor second\n",
                reach.nodes.size() / std::max(reach.processorSeconds, 1e-9));
    std::printf("  %s\n", reachVerdict(reach, summary).c_str());
    return 0;
}
