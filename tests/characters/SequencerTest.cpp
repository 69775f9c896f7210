// The frame sequencer on an owner whose frames record what happened: how
// updates of any length run a frame out, carry the overshoot over and leave a
// held frame alone.
#include <gtest/gtest.h>
#include <vector>

#include "AppStuff/FrameController.h"

namespace {

struct Owner {
    Owner() : frames(this, 2) {}

    void timedFrame() {
        entered.push_back(frames.m_duration);
        frames.m_currentSprites[0] = SP_PLAYlegW01;
        frames.m_duration = 3.0;
        frames.m_nextFrame = &Owner::timedFrame;
    }
    void heldFrame() {
        entered.push_back(frames.m_duration);
        frames.m_duration = FRAME_INFINITE_DURATION;
    }

    FrameController<Owner> frames;
    // The time left in the old frame at each frame change.
    std::vector<double> entered;
};

struct FrameRun {
    const char* name;
    double startDuration;
    FrameController<Owner>::Frame next;
    std::vector<double> updates;
    std::vector<double> entered;
    double durationAfter;
};

TEST(Sequencer, UpdatesRunFramesOutOnceEachAndCarryTheOvershoot) {
    const double HOLD = FRAME_INFINITE_DURATION;
    const auto timed = &Owner::timedFrame, held = &Owner::heldFrame;
    const FrameRun runs[] = {
        {"third tick enters exactly", 3.0, timed, {1, 1, 1}, {0}, 3.0},
        {"overshoot taken off", 0.5, timed, {1}, {-0.5}, 2.5},
        {"long update changes once", 3.0, timed, {5}, {-2}, 1.0},
        {"ends exactly on time", 0.25, timed, {0.25}, {0}, 3.0},
        {"half ticks stretch a frame", 3.0, timed, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, {0}, 3.0},
        {"held frame never advances", HOLD, timed, {1, 1000, -5, 0}, {}, HOLD},
        // The player's timed frames only hand over to timed frames.
        {"hold entered with an overshoot", 1.0, held, {1.5, 1}, {-0.5, HOLD - 1.5}, 2 * HOLD - 1.5},
    };
    for (const FrameRun& run : runs) {
        Owner owner;
        owner.frames.m_duration = run.startDuration;
        owner.frames.m_nextFrame = run.next;
        for (const double time : run.updates)
            owner.frames.update(time);
        EXPECT_EQ(owner.entered, run.entered) << run.name;
        EXPECT_DOUBLE_EQ(owner.frames.m_duration, run.durationAfter) << run.name;
        if (!run.entered.empty() && run.next == timed) {
            EXPECT_EQ(owner.frames.m_currentSprites[0], SP_PLAYlegW01) << run.name;
        }
    }
}

} // namespace
