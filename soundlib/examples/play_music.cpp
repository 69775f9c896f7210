// Plays the games' two pieces of music through the sound library, the way
// the engine does: each file read into memory and created as a looping
// stream, "muIntro.ogg" first and then "soMusMetal.mid" with the "gm.dls"
// bank from the working directory.
//
//   play_music <directory with the sound files> [seconds per piece]
#include "soundlib.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

bool check(FMOD_RESULT result, const char* what) {
    if (result != FMOD_OK) {
        std::fprintf(stderr, "play_music: %s failed (result %d)\n", what, result);
        return false;
    }
    return true;
}

bool readFile(const std::string& path, std::vector<char>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "play_music: %s: cannot open\n", path.c_str());
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

FMOD_SYSTEM* startSystem() {
    FMOD_SYSTEM* system = nullptr;
    if (!check(FMOD_System_Create(&system), "creating the sound system")) {
        return nullptr;
    }
    int drivers = 0;
    FMOD_System_GetNumDrivers(system, &drivers);
    if (drivers == 0) {
        std::fprintf(stderr, "play_music: no sound device; playing silently\n");
        FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_NOSOUND);
    } else {
        char name[256] = {};
        FMOD_System_GetDriverInfo(system, 0, name, sizeof name, nullptr);
        std::printf("Playing through %s\n", name);
    }
    if (!check(FMOD_System_Init(system, 100, FMOD_INIT_NORMAL, nullptr), "starting output")) {
        FMOD_System_Release(system);
        return nullptr;
    }
    return system;
}

bool playFor(FMOD_SYSTEM* system, const std::string& path, double seconds) {
    std::vector<char> bytes;
    if (!readFile(path, bytes)) {
        return false;
    }
    FMOD_CREATESOUNDEXINFO info{};
    info.cbsize = sizeof info;
    info.length = static_cast<unsigned int>(bytes.size());
    info.dlsname = "gm.dls";
    FMOD_SOUND* sound = nullptr;
    const FMOD_MODE mode =
        FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE | FMOD_OPENMEMORY | FMOD_CREATESTREAM;
    if (!check(FMOD_System_CreateSound(system, bytes.data(), mode, &info, &sound),
               ("creating " + path).c_str())) {
        return false;
    }
    FMOD_CHANNEL* channel = nullptr;
    const bool playing =
        check(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, false, &channel), "playing");
    std::printf("%s\n", path.c_str());
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (playing && std::chrono::steady_clock::now() < end) {
        FMOD_System_Update(system);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    FMOD_Sound_Release(sound);
    return playing;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: play_music <directory with the sound files> [seconds]\n");
        return 2;
    }
    const std::string directory = std::string(argv[1]) + "/";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 15.0;
    FMOD_SYSTEM* system = startSystem();
    if (system == nullptr) {
        return 1;
    }
    const bool ok = playFor(system, directory + "muIntro.ogg", seconds) &&
                    playFor(system, directory + "soMusMetal.mid", seconds);
    FMOD_System_Release(system);
    return ok ? 0 : 1;
}
