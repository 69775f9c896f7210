// The colours of all the game's art, as four-tone ramps per material so that
// every piece is lit the same way (light from the upper left, in front).
#pragma once

#include <cstdint>

#include "Image.h"

enum class Material : std::uint8_t {
    None,
    Cloth,   // olive fatigues
    Webbing, // helmet, belt, backpack: darker olive-brown
    Skin,
    Boot,     // boots and gloves
    Gunmetal, // blued steel of guns
    Wood,     // stocks and grips
    Steel,    // bright metal: chainsaw bar, ball
    Orange,   // chainsaw housing
    Flash,    // muzzle flash: glows, no outline
    Ink,      // eyes and small marks: flat near-black
    CursorFill,
    CursorAccent,
    PaddleBlue,
    Gold,
};

struct MaterialLook {
    Rgba tones[4]; // darkest first
    bool outlined;
};

const MaterialLook& lookOf(Material material);

// The colour drawn around a silhouette of this material.
Rgba outlineOf(Material material);
