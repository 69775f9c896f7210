// Frame animation for one owner. A frame is not data but a member operation
// of the owner: entering it writes the sprites to show, how long they stay
// and which frame follows, and may change anything else of the owner (the
// player's leg frames also lean its body). The sequencer only keeps time.
#pragma once

#include <memory>

#include "Resources/ResourceEnumeration.h"

// The duration of a frame that stays until its owner enters another one.
const double FRAME_INFINITE_DURATION = -999.0;

template <class T> class FrameController {
  public:
    using Frame = void (T::*)();

    // The owner enters its first frame before the first update; until then
    // the sequencer holds and shows no sprite.
    FrameController(T* parent, unsigned int numSprites)
        : m_currentSprites(std::make_unique<spriteEnum[]>(numSprites)),
          m_duration(FRAME_INFINITE_DURATION), m_nextFrame(nullptr), m_parent(parent) {
        for (unsigned int slot = 0; slot < numSprites; ++slot)
            m_currentSprites[slot] = SP_NONE;
    }
    virtual ~FrameController() = default;
    FrameController(const FrameController&) = delete;
    FrameController& operator=(const FrameController&) = delete;

    // Advances by `time` ticks. At most one frame change per call, however
    // large `time` is; the overshoot of the old frame is taken off the new
    // one, so a frame never lasts longer than it asked for.
    void update(double time) {
        if (m_duration == FRAME_INFINITE_DURATION)
            return;
        const double difference = m_duration - time;
        m_duration = difference;
        if (m_duration <= 0 && m_nextFrame != nullptr)
            (m_parent->*m_nextFrame)();
        if (difference < 0)
            m_duration += difference;
    }

    // Written by the owner's frame operations.
    std::unique_ptr<spriteEnum[]> m_currentSprites;
    double m_duration;
    Frame m_nextFrame;
    T* m_parent;
};
