// A small vector painter for pixel art. Shapes are filled by sampling pixel
// centres (no anti-aliasing, so edges stay crisp), each pixel remembering its
// material, a lighting value and the layer it belongs to. render() turns that
// into colours: tone ramps from the lighting, light and dark rims, a dark line
// where a layer passes behind another, and a one-pixel outline around it all.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "Image.h"
#include "Palette.h"

struct Vec2 {
    float x = 0, y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}

class Canvas {
  public:
    Canvas(int width, int height);

    // Later layers are in front; the one behind gets a dark seam where they meet.
    void setLayer(int layer) { m_layer = layer; }
    // Added to the lighting of later shapes: negative for parts in shadow.
    void setBias(float bias) { m_bias = bias; }
    // Later shapes are given in a frame turned `degrees` counter-clockwise on
    // screen about `origin` (image coordinates, y down).
    void setTransform(Vec2 origin, float degrees);
    void resetTransform() { setTransform({0, 0}, 0); }

    void fillCircle(Vec2 centre, float radius, Material material);
    void fillEllipse(Vec2 centre, float rx, float ry, Material material);
    // A thick line with round ends: limbs, barrels, cursor strokes.
    void fillCapsule(Vec2 a, Vec2 b, float radius, Material material);
    // Flat-lit polygon (either winding).
    void fillPolygon(const std::vector<Vec2>& points, Material material);
    void fillRect(Vec2 topLeft, Vec2 bottomRight, Material material);
    // Removes everything drawn at the given pixels (cut-outs such as the
    // crosshair's centre).
    void clearCircle(Vec2 centre, float radius);

    Image render() const;

  private:
    struct Cell {
        Material material = Material::None;
        float light = 0;
        int layer = 0;
    };
    // Returns the surface normal (x, y; z follows) for covered points.
    using Coverage = std::function<std::optional<Vec2>(Vec2 local)>;

    void paint(Material material, const Coverage& coverage);
    Vec2 toLocal(Vec2 image) const;
    Vec2 rotateToImage(Vec2 direction) const;
    const Cell* cellAt(int x, int y) const;
    Rgba colourOf(int x, int y) const;
    std::optional<Rgba> outlineAt(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<Cell> m_cells;
    int m_layer = 0;
    float m_bias = 0;
    Vec2 m_origin;
    float m_cos = 1, m_sin = 0;
};
