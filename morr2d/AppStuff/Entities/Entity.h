// The base of everything in morr2d's world: an axis-aligned box given as
// edge offsets from a reference point. It remembers the position and edges
// before their last change and the chunk rows and columns its edges fall
// in, and asks the map to re-file it when those change. Entities are
// drawables: the map queues them on the depth-sorted draw list.
#pragma once

#include <cstdint>

#include "EntityTypes.h"
#include "Objects/Drawable.h"
#include "PointerManager.h"

class MapController;

class Entity : public Drawable {
  public:
    // Note the argument order left, up, right, down.
    Entity(MapController* mapController, double x, double y, double bboxL, double bboxU,
           double bboxR, double bboxD, entityEnum type, int depth);
    ~Entity() override;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // Deactivates the entity and has the map delete it: nothing may touch
    // the object after this call.
    virtual void destroy();
    virtual void gameTick() = 0;

    double getX() const { return m_x; }
    double getY() const { return m_y; }
    double getBboxU() const { return m_bboxU; }
    double getBboxD() const { return m_bboxD; }
    double getBboxL() const { return m_bboxL; }
    double getBboxR() const { return m_bboxR; }
    double getX_last() const { return m_x_last; }
    double getY_last() const { return m_y_last; }
    double getBboxU_last() const { return m_bboxU_last; }
    double getBboxD_last() const { return m_bboxD_last; }
    double getBboxL_last() const { return m_bboxL_last; }
    double getBboxR_last() const { return m_bboxR_last; }
    double getXCenter() const { return m_xCenter; }
    double getYCenter() const { return m_yCenter; }
    void setXCenter(double center) { m_xCenter = center; }
    void setYCenter(double center) { m_yCenter = center; }
    entityEnum getType() const { return m_type; }
    bool getActive() const { return m_active; }
    std::uint64_t getGameTickCounter() const { return m_gameTickCounter; }
    void setGameTickCounter(std::uint64_t counter) { m_gameTickCounter = counter; }
    std::uint64_t getDrawCounter() const { return m_drawCounter; }
    void setDrawCounter(std::uint64_t counter) { m_drawCounter = counter; }
    void getPointer(Pointer<Entity>* pointerDest) const { *pointerDest = m_pointer; }
    MapController* getMapController() const { return m_mapController; }
    unsigned getAboxU() const { return m_aboxU; }
    unsigned getAboxD() const { return m_aboxD; }
    unsigned getAboxL() const { return m_aboxL; }
    unsigned getAboxR() const { return m_aboxR; }

    void setActive(bool active);

    // The box under which the map last filed the entity into its chunks.
    // The _last fields do not always describe it: a position setter keeps
    // the last edges of an older edge change, and the other way round.
    struct FiledBox {
        double left, top, right, bottom;
    };
    const FiledBox& getFiledBox() const { return m_filedBox; }
    void setFiledBox(const FiledBox& box) { m_filedBox = box; }

    // Each setter keeps the old values in the _last fields, recalculates
    // only the chunk indices of what it changed, and re-files the entity
    // when any index differs from its last value.
    void setX(double location);
    void setY(double location);
    void setXY(double x, double y);
    void setBboxU(double location);
    void setBboxD(double location);
    void setBboxL(double location);
    void setBboxR(double location);
    void setBbox(double left, double up, double right, double down);
    void setBboxXY(double x, double y, double left, double up, double right, double down);

    unsigned calcAboxU();
    unsigned calcAboxD();
    unsigned calcAboxL();
    unsigned calcAboxR();
    void calcAboxes();
    bool diffAbox() const;

  protected:
    MapController* m_mapController;
    double m_x, m_y;
    double m_x_last, m_y_last;
    // The visual centre as an offset from (x, y): the camera follows it.
    double m_xCenter, m_yCenter;
    double m_bboxU, m_bboxD, m_bboxL, m_bboxR;
    double m_bboxU_last, m_bboxD_last, m_bboxL_last, m_bboxR_last;
    // Chunk row of the top and bottom edge, chunk column of the left and
    // right edge.
    unsigned m_aboxU, m_aboxD, m_aboxL, m_aboxR;
    unsigned m_aboxU_last, m_aboxD_last, m_aboxL_last, m_aboxR_last;
    bool m_active;
    entityEnum m_type;
    Pointer<Entity> m_pointer;
    std::uint64_t m_gameTickCounter;
    std::uint64_t m_drawCounter;

  private:
    FiledBox m_filedBox;

    void savePosition();
    void saveEdges();
    void refileIfChunksChanged();
};
