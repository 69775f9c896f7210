// Program entry of both games: the virtual file system's search path, the
// image library, the engine systems, the loop, and the teardown. Errors at
// this level are not caught: they end the program with their message.
#include <IL/il.h>
#include <cstdlib>
#include <physfs.h>
#include <stdexcept>

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "ApplicationStateController.h"
#include "AudioSystem.h"
#include "EventSystem.h"
#include "Logger_Game.h"
#include "ResourceManager.h"
#include "VideoSystem.h"

namespace {

void mountOrThrow(const char* path, const char* failure) {
    if (PHYSFS_mount(path, nullptr, 1) == 0)
        throw std::runtime_error(failure);
}

// Earlier entries win when a file exists in several places.
void mountSearchPath() {
    mountOrThrow("Resources/Resources.pak",
                 "Failed to add Resources/Resources.pak to Physfs search path");
    mountOrThrow("Resources", "Failed to add the folder Resources to Physfs search path");
    mountOrThrow(".", "Failed to add the current directory to Physfs search path");
}

} // namespace

int main(int /*argc*/, char* argv[]) {
    // Every run draws the same random sequence.
    std::srand(0);
    if (PHYSFS_init(argv[0]) == 0)
        throw std::runtime_error("Failed to initialize physfs");
    mountSearchPath();
    ilInit();

    ApplicationController* controller = new ApplicationController();
    controller->init(new Logger_Game(controller), new ResourceManager(controller),
                     new ApplicationSettings(controller, "config.cfg"),
                     new ApplicationStateController(controller), new AudioSystem(controller),
                     new VideoSystem(controller), new EventSystem(controller));
    controller->appLoop();
    delete controller;

    PHYSFS_deinit();
    return 0;
}
