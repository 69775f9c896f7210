// Feeds arbitrary bytes to the bitmap font reader as a font file. A valid
// page image sits beside it, so inputs that name it reach the glyph records.
// Every input must end in a loaded font or the reader's fatal message, never
// in a crash. Needs a display for the OpenGL context.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "ResourceTestImages.h"
#include "Resources/Font.h"
#include "TestEngine.h"
#include "VirtualFolder.h"

namespace {

struct FuzzWorld {
    FuzzWorld() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        folder.write("page.tga", solidTga(16, 16, {255, 255, 255, 255}));
    }
    TestEngine engine;
    VirtualFolder folder;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWorld* world = new FuzzWorld();
    world->folder.write("fuzz.fnt", std::vector<std::uint8_t>(data, data + size));
    Font font(world->engine.controller.get());
    try {
        font.load("fuzz.fnt");
    } catch (const std::runtime_error&) {
        // A rejected file is a correct outcome.
    }
    world->engine.logger->lines.clear();
    return 0;
}
