// Coverage tests, lighting and the colour pass of the pixel-art painter.
#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
// Towards the light: up, left and out of the picture.
constexpr float kLightX = -0.54f, kLightY = -0.64f, kLightZ = 0.54f;
constexpr float kRimLight = 0.3f;  // pixel with nothing above or left of it
constexpr float kRimShade = 0.45f; // pixel with nothing below or right of it
constexpr float kCurvature = 0.85f;

float lightOf(Vec2 normal) {
    const float z = std::sqrt(std::max(0.0f, 1.0f - normal.x * normal.x - normal.y * normal.y));
    return normal.x * kLightX + normal.y * kLightY + z * kLightZ;
}

int toneOf(float light) {
    if (light < 0.12f) {
        return 0;
    }
    if (light < 0.45f) {
        return 1;
    }
    if (light < 0.78f) {
        return 2;
    }
    return 3;
}

Rgba darken(Rgba c, int numerator, int denominator) {
    auto f = [&](std::uint8_t v) { return static_cast<std::uint8_t>(v * numerator / denominator); };
    return Rgba{f(c.r), f(c.g), f(c.b), c.a};
}

} // namespace

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height), m_cells(static_cast<std::size_t>(width * height)) {}

void Canvas::setTransform(Vec2 origin, float degrees) {
    m_origin = origin;
    m_cos = std::cos(degrees * kPi / 180.0f);
    m_sin = std::sin(degrees * kPi / 180.0f);
}

Vec2 Canvas::toLocal(Vec2 image) const {
    const Vec2 d = image - m_origin;
    return {d.x * m_cos - d.y * m_sin, d.x * m_sin + d.y * m_cos};
}

Vec2 Canvas::rotateToImage(Vec2 v) const {
    return {v.x * m_cos + v.y * m_sin, -v.x * m_sin + v.y * m_cos};
}

void Canvas::paint(Material material, const Coverage& coverage) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const std::optional<Vec2> normal = coverage(toLocal({x + 0.5f, y + 0.5f}));
            if (!normal) {
                continue;
            }
            Cell& cell = m_cells[static_cast<std::size_t>(y * m_width + x)];
            cell.material = material;
            cell.light = lightOf(rotateToImage(*normal)) + m_bias;
            cell.layer = m_layer;
        }
    }
}

void Canvas::fillCircle(Vec2 centre, float radius, Material material) {
    fillEllipse(centre, radius, radius, material);
}

void Canvas::fillEllipse(Vec2 centre, float rx, float ry, Material material) {
    paint(material, [=](Vec2 p) -> std::optional<Vec2> {
        const Vec2 n{(p.x - centre.x) / rx, (p.y - centre.y) / ry};
        if (n.x * n.x + n.y * n.y > 1.0f) {
            return std::nullopt;
        }
        return n * kCurvature;
    });
}

void Canvas::fillCapsule(Vec2 a, Vec2 b, float radius, Material material) {
    const Vec2 axis = b - a;
    const float lengthSquared = axis.x * axis.x + axis.y * axis.y;
    paint(material, [=](Vec2 p) -> std::optional<Vec2> {
        float t = 0;
        if (lengthSquared > 0) {
            const Vec2 ap = p - a;
            t = std::clamp((ap.x * axis.x + ap.y * axis.y) / lengthSquared, 0.0f, 1.0f);
        }
        const Vec2 d = p - (a + axis * t);
        if (d.x * d.x + d.y * d.y > radius * radius) {
            return std::nullopt;
        }
        return d * (kCurvature / radius);
    });
}

void Canvas::fillPolygon(const std::vector<Vec2>& points, Material material) {
    paint(material, [&points](Vec2 p) -> std::optional<Vec2> {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Vec2 a = points[i], b = points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside ? std::optional<Vec2>(Vec2{}) : std::nullopt;
    });
}

void Canvas::fillRect(Vec2 topLeft, Vec2 bottomRight, Material material) {
    fillPolygon({topLeft, {bottomRight.x, topLeft.y}, bottomRight, {topLeft.x, bottomRight.y}},
                material);
}

void Canvas::clearCircle(Vec2 centre, float radius) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const Vec2 d = toLocal({x + 0.5f, y + 0.5f}) - centre;
            if (d.x * d.x + d.y * d.y <= radius * radius) {
                m_cells[static_cast<std::size_t>(y * m_width + x)] = Cell{};
            }
        }
    }
}

const Canvas::Cell* Canvas::cellAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return nullptr;
    }
    const Cell& cell = m_cells[static_cast<std::size_t>(y * m_width + x)];
    return cell.material == Material::None ? nullptr : &cell;
}

Rgba Canvas::colourOf(int x, int y) const {
    const Cell& cell = *cellAt(x, y);
    const MaterialLook& look = lookOf(cell.material);
    // A neighbour "exposes" this pixel when it is empty or lies behind it.
    auto exposedBy = [&](int nx, int ny) {
        const Cell* other = cellAt(nx, ny);
        return other == nullptr || other->layer < cell.layer;
    };
    auto coveredBy = [&](int nx, int ny) {
        const Cell* other = cellAt(nx, ny);
        return other != nullptr && other->layer > cell.layer;
    };
    if (coveredBy(x + 1, y) || coveredBy(x - 1, y) || coveredBy(x, y + 1) || coveredBy(x, y - 1)) {
        return darken(look.tones[0], 3, 4);
    }
    float light = cell.light;
    if (exposedBy(x, y - 1) || exposedBy(x - 1, y)) {
        light += kRimLight;
    }
    if (exposedBy(x, y + 1) || exposedBy(x + 1, y)) {
        light -= kRimShade;
    }
    return look.tones[toneOf(light)];
}

std::optional<Rgba> Canvas::outlineAt(int x, int y) const {
    const int dx[] = {0, -1, 1, 0};
    const int dy[] = {-1, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        const Cell* neighbour = cellAt(x + dx[i], y + dy[i]);
        if (neighbour != nullptr && lookOf(neighbour->material).outlined) {
            return outlineOf(neighbour->material);
        }
    }
    return std::nullopt;
}

Image Canvas::render() const {
    Image image(m_width, m_height);
    const Rgba clear = Rgba{20, 18, 22, 0}; // dark under alpha 0 so filtering never glows
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (cellAt(x, y) != nullptr) {
                image.at(x, y) = colourOf(x, y);
            } else {
                image.at(x, y) = outlineAt(x, y).value_or(clear);
            }
        }
    }
    return image;
}
