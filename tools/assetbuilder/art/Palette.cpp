// One table of tone ramps. Outlines are the darkest tone pushed further
// towards black, which reads better than pure black against olive and skin.
#include "Palette.h"

#include <array>

namespace {

constexpr Rgba rgb(int r, int g, int b) {
    return Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b), 255};
}

const std::array<MaterialLook, 15> kLooks = {{
    {{rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)}, false}, // None
    {{rgb(50, 60, 32), rgb(78, 92, 46), rgb(108, 124, 64), rgb(146, 162, 94)}, true},
    {{rgb(44, 40, 28), rgb(70, 64, 42), rgb(100, 92, 60), rgb(134, 126, 86)}, true},
    {{rgb(128, 76, 54), rgb(176, 114, 82), rgb(214, 154, 114), rgb(240, 192, 152)}, true},
    {{rgb(24, 22, 24), rgb(42, 38, 40), rgb(66, 60, 60), rgb(98, 92, 88)}, true},
    {{rgb(30, 32, 40), rgb(54, 58, 68), rgb(88, 94, 108), rgb(140, 148, 162)}, true},
    {{rgb(78, 42, 22), rgb(118, 68, 36), rgb(156, 98, 54), rgb(194, 136, 82)}, true},
    {{rgb(84, 90, 100), rgb(134, 142, 154), rgb(184, 192, 202), rgb(234, 238, 244)}, true},
    {{rgb(136, 52, 14), rgb(200, 94, 24), rgb(238, 144, 42), rgb(254, 200, 100)}, true},
    {{rgb(255, 120, 30), rgb(255, 184, 60), rgb(255, 230, 130), rgb(255, 255, 225)}, false},
    {{rgb(18, 16, 20), rgb(18, 16, 20), rgb(18, 16, 20), rgb(18, 16, 20)}, true},
    {{rgb(160, 168, 180), rgb(206, 212, 222), rgb(238, 242, 248), rgb(255, 255, 255)}, true},
    {{rgb(150, 20, 20), rgb(206, 40, 36), rgb(242, 84, 60), rgb(255, 150, 120)}, true},
    {{rgb(20, 48, 108), rgb(40, 90, 170), rgb(80, 140, 222), rgb(164, 204, 252)}, true},
    {{rgb(112, 62, 10), rgb(180, 112, 22), rgb(232, 172, 52), rgb(255, 232, 144)}, true},
}};

} // namespace

const MaterialLook& lookOf(Material material) {
    return kLooks[static_cast<std::size_t>(material)];
}

Rgba outlineOf(Material material) {
    const Rgba dark = lookOf(material).tones[0];
    auto deepen = [](std::uint8_t c) { return static_cast<std::uint8_t>(c * 2 / 5); };
    return Rgba{deepen(dark.r), deepen(dark.g), deepen(dark.b), 255};
}
