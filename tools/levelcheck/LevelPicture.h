// A picture of a level's collision outline as the game will see it: each line
// in the colour of its kind with a tick on its solid side, the player's start
// ellipse and where it lands, the world's edge and a scale bar.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "Canvas.h"
#include "LineKinds.h"
#include "PlayerLanding.h"
#include "Util/Shapes.h"

struct LevelPicture;

struct PictureRegion {
    Vector2 from; // world units, corners in any order
    Vector2 to;
};

struct PictureOptions {
    // The whole outline with the player when not given.
    std::optional<PictureRegion> region;
    // Pixels along the region's longer side.
    int longestSide = 2400;
    // Drawn over the world's ground, under the lines.
    std::function<void(LevelPicture&)> underLines;
};

struct LevelPicture {
    Canvas canvas;
    // World units: the region's top left corner, and pixels per unit.
    Vector2 topLeft;
    double scale = 1;
    // The length the scale bar stands for.
    double scaleBarUnits = 0;

    // Where a world point lies in the picture (pixel coordinates, not rounded).
    Vector2 toPixel(const Vector2& world) const;
};

Rgb colourOf(LineKind kind);

LevelPicture drawLevelPicture(const std::vector<Line2>& lines, const PlayerLanding& landing,
                              const PictureOptions& options);
