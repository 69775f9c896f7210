// Program entry of both games: the virtual file system's search path, the
// image library, the engine systems, the loop, and the teardown. A fatal
// error is no crash: it is printed, whatever exists is torn down and the
// program ends with status 1.
#include <IL/il.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <malloc.h>
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

namespace {

const int FAILED = 1;
// Blocks this large come from their own mappings and go back to the system
// when freed. The C library would otherwise raise the bar to the largest
// block freed so far, and the GL driver's megabyte buffers, dropped and
// taken again as the scene changes, would then be carved from the heap,
// whose top creeps up over the first minutes of play and never comes down.
const int OWN_MAPPING_FROM_BYTES = 128 * 1024;

// Errors thrown past the logger have not been printed yet; they get the
// logger's error format.
void printError(const char* message) {
    std::fprintf(stderr, " *** ERROR: %s\n", message);
    std::fflush(stderr);
}

int runGame() {
    ApplicationController* controller = new ApplicationController();
    int status = 0;
    try {
        controller->init(new Logger_Game(controller), new ResourceManager(controller),
                         new ApplicationSettings(controller, "config.cfg"),
                         new ApplicationStateController(controller), new AudioSystem(controller),
                         new VideoSystem(controller), new EventSystem(controller));
        controller->appLoop();
    } catch (const PrintedFatalError&) {
        status = FAILED;
    } catch (const std::exception& error) {
        printError(error.what());
        status = FAILED;
    }
    delete controller;
    return status;
}

} // namespace

int main(int /*argc*/, char* argv[]) {
    mallopt(M_MMAP_THRESHOLD, OWN_MAPPING_FROM_BYTES);
    // Every run draws the same random sequence.
    std::srand(0);
    try {
        startVirtualFileSystem(argv[0]);
    } catch (const SearchPathError& error) {
        printError(error.what());
        if (!error.advice().empty())
            printError(error.advice().c_str());
        PHYSFS_deinit();
        return FAILED;
    }
    ilInit();
    const int status = runGame();
    PHYSFS_deinit();
    return status;
}
