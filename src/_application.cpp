// Program entry of both games: the virtual file system's search path, the
// image library, the engine systems, the loop, and the teardown. Errors at
// this level are not caught: they end the program with their message.
#include <IL/il.h>
#include <cstdlib>
#include <physfs.h>

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "ApplicationStateController.h"
#include "AudioSystem.h"
#include "EventSystem.h"
#include "Logger_Game.h"
#include "ResourceManager.h"
#include "SearchPath.h"
#include "VideoSystem.h"

int main(int /*argc*/, char* argv[]) {
    // Every run draws the same random sequence.
    std::srand(0);
    startVirtualFileSystem(argv[0]);
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
