// Colours in the single precision the renderer takes them.
#pragma once

class ColorRGB {
  public:
    ColorRGB() = default;
    ColorRGB(float red, float green, float blue) : m_red(red), m_green(green), m_blue(blue) {}

    float m_red = 0.0f;
    float m_green = 0.0f;
    float m_blue = 0.0f;
};

class ColorRGBA {
  public:
    ColorRGBA() = default;
    ColorRGBA(float red, float green, float blue, float alpha)
        : m_red(red), m_green(green), m_blue(blue), m_alpha(alpha) {}

    float m_red = 0.0f;
    float m_green = 0.0f;
    float m_blue = 0.0f;
    float m_alpha = 0.0f;
};
