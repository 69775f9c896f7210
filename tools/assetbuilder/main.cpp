// The asset builder: makes every image, sound, font and level of the games
// from code and writes them into a run directory:
//   assetbuilder <run directory>
// writes <run directory>/Resources/Resources.pak and the loose files.
#include <exception>
#include <filesystem>
#include <iostream>

#include "Generators.h"
#include "ZipArchiveSink.h"
#include "art/ArtAssets.h"
#include "font/FontAssets.h"
#include "level/LevelAssets.h"
#include "sound/SoundAssets.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: assetbuilder <run directory>\n";
        return 2;
    }
    const std::filesystem::path runDirectory(argv[1]);
    try {
        std::filesystem::create_directories(runDirectory / "Resources");
        ZipArchiveSink sink((runDirectory / "Resources" / "Resources.pak").string(),
                            runDirectory.string());
        buildReadme(sink);
        buildSounds(sink);
        buildArt(sink);
        buildFont(sink);
        buildLevel(sink);
        sink.writeArchive();
    } catch (const std::exception& error) {
        std::cerr << "assetbuilder: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
