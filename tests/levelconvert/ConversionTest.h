// Export files written by a test into a scratch directory (also the working
// directory, as the game's run directory is), converted into "game.obj" and
// read back with the game's own level reader.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Conversion.h"
#include "LevelFiles.h"
#include "ObjLevelReader.h"
#include "RecordingLogger.h"

// Files of an export: names, each followed by its text.
using ExportFiles = std::vector<std::string>;
template <typename... Texts> ExportFiles exportFiles(const Texts&... nameThenText) {
    return {std::string(nameThenText)...};
}

class ConversionTest : public ::testing::Test {
  protected:
    // A file of the export under "export/", its folders made as needed.
    void write(const std::string& name, const std::string& text) const;
    void write(const ExportFiles& files) const;
    // Converts "export/<objName>" and reads the result as the game does.
    LevelData convert(const std::string& objName, const PlacementOptions& placement = {});
    // Writes `obj` as "export/level.obj" and converts it.
    LevelData convertObj(const std::string& obj, const PlacementOptions& placement = {});
    // The message of the ConvertError converting "export/<objName>" ends with.
    std::string errorOf(const std::string& objName);
    // The OBJ text the last conversion wrote.
    std::string writtenObj() const;
    std::string resource(const std::string& name) const;
    // What the last conversion reported: the counts that are not zero, then
    // the lines it passed over and its warnings, one a line. Comparing all of
    // it at once also pins the counts a case does not mean to change.
    std::string notes() const;

    LevelFiles files;
    RecordingLogger logger{nullptr};
    ConversionReport report;
};

// Faces, collision lines and their length, the sum of the triangles' areas (world units) and
// of their area-weighted normals: equal texts mean the same surface facing
// the same way.
std::string surface(const LevelData& level);

// An uncompressed 2 x 2 Targa image of one colour.
std::string tinyTga(unsigned char red, unsigned char green, unsigned char blue);
