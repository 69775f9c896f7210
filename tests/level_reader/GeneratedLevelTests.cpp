// Our own level, as the asset builder writes it, read with the game's
// reader: every statement understood, every face textured, and every
// collision line inside the world.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "AssetSink.h"
#include "LevelFiles.h"
#include "level/LevelAssets.h"

namespace {

// Puts the run-directory files where the test reads them.
class ScratchRunDirectory : public AssetSink {
  public:
    explicit ScratchRunDirectory(const LevelFiles& files) : m_files(files) {}
    void addToArchive(const std::string&, Bytes) override {}
    void addToRunDirectory(const std::string& relativePath, const Bytes& bytes) override {
        const std::string text(bytes.begin(), bytes.end());
        m_files.write(relativePath, text);
        written[relativePath] = text;
    }
    std::map<std::string, std::string> written;

  private:
    const LevelFiles& m_files;
};

std::size_t countLinesStartingWith(const std::string& text, const std::string& prefix) {
    std::istringstream lines(text);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return count;
}

class GeneratedLevel : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLevel(run);
        level = readObjLevel("legitLevel.obj", logger);
    }

    LevelFiles files;
    ScratchRunDirectory run{files};
    RecordingLogger logger{nullptr};
    LevelData level;
};

TEST_F(GeneratedLevel, EveryStatementIsRead) {
    const std::string& obj = run.written.at("legitLevel.obj");
    EXPECT_EQ(level.positions.size(), countLinesStartingWith(obj, "v  "));
    EXPECT_EQ(level.texCoords.size(), countLinesStartingWith(obj, "vt "));
    EXPECT_EQ(level.normals.size(), countLinesStartingWith(obj, "vn "));
    EXPECT_EQ(level.faces.size(), countLinesStartingWith(obj, "f "));
    EXPECT_EQ(level.materials.size(),
              countLinesStartingWith(run.written.at("legitLevel.mtl"), "map_Ka "));
    EXPECT_GE(level.faces.size(), 3000u);
    EXPECT_TRUE(level.ignored.empty());
    EXPECT_TRUE(level.cutShort.empty());
    EXPECT_EQ(logger.textsOf("debug"), std::vector<std::string>{"Parsing textures"});
}

TEST_F(GeneratedLevel, EveryFaceHasATexture) {
    for (const LevelFace& face : level.faces) {
        EXPECT_GE(face.material, 0) << "face on line " << face.line;
    }
}

TEST_F(GeneratedLevel, CollisionLinesLieInsideTheWorld) {
    ASSERT_GE(level.collisionLines.size(), 100u);
    for (const Line2& line : level.collisionLines) {
        for (const Vector2& end : {line.m_a, line.m_b}) {
            EXPECT_GE(end.m_x, 0.0);
            EXPECT_LE(end.m_x, 9000.0);
            EXPECT_GE(end.m_y, 0.0);
            EXPECT_LE(end.m_y, 9000.0);
        }
    }
}

} // namespace
