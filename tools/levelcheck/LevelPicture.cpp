// The picture is drawn back to front: the world and what lies outside it,
// then the fall of the player, the lines with their ticks, the ellipses on
// top (they must stay visible where the player stands on a line), and the
// scale bar last.
#include "LevelPicture.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "LevelSummary.h"

namespace {

const Rgb kOutsideWorld{55, 55, 62};
const Rgb kInsideWorld{18, 20, 28};
const Rgb kWorldEdge{150, 150, 160};
const Rgb kStartEllipse{255, 255, 255};
const Rgb kLandingEllipse{255, 225, 80};
const Rgb kScaleBar{255, 255, 255};

constexpr int kLineRadius = 1; // lines are three pixels wide
constexpr double kTickPixels = 8;
constexpr int kShortestSide = 200;
constexpr double kMostPixelsPerUnit = 4;

struct Region {
    double left, top, right, bottom;
    void include(const Vector2& p) {
        left = std::min(left, p.m_x);
        right = std::max(right, p.m_x);
        top = std::min(top, p.m_y);
        bottom = std::max(bottom, p.m_y);
    }
    void includeEllipse(const Vector2& centre) {
        include(centre - kPlayerRadius);
        include(centre + kPlayerRadius);
    }
};

Region defaultRegion(const std::vector<Line2>& lines, const PlayerLanding& landing) {
    Region r{kPlayerStart.m_x, kPlayerStart.m_y, kPlayerStart.m_x, kPlayerStart.m_y};
    r.includeEllipse(kPlayerStart);
    r.includeEllipse(landing.centre);
    for (const Line2& line : lines) {
        r.include(line.m_a);
        r.include(line.m_b);
    }
    const double margin = std::max(50.0, 0.04 * std::max(r.right - r.left, r.bottom - r.top));
    return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

Region givenRegion(const PictureRegion& given) {
    Region r{given.from.m_x, given.from.m_y, given.from.m_x, given.from.m_y};
    r.include(given.to);
    return r;
}

// A picture of a long, flat part would be a few pixels high; the shorter side
// grows around the centre instead.
void keepShortestSide(Region& r, double scale) {
    const double shortest = kShortestSide / scale;
    if (r.right - r.left < shortest) {
        const double centre = (r.left + r.right) / 2;
        r.left = centre - shortest / 2;
        r.right = centre + shortest / 2;
    }
    if (r.bottom - r.top < shortest) {
        const double centre = (r.top + r.bottom) / 2;
        r.top = centre - shortest / 2;
        r.bottom = centre + shortest / 2;
    }
}

// 1, 2 or 5 times a power of ten, at most a fifth of the picture's width.
double roundLength(double atMost) {
    double power = std::pow(10.0, std::floor(std::log10(atMost)));
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * power <= atMost) {
            return step * power;
        }
    }
    return power;
}

void drawWorld(LevelPicture& picture) {
    const Vector2 a = picture.toPixel(Vector2(0, 0));
    const Vector2 b = picture.toPixel(Vector2(kWorldSize, kWorldSize));
    Canvas& c = picture.canvas;
    c.fillRect(static_cast<int>(std::floor(a.m_x)), static_cast<int>(std::floor(a.m_y)),
               static_cast<int>(std::floor(b.m_x)), static_cast<int>(std::floor(b.m_y)),
               kInsideWorld);
    const Vector2 corners[4] = {a, Vector2(b.m_x, a.m_y), b, Vector2(a.m_x, b.m_y)};
    for (int i = 0; i < 4; ++i) {
        const Vector2& p = corners[i];
        const Vector2& q = corners[(i + 1) % 4];
        c.line(p.m_x, p.m_y, q.m_x, q.m_y, 0, kWorldEdge);
    }
}

