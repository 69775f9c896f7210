// Export files written by a test into a scratch directory (also the working
// directory, as the game's run directory is), converted into "game.obj" and
// read back with the game's own level reader.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Conversion.h"
#include "LevelFiles.h"
#include "ObjLevelReader.h"
#include "RecordingLogger.h"

class ConversionTest : public ::testing::Test {
  protected:
    // A file of the export under "export/", its folders made as needed.
    void write(const std::string& name, const std::string& text) const;
    // Converts "export/<objName>" and reads the result as the game does.
    LevelData convert(const std::string& objName, const PlacementOptions& placement = {});
    // The OBJ text the last conversion wrote.
    std::string writtenObj() const;
    bool existsInResources(const std::string& name) const;
    // Every warning of the last conversion, one a line.
    std::string warnings() const;

    LevelFiles files;
    RecordingLogger logger{nullptr};
    ConversionReport report;
};

// The sum of the triangles' areas (world units) and of their area-weighted
// normals: equal sums mean the same surface facing the same way.
double totalArea(const LevelData& level);
Vector3 facingSum(const LevelData& level);

// An uncompressed 2 x 2 Targa image of one colour.
std::string tinyTga(unsigned char red, unsigned char green, unsigned char blue);
