// The texture files the games ask for and the anchors their sprites use,
// written out here independently of the generators so that a renamed file or
// a piece drawn off its anchor shows up as a failing test.
#pragma once

#include <set>
#include <string>
#include <vector>

struct CataloguedSprite {
    std::string file;
    float xOffset;
    float yOffset;
};

inline std::vector<CataloguedSprite> cataloguedSprites() {
    return {
        {"Paddle.tga", 8, 16},           {"Ball.tga", 8, 8},
        {"vexLogo.tga", 0, 0},           {"spCursorArrow.tga", 1, 2},
        {"spCursorCrosshair.tga", 8, 8}, {"spCursorCrosshair.tga", 4, 2},
        {"spPLAYhead.tga", 4, 7},        {"spPLAYbody.tga", 6, 10},
        {"spPLAYlegS.tga", 1, -12},      {"spPLAYlegJ.tga", 1, -12},
        {"spPLAYlegW00.tga", -1, -12},   {"spPLAYlegW01.tga", -1, -12},
        {"spPLAYlegW02.tga", -2, -12},   {"spPLAYlegW03.tga", 1, -12},
        {"spPLAYlegW04.tga", 1, -12},    {"spPLAYlegW05.tga", -1, -12},
        {"spPLAYlegD00.tga", 3, -19},    {"spPLAYlegD01.tga", 1, -19},
        {"spPLAYlegD02.tga", -1, -19},   {"spPLAYlegD03.tga", 0, -19},
        {"spPLAYlegD04.tga", 2, -19},    {"spPLAYlegD05.tga", 0, -19},
        {"spPLAYlegD06.tga", 0, -19},    {"spPLAYlegD07.tga", 1, -19},
        {"spPLAYarmFIST00.tga", 0, 0},   {"spPLAYarmFIST01.tga", 0, 0},
        {"spPLAYarmFIST02.tga", 0, 0},   {"spPLAYarmFISTb.tga", 0, 0},
        {"spPLAYarmCSAW00.tga", 0, 0},   {"spPLAYarmCSAW01.tga", 0, 0},
        {"spPLAYarmCSAW02.tga", 0, 0},   {"spPLAYarmCSAW03.tga", 0, 0},
        {"spPLAYarmCSAW04.tga", 0, 0},   {"spPLAYarmPIST00.tga", 2, 2},
        {"spPLAYarmPIST01.tga", 2, 3},   {"spPLAYarmPIST02.tga", 2, 5},
        {"spPLAYarmPIST03.tga", 2, 4},   {"spPLAYarmSHTG00.tga", 0, 0},
        {"spPLAYarmSHTG01.tga", 0, 0},   {"spPLAYarmSHTG02.tga", 0, 0},
        {"spPLAYarmSHTG03.tga", 0, 0},   {"spPLAYarmSHTG01.tga", 0, 0},
        {"spPLAYarmSHTG01.tga", 0, 0},
    };
}

// Every sprite's file, and the last two shotgun frames, which are catalogued
// as textures although their sprites use the second frame.
inline std::set<std::string> cataloguedTextureFiles() {
    std::set<std::string> files = {"spPLAYarmSHTG04.tga", "spPLAYarmSHTG05.tga"};
    for (const CataloguedSprite& sprite : cataloguedSprites())
        files.insert(sprite.file);
    return files;
}
