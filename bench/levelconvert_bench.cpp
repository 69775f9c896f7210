// How fast levelconvert turns a large export into a level: 300,000 triangles
// written as a z-up modeller writes them (one space after "v", two-number
// texture coordinates, quads), converted with --swap-yz and --fit. Prints the
// time of each phase in-process and of the program run end to end, which
// must stay under 2 seconds. Measured when written, on the shared 2-core
// development machine (RelWithDebInfo): 17.2 MB export, convert 0.38 s,
// check 0.09 s, the program end to end 0.43 s.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "Conversion.h"
#include "LevelReport.h"

namespace {

namespace fs = std::filesystem;

// 500 x 300 quads: 300,000 triangles.
constexpr int kQuadsAcross = 500;
constexpr int kQuadsDeep = 300;
constexpr int kRuns = 3;

void appendf(std::string& out, const char* format, double a, double b, double c) {
    char line[96];
    const int length = std::snprintf(line, sizeof line, format, a, b, c);
    out.append(line, static_cast<std::size_t>(length));
}

// Rolling ground, z up, its depth along y crossing 0 so that faces are cut.
std::string generateExport() {
    std::string obj = "# Modeller OBJ File\nmtllib bench.mtl\no Terrain\n";
    for (int j = 0; j <= kQuadsDeep; ++j) {
        for (int i = 0; i <= kQuadsAcross; ++i) {
            const double height = 3.0 * std::sin(i * 0.05) * std::cos(j * 0.07);
            appendf(obj, "v %.6f %.6f %.6f\n", i * 0.5, j * 0.1 - 15.0, height);
        }
    }
    for (int j = 0; j <= kQuadsDeep; ++j) {
        for (int i = 0; i <= kQuadsAcross; ++i) {
            char line[64];
            const int length =
                std::snprintf(line, sizeof line, "vt %.6f %.6f\n", i / 16.0, j / 16.0);
            obj.append(line, static_cast<std::size_t>(length));
        }
    }
    obj += "vn 0.0000 0.0000 1.0000\nusemtl Ground Material\ns 0\n";
    const auto index = [](int i, int j) { return j * (kQuadsAcross + 1) + i + 1; };
    char face[160];
    for (int j = 0; j < kQuadsDeep; ++j) {
        for (int i = 0; i < kQuadsAcross; ++i) {
            const int a = index(i, j), b = index(i + 1, j), c = index(i + 1, j + 1),
                      d = index(i, j + 1);
            const int length = std::snprintf(
                face, sizeof face, "f %d/%d/1 %d/%d/1 %d/%d/1 %d/%d/1\n", a, a, b, b, c, c, d, d);
            obj.append(face, static_cast<std::size_t>(length));
        }
    }
    return obj;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The checker prints its report; the benchmark's own output stays readable.
int checkQuietly(const char* path) {
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    const int status = checkLevel(path).status;
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(null);
    close(saved);
    return status;
}

} // namespace

int main() {
    const fs::path scratch = fs::temp_directory_path() / "levelconvert-bench";
    fs::remove_all(scratch);
    fs::create_directories(scratch / "out");
    const std::string exported = generateExport();
    std::ofstream(scratch / "terrain.obj", std::ios::binary) << exported;
    std::ofstream(scratch / "bench.mtl") << "newmtl Ground Material\nKd 0.4 0.6 0.3\n";
    std::printf("export: %d triangles in %d quads, %.1f MB\n", 2 * kQuadsAcross * kQuadsDeep,
                kQuadsAcross * kQuadsDeep, exported.size() / 1e6);

    ConversionOptions options;
    options.input = (scratch / "terrain.obj").string();
    options.output = (scratch / "out" / "legitLevel.obj").string();
    options.placement.swapYZ = true;
    options.placement.fitWidth = 8000;
    std::vector<double> convert, check, program;
    for (int run = 0; run < kRuns; ++run) {
        convert.push_back(secondsOf([&] { convertLevel(options); }));
        const fs::path previous = fs::current_path();
        fs::current_path(scratch / "out");
        check.push_back(secondsOf([&] { checkQuietly("legitLevel.obj"); }));
        fs::current_path(previous);
        const std::string command = std::string(LEVELCONVERT) + " " + options.input + " " +
                                    options.output + " --swap-yz --fit 8000 > /dev/null";
        program.push_back(secondsOf([&] { (void)std::system(command.c_str()); }));
    }
    std::printf("convert (read, place, triangulate, write): median %.3f s\n", median(convert));
    std::printf("check of the result (game reader, rules):  median %.3f s\n", median(check));
    std::printf("levelconvert run end to end:               median %.3f s (goal: under 2 s)\n",
                median(program));
    fs::remove_all(scratch);
    return 0;
}
