#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// 3 x 5 cells, one row a string, '#' set.
constexpr const char* kDigitGlyphs[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"}};

// Cuts the segment to the rectangle [lo, hi] (Liang-Barsky); false when
// nothing of it lies inside. A far-off line then costs nothing to draw.
bool clip(double& x0, double& y0, double& x1, double& y1, double lo, double hiX, double hiY) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - lo, hiX - x0, y0 - lo, hiY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const double startX = x0, startY = y0;
    x0 = startX + t0 * dx;
    y0 = startY + t0 * dy;
    x1 = startX + t1 * dx;
    y1 = startY + t1 * dy;
    return true;
}

} // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : m_width(width), m_height(height),
      m_bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    fillRect(0, 0, width - 1, height - 1, background);
}

Rgb Canvas::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                           static_cast<std::size_t>(x)) *
                          3;
    return {m_bytes[i], m_bytes[i + 1], m_bytes[i + 2]};
}

void Canvas::set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                           static_cast<std::size_t>(x)) *
                          3;
    m_bytes[i] = colour.r;
    m_bytes[i + 1] = colour.g;
    m_bytes[i + 2] = colour.b;
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, Rgb colour) {
    const int left = std::max(0, std::min(x0, x1));
    const int right = std::min(m_width - 1, std::max(x0, x1));
    const int top = std::max(0, std::min(y0, y1));
    const int bottom = std::min(m_height - 1, std::max(y0, y1));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            set(x, y, colour);
        }
    }
}

void Canvas::dot(double x, double y, int radius, Rgb colour) {
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    fillRect(cx - radius, cy - radius, cx + radius, cy + radius, colour);
}

void Canvas::line(double x0, double y0, double x1, double y1, int radius, Rgb colour) {
    const double margin = radius + 1.0;
    if (!clip(x0, y0, x1, y1, -margin, m_width + margin, m_height + margin)) {
        return;
    }
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = static_cast<int>(std::ceil(length * 2)) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, radius, colour);
    }
}

void Canvas::digits(int x, int y, std::string_view text, int size, Rgb colour) {
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            const auto& glyph = kDigitGlyphs[c - '0'];
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (glyph[row][column] == '#') {
                        fillRect(x + column * size, y + row * size, x + (column + 1) * size - 1,
                                 y + (row + 1) * size - 1, colour);
                    }
                }
            }
        }
        x += 4 * size;
    }
}
