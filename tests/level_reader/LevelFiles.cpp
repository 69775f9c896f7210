// Scratch directories for level files, removed with everything in them.
#include "LevelFiles.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

const char* const kThreeCorners = "v  0 0 -1\n"
                                  "v  0 2 1\n"
                                  "v  2 0 1\n"
                                  "vt 0 0 0\n"
                                  "vn 0 0 1\n";

LevelFiles::LevelFiles() {
    std::string pattern = (fs::temp_directory_path() / "levelreader-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch directory");
    }
    m_directory = pattern;
    m_previousWorkingDirectory = fs::current_path().string();
    fs::current_path(m_directory);
}

LevelFiles::~LevelFiles() {
    std::error_code ignored;
    fs::current_path(m_previousWorkingDirectory, ignored);
    fs::remove_all(m_directory, ignored);
}

void LevelFiles::write(const std::string& name, const std::string& text) const {
    std::ofstream(m_directory + "/" + name, std::ios::binary) << text;
}

LevelData LevelReaderTest::read(const std::string& objText) {
    files.write("level.obj", objText);
    return readObjLevel("level.obj", logger, &failedAt);
}

LevelData LevelReaderTest::read(const std::string& objText, const std::string& mtlText) {
    files.write("level.mtl", mtlText);
    return read(objText);
}

std::string LevelReaderTest::fatalErrorOf(const std::string& objText, const std::string& mtlText) {
    logger.lines.clear();
    try {
        read(objText, mtlText);
    } catch (const std::runtime_error& error) {
        // What the logger printed and what it threw must agree.
        EXPECT_EQ(logger.textsOf("fatal"), std::vector<std::string>{error.what()});
        return error.what();
    }
    return "";
}
