// Names each generated image after its catalogue file and stores it.
#include "ArtAssets.h"

#include <cstdio>
#include <string>

#include "Cursors.h"
#include "Extras.h"
#include "PlayerParts.h"
#include "PlayerRig.h"
#include "Tga.h"

namespace {

void store(AssetSink& sink, const std::string& name, const Image& image) {
    sink.addToArchive(name, encodeTga(image));
}

std::string numbered(const char* stem, int frame) {
    // Room for any int, though frames only go to two digits.
    char digits[12];
    std::snprintf(digits, sizeof digits, "%02d", frame);
    return std::string("sp") + stem + digits + ".tga";
}

void buildPlayer(AssetSink& sink) {
    store(sink, "spPLAYhead.tga", drawPlayerHead());
    store(sink, "spPLAYbody.tga", drawPlayerBody());
    store(sink, "spPLAYlegS.tga", drawLegsStanding());
    store(sink, "spPLAYlegJ.tga", drawLegsJumping());
    for (int i = 0; i < rig::kWalkFrames; ++i) {
        store(sink, numbered("PLAYlegW", i), drawLegsWalking(i));
    }
    for (int i = 0; i < rig::kCrouchFrames; ++i) {
        store(sink, numbered("PLAYlegD", i), drawLegsCrouching(i));
    }
    for (int i = 0; i < 3; ++i) {
        store(sink, numbered("PLAYarmFIST", i), drawArmFist(i));
    }
    store(sink, "spPLAYarmFISTb.tga", drawArmFistBack());
    for (int i = 0; i < 5; ++i) {
        store(sink, numbered("PLAYarmCSAW", i), drawArmChainsaw(i));
    }
    for (int i = 0; i < 4; ++i) {
        store(sink, numbered("PLAYarmPIST", i), drawArmPistol(i));
    }
    for (int i = 0; i < 6; ++i) {
        store(sink, numbered("PLAYarmSHTG", i), drawArmShotgun(i));
    }
}

} // namespace

void buildArt(AssetSink& sink) {
    store(sink, "Paddle.tga", drawPaddle());
    store(sink, "Ball.tga", drawBall());
    store(sink, "vexLogo.tga", drawLogo());
    store(sink, "spCursorArrow.tga", drawCursorArrow());
    store(sink, "spCursorCrosshair.tga", drawCursorCrosshair());
    buildPlayer(sink);
}
