// Level files for a test, in a fresh directory that is also the working
// directory while the test runs: the reader opens material libraries
// relative to it, as the game does in its run directory.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ObjLevelReader.h"
#include "RecordingLogger.h"

class LevelFiles {
  public:
    LevelFiles();
    ~LevelFiles();
    LevelFiles(const LevelFiles&) = delete;
    LevelFiles& operator=(const LevelFiles&) = delete;

    void write(const std::string& name, const std::string& text) const;
    const std::string& directory() const { return m_directory; }

  private:
    std::string m_directory;
    std::string m_previousWorkingDirectory;
};

// Writes an OBJ (and optionally its "level.mtl") and reads it back.
class LevelReaderTest : public ::testing::Test {
  protected:
    LevelData read(const std::string& objText);
    LevelData read(const std::string& objText, const std::string& mtlText);
    // The fatal error reading ends with; empty when it reads through.
    std::string fatalErrorOf(const std::string& objText, const std::string& mtlText = "");

    LevelFiles files;
    RecordingLogger logger{nullptr};
    LevelReadPlace failedAt;
};

// Lists that let a test face refer to corners 1 to 3 with texture
// coordinate 1 and normal 1.
extern const char* const kThreeCorners;
