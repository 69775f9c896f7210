// What the play tests of both programs share: pixels of a kind counted in a
// rectangle, and one session with the real program (started once, since a
// start is the slow part) that checks its window, the crosshair, the arrow
// cursor and the clean quit. Every wait polls screenshots against a deadline.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "X11Driver.h"

inline bool isWhite(const unsigned char* p) {
    return p[0] > 215 && p[1] > 215 && p[2] > 215;
}

inline int countIn(const Screenshot& shot, int left, int top, int right, int bottom,
                   const std::function<bool(const unsigned char*)>& matches) {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, shot.height); ++y)
        for (int x = std::max(left, 0); x < std::min(right, shot.width); ++x)
            count += matches(shot.at(x, y)) ? 1 : 0;
    return count;
}

// One real program played on the test display: started in the run directory,
// its window found by caption and checked for its size, the pointer parked
// at `restingPointer`; at the end the walk keys are let go and F10 ends it.
class PlaySession : public testing::Test {
  protected:
    struct Point {
        int x;
        int y;
    };

    PlaySession(const std::string& program, std::string caption, int width, int height,
                Point restingPointer)
        : game(std::string(RUN_DIR) + "/" + program, RUN_DIR), m_caption(std::move(caption)),
          m_width(width), m_height(height), m_restingPointer(restingPointer) {}
    ~PlaySession() override {
        // A test that failed half-way leaves keys up and the game ended.
        runCommand("xdotool keyup a keyup d");
        if (window) {
            focusWindow(*window);
            pressKey("F10");
        }
        game.waitForExit(std::chrono::seconds(30));
    }

    void SetUp() override {
        window = game.waitForWindow(m_caption, std::chrono::seconds(30));
        ASSERT_TRUE(window) << "no window captioned \"" << m_caption << "\"\n"
                            << game.standardError();
        const Screenshot first = shot();
        ASSERT_EQ(first.width, m_width);
        ASSERT_EQ(first.height, m_height);
        focusWindow(*window);
        moveMouse(m_restingPointer.x, m_restingPointer.y);
    }

    // xdotool's --sync waits until the pointer has moved: a move to where it
    // already is waits for xdotool's own time-out (about 15 s).
    void moveMouse(int x, int y) {
        runCommand("xdotool mousemove --sync --window " + *window + " " + std::to_string(x) + " " +
                   std::to_string(y));
    }
    Screenshot shot() { return takeScreenshot(*window); }
    // The first full-size screenshot for which `holds` is true, before the
    // deadline.
    std::optional<Screenshot> waitFor(const std::function<bool(const Screenshot&)>& holds,
                                      std::chrono::seconds deadline = std::chrono::seconds(15)) {
        const auto until = std::chrono::steady_clock::now() + deadline;
        while (std::chrono::steady_clock::now() < until) {
            Screenshot s = shot();
            if (s.width == m_width && holds(s))
                return s;
        }
        return std::nullopt;
    }
    // The crosshair (white within `half` of the pointer) goes where the
    // pointer goes and leaves where it was.
    void expectCrosshairFollowsTheMouse(Point from, Point to, int half, int least) {
        SCOPED_TRACE("crosshair");
        const auto crosshairAt = [half, least](Point p) {
            return [p, half, least](const Screenshot& s) {
                return countIn(s, p.x - half, p.y - half, p.x + half, p.y + half, isWhite) > least;
            };
        };
        moveMouse(from.x, from.y);
        ASSERT_TRUE(waitFor(crosshairAt(from)));
        moveMouse(to.x, to.y);
        const std::optional<Screenshot> moved = waitFor(crosshairAt(to));
        ASSERT_TRUE(moved);
        EXPECT_FALSE(crosshairAt(from)(*moved)) << "the crosshair stayed behind";
    }

    // Escape shows the arrow cursor at the pointer and Escape again hides
    // it. The arrow reaches below the crosshair, from `below` to `reach`
    // under the pointer and `wide` to its right.
    void expectEscapeTogglesTheArrow(Point at, int below, int reach, int wide, int least) {
        SCOPED_TRACE("arrow");
        moveMouse(at.x, at.y);
        const auto arrowPixels = [=](const Screenshot& s) {
            return countIn(s, at.x, at.y + below, at.x + wide, at.y + reach, isWhite);
        };
        ASSERT_TRUE(waitFor([&](const Screenshot& s) { return arrowPixels(s) == 0; }));
        pressKey("Escape");
        EXPECT_TRUE(waitFor([&](const Screenshot& s) { return arrowPixels(s) > least; }))
            << "no arrow after Escape";
        pressKey("Escape");
        EXPECT_TRUE(waitFor([&](const Screenshot& s) { return arrowPixels(s) == 0; }))
            << "the arrow stayed after the second Escape";
    }

    // F10 ends the program with status 0. A clean run prints the resource
    // manager's two start-up refusals, then debug lines only, one of them
    // the music's channel.
    void expectF10QuitsCleanly() {
        pressKey("F10");
        EXPECT_EQ(game.waitForExit(std::chrono::seconds(30)), std::optional<int>(0));
        window.reset();
        std::istringstream lines(game.standardError());
        std::string line;
        for (const char* refused : {"reloadTextures()", "reloadSounds()"}) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_EQ(line, std::string(" *** ERROR: ") + refused +
                                " can't execute until ResourceManager is initialized.");
        }
        int soundLines = 0;
        while (std::getline(lines, line)) {
            EXPECT_EQ(line.rfind(" DEBUG: ", 0), 0u) << line;
            soundLines += line.rfind(" DEBUG: SoundChan ", 0) == 0 ? 1 : 0;
        }
        EXPECT_EQ(soundLines, 1);
    }

    RunningProgram game;
    std::optional<std::string> window;

  private:
    std::string m_caption;
    int m_width;
    int m_height;
    Point m_restingPointer;
};
