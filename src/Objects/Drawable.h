// Anything the depth-sorted draw list can draw: it knows its depth (greater
// is further back) and whether it is visible this frame.
#pragma once

class Drawable {
  public:
    explicit Drawable(int depth) : m_depth(depth), m_visible(true) {}
    virtual ~Drawable() = default;

    virtual void draw() = 0;

    int getDepth() const { return m_depth; }
    void setDepth(int depth) { m_depth = depth; }
    bool getVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

  private:
    int m_depth;
    bool m_visible;
};