void drawLine(LevelPicture& picture, const Line2& line) {
    const LineKind kind = kindOf(line);
    const Rgb colour = colourOf(kind);
    const Vector2 a = picture.toPixel(line.m_a);
    const Vector2 b = picture.toPixel(line.m_b);
    picture.canvas.line(a.m_x, a.m_y, b.m_x, b.m_y, kLineRadius, colour);
    if (kind == LineKind::Point) {
        return;
    }
    // The solid lies behind the front normal rNormal(b - a); the picture keeps
    // the world's axes, so the same holds in pixels.
    const Vector2 along = b - a;
    const double length = std::hypot(along.m_x, along.m_y);
    if (length < kTickPixels) {
        return; // a tick would hide a short line's own shape
    }
    const Vector2 solid = along.lNormal() * (kTickPixels / length);
    const Vector2 middle = (a + b) * 0.5;
    picture.canvas.line(middle.m_x, middle.m_y, middle.m_x + solid.m_x, middle.m_y + solid.m_y, 0,
                        colour);
}

void drawEllipse(LevelPicture& picture, const Vector2& centre, Rgb colour) {
    constexpr int kSegments = 64;
    Vector2 previous = picture.toPixel(centre + Vector2(kPlayerRadius.m_x, 0));
    for (int i = 1; i <= kSegments; ++i) {
        const double angle = 2 * M_PI * i / kSegments;
        const Vector2 next = picture.toPixel(centre + Vector2(kPlayerRadius.m_x * std::cos(angle),
                                                              kPlayerRadius.m_y * std::sin(angle)));
        picture.canvas.line(previous.m_x, previous.m_y, next.m_x, next.m_y, 0, colour);
        previous = next;
    }
}

void drawFall(LevelPicture& picture, const PlayerLanding& landing) {
    const Vector2 from = picture.toPixel(kPlayerStart);
    const Vector2 to = picture.toPixel(landing.centre);
    for (double y = from.m_y; y < to.m_y; y += 6) {
        picture.canvas.line(from.m_x, y, from.m_x, std::min(y + 2, to.m_y), 0, kStartEllipse);
    }
}

void drawScaleBar(LevelPicture& picture) {
    Canvas& c = picture.canvas;
    const double units = roundLength(c.width() / 5.0 / picture.scale);
    picture.scaleBarUnits = units;
    const int pixels = std::max(1, static_cast<int>(std::lround(units * picture.scale)));
    const int left = 16, baseline = c.height() - 16;
    c.fillRect(left, baseline - 1, left + pixels, baseline + 1, kScaleBar);
    c.fillRect(left, baseline - 8, left + 1, baseline + 1, kScaleBar);
    c.fillRect(left + pixels - 1, baseline - 8, left + pixels, baseline + 1, kScaleBar);
    char label[32];
    std::snprintf(label, sizeof label, "%.0f", units);
    c.digits(left + 6, baseline - 24, label, 3, kScaleBar);
}

} // namespace

Vector2 LevelPicture::toPixel(const Vector2& world) const {
    return (world - topLeft) * scale;
}

Rgb colourOf(LineKind kind) {
    switch (kind) {
    case LineKind::Floor:
        return {40, 200, 60};
    case LineKind::WalkableSlope:
        return {40, 170, 255};
    case LineKind::SteepSlope:
        return {255, 150, 30};
    case LineKind::Wall:
        return {230, 40, 40};
    case LineKind::Ceiling:
        return {200, 80, 230};
    case LineKind::Point:
        return {255, 255, 255};
    }
    return {};
}

LevelPicture drawLevelPicture(const std::vector<Line2>& lines, const PlayerLanding& landing,
                              const PictureOptions& options) {
    Region r = options.region ? givenRegion(*options.region) : defaultRegion(lines, landing);
    const double longest = std::max({r.right - r.left, r.bottom - r.top, 1e-6});
    const double scale = std::min(kMostPixelsPerUnit, options.longestSide / longest);
    keepShortestSide(r, scale);
    const int width = static_cast<int>(std::ceil((r.right - r.left) * scale));
    const int height = static_cast<int>(std::ceil((r.bottom - r.top) * scale));
    LevelPicture picture{Canvas(width, height, kOutsideWorld), Vector2(r.left, r.top), scale, 0};
    drawWorld(picture);
    if (options.underLines) {
        options.underLines(picture);
    }
    if (landing.lands) {
        drawFall(picture, landing);
    }
    for (const Line2& line : lines) {
        drawLine(picture, line);
    }
    drawEllipse(picture, kPlayerStart, kStartEllipse);
    if (landing.lands) {
        drawEllipse(picture, landing.centre, kLandingEllipse);
    }
    drawScaleBar(picture);
    return picture;
}
