// What the play tests of both programs read from screenshots and standard
// error: pixels of a kind counted in a rectangle, and the diagnostics a
// clean run prints.
#pragma once

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

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

// A clean run prints the resource manager's two start-up refusals, then
// debug lines only, one of them the music's channel.
inline void expectOnlyCleanRunDiagnostics(const std::string& standardError) {
    std::istringstream lines(standardError);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line,
              " *** ERROR: reloadTextures() can't execute until ResourceManager is initialized.");
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line,
              " *** ERROR: reloadSounds() can't execute until ResourceManager is initialized.");
    int soundLines = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.rfind(" DEBUG: ", 0), 0u) << line;
        soundLines += line.rfind(" DEBUG: SoundChan ", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(soundLines, 1);
}
