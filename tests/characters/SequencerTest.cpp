// The frame sequencer on an owner whose frames record what happened.
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
    void start(double duration, FrameController<Owner>::Frame next) {
        frames.m_duration = duration;
        frames.m_nextFrame = next;
    }

    FrameController<Owner> frames;
    // The time left in the old frame at each frame change.
    std::vector<double> entered;
};

TEST(Sequencer, FrameOfThreeTicksChangesOnTheThirdAndCarriesNothing) {
    Owner owner;
    owner.start(3.0, &Owner::timedFrame);
    owner.frames.update(1.0);
    owner.frames.update(1.0);
    EXPECT_TRUE(owner.entered.empty());
    owner.frames.update(1.0);
    ASSERT_EQ(owner.entered.size(), 1u);
    EXPECT_EQ(owner.frames.m_duration, 3.0);
    EXPECT_EQ(owner.frames.m_currentSprites[0], SP_PLAYlegW01);
}

TEST(Sequencer, OvershootIsTakenOffTheNextFrame) {
    Owner owner;
    owner.start(0.5, &Owner::timedFrame);
    owner.frames.update(1.0);
    ASSERT_EQ(owner.entered.size(), 1u);
    EXPECT_DOUBLE_EQ(owner.frames.m_duration, 2.5);
}

TEST(Sequencer, LongUpdateChangesFrameOnlyOnce) {
    Owner owner;
    owner.start(3.0, &Owner::timedFrame);
    owner.frames.update(5.0);
    EXPECT_EQ(owner.entered.size(), 1u);
    EXPECT_DOUBLE_EQ(owner.frames.m_duration, 1.0);
}

TEST(Sequencer, HeldFrameNeverAdvances) {
    Owner owner;
    owner.start(FRAME_INFINITE_DURATION, &Owner::timedFrame);
    for (double time : {1.0, 1000.0, -5.0, 0.0})
        owner.frames.update(time);
    EXPECT_TRUE(owner.entered.empty());
    EXPECT_EQ(owner.frames.m_duration, FRAME_INFINITE_DURATION);
}

TEST(Sequencer, FrameEndingExactlyOnTimeCarriesNothing) {
    Owner owner;
    owner.start(0.25, &Owner::timedFrame);
    owner.frames.update(0.25);
    ASSERT_EQ(owner.entered.size(), 1u);
    EXPECT_EQ(owner.entered[0], 0.0);
    EXPECT_EQ(owner.frames.m_duration, 3.0);
}

TEST(Sequencer, HoldEnteredWithAnOvershootIsNoLongerAHold) {
    Owner owner;
    owner.start(1.0, &Owner::heldFrame);
    owner.frames.update(1.5);
    ASSERT_EQ(owner.entered.size(), 1u);
    EXPECT_DOUBLE_EQ(owner.frames.m_duration, FRAME_INFINITE_DURATION - 0.5);
    owner.frames.update(1.0);
    EXPECT_EQ(owner.entered.size(), 2u) << "the spoilt hold runs out like any frame";
}

TEST(Sequencer, FractionalTicksStretchAFrame) {
    Owner owner;
    owner.start(3.0, &Owner::timedFrame);
    for (int i = 0; i < 5; ++i)
        owner.frames.update(0.5);
    EXPECT_TRUE(owner.entered.empty());
    owner.frames.update(0.5);
    EXPECT_EQ(owner.entered.size(), 1u);
}

} // namespace
