// The catalogue's rows. Texture files are named after their enumerators;
// sprite anchors are in texels from the image's top-left corner.
#include "Resources/ResourceEnumeration.h"

#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "AudioSystem.h"
#include "ProgramProfile.h"
#include "ResourceManager.h"

namespace {

const char* const TEXTURE_FILES[TX_NONE] = {
    "Paddle.tga",
    "Ball.tga",
    "vexLogo.tga",
    "spCursorArrow.tga",
    "spCursorCrosshair.tga",
    // The type cursor has no picture of its own yet: it shows the crosshair.
    "spCursorCrosshair.tga",
    "spPLAYhead.tga",
    "spPLAYbody.tga",
    "spPLAYlegS.tga",
    "spPLAYlegJ.tga",
    "spPLAYlegW00.tga",
    "spPLAYlegW01.tga",
    "spPLAYlegW02.tga",
    "spPLAYlegW03.tga",
    "spPLAYlegW04.tga",
    "spPLAYlegW05.tga",
    "spPLAYlegD00.tga",
    "spPLAYlegD01.tga",
    "spPLAYlegD02.tga",
    "spPLAYlegD03.tga",
    "spPLAYlegD04.tga",
    "spPLAYlegD05.tga",
    "spPLAYlegD06.tga",
    "spPLAYlegD07.tga",
    "spPLAYarmFIST00.tga",
    "spPLAYarmFIST01.tga",
    "spPLAYarmFIST02.tga",
    "spPLAYarmFISTb.tga",
    "spPLAYarmCSAW00.tga",
    "spPLAYarmCSAW01.tga",
    "spPLAYarmCSAW02.tga",
    "spPLAYarmCSAW03.tga",
    "spPLAYarmCSAW04.tga",
    "spPLAYarmPIST00.tga",
    "spPLAYarmPIST01.tga",
    "spPLAYarmPIST02.tga",
    "spPLAYarmPIST03.tga",
    "spPLAYarmSHTG00.tga",
    "spPLAYarmSHTG01.tga",
    "spPLAYarmSHTG02.tga",
    "spPLAYarmSHTG03.tga",
    "spPLAYarmSHTG04.tga",
    "spPLAYarmSHTG05.tga",
};

struct SpriteRow {
    textureEnum texture;
    float xOffset;
    float yOffset;
};

// One row per sprite value; the two player markers read like SP_NONE.
const SpriteRow SPRITE_ROWS[SP_NONE + 1] = {
    {TX_Paddle, 8, 16},
    {TX_Ball, 8, 8},
    {TX_VexLogo, 0, 0},
    {TX_CursorArrow, 1, 2},
    {TX_CursorCrosshair, 8, 8},
    {TX_CursorType, 4, 2},
    {TX_NONE, 0, 0}, // SP_PLAYstart
    {TX_PLAYhead, 4, 7},
    {TX_PLAYbody, 6, 10},
    {TX_PLAYlegS, 1, -12},
    {TX_PLAYlegJ, 1, -12},
    {TX_PLAYlegW00, -1, -12},
    {TX_PLAYlegW01, -1, -12},
    {TX_PLAYlegW02, -2, -12},
    {TX_PLAYlegW03, 1, -12},
    {TX_PLAYlegW04, 1, -12},
    {TX_PLAYlegW05, -1, -12},
    {TX_PLAYlegD00, 3, -19},
    {TX_PLAYlegD01, 1, -19},
    {TX_PLAYlegD02, -1, -19},
    {TX_PLAYlegD03, 0, -19},
    {TX_PLAYlegD04, 2, -19},
    {TX_PLAYlegD05, 0, -19},
    {TX_PLAYlegD06, 0, -19},
    {TX_PLAYlegD07, 1, -19},
    {TX_PLAYarmFIST00, 0, 0},
    {TX_PLAYarmFIST01, 0, 0},
    {TX_PLAYarmFIST02, 0, 0},
    {TX_PLAYarmFISTb, 0, 0},
    {TX_PLAYarmCSAW00, 0, 0},
    {TX_PLAYarmCSAW01, 0, 0},
    {TX_PLAYarmCSAW02, 0, 0},
    {TX_PLAYarmCSAW03, 0, 0},
    {TX_PLAYarmCSAW04, 0, 0},
    {TX_PLAYarmPIST00, 2, 2},
    {TX_PLAYarmPIST01, 2, 3},
    {TX_PLAYarmPIST02, 2, 5},
    {TX_PLAYarmPIST03, 2, 4},
    {TX_PLAYarmSHTG00, 0, 0},
    {TX_PLAYarmSHTG01, 0, 0},
    {TX_PLAYarmSHTG02, 0, 0},
    {TX_PLAYarmSHTG03, 0, 0},
    // The last two shotgun frames reuse the second frame's picture.
    {TX_PLAYarmSHTG01, 0, 0},
    {TX_PLAYarmSHTG01, 0, 0},
    {TX_NONE, 0, 0}, // SP_PLAYend
    {TX_NONE, 0, 0}, // SP_NONE
};

} // namespace

ResourceEnumeration::ResourceEnumeration(ResourceManager* resourceManager)
    : m_initialized(false), m_resourceManager(resourceManager) {}

ResourceEnumeration::~ResourceEnumeration() = default;

void ResourceEnumeration::initialize() {
    fillTextures();
    fillSprites();
    m_fontLoadInfoList = std::make_unique<fontLoadInfo[]>(FN_NONE + 1);
    m_fontLoadInfoList[FN_Test].m_path = "FN_12.fnt";
    fillSounds();
    m_initialized = true;
}

void ResourceEnumeration::fillTextures() {
    m_textureLoadInfoList = std::make_unique<textureLoadInfo[]>(TX_NONE + 1);
    for (int texture = 0; texture < TX_NONE; ++texture)
        m_textureLoadInfoList[texture].m_path = TEXTURE_FILES[texture];
}

void ResourceEnumeration::fillSprites() {
    m_spriteLoadInfoList = std::make_unique<spriteLoadInfo[]>(SP_NONE + 1);
    for (int sprite = 0; sprite <= SP_NONE; ++sprite) {
        spriteLoadInfo& info = m_spriteLoadInfoList[sprite];
        info.m_texture = SPRITE_ROWS[sprite].texture;
        info.m_xOffset = SPRITE_ROWS[sprite].xOffset;
        info.m_yOffset = SPRITE_ROWS[sprite].yOffset;
    }
}

void ResourceEnumeration::fillSounds() {
    ApplicationController* controller = m_resourceManager->getApplicationController();
    m_soundLoadInfoList = std::make_unique<soundLoadInfo[]>(SO_NONE + 1);
    soundLoadInfo& metal = m_soundLoadInfoList[SO_MU_Metal];
    metal.m_path = "soMusMetal.mid";
    metal.m_stream = true;
    metal.m_soundExInfo.reset(controller->getAudioSystem()->initFMOD_CREATESOUNDEXINFO());
    // Points into the settings' own string: the settings outlive the catalogue.
    metal.m_soundExInfo->dlsname = controller->getApplicationSettings()->getSOUND_midiDLSname();
    m_soundLoadInfoList[SO_MU_Intro].m_path = programProfile().musicFile;
    m_soundLoadInfoList[SO_MU_Intro].m_stream = true;
    m_soundLoadInfoList[SO_PLAYdieYell].m_path = "soPLAYdieYell.wav";
}

const char* ResourceEnumeration::getTexturePath(textureEnum texture) const {
    return m_textureLoadInfoList[texture].m_path.c_str();
}
GLint ResourceEnumeration::getTextureWrapS(textureEnum texture) const {
    return m_textureLoadInfoList[texture].m_wrapS;
}
GLint ResourceEnumeration::getTextureWrapT(textureEnum texture) const {
    return m_textureLoadInfoList[texture].m_wrapT;
}
textureEnum ResourceEnumeration::getSpriteTexture(spriteEnum sprite) const {
    return m_spriteLoadInfoList[sprite].m_texture;
}
float ResourceEnumeration::getSpriteXoffset(spriteEnum sprite) const {
    return m_spriteLoadInfoList[sprite].m_xOffset;
}
float ResourceEnumeration::getSpriteYoffset(spriteEnum sprite) const {
    return m_spriteLoadInfoList[sprite].m_yOffset;
}
const char* ResourceEnumeration::getSoundPath(soundEnum sound) const {
    return m_soundLoadInfoList[sound].m_path.c_str();
}
bool ResourceEnumeration::getSoundStream(soundEnum sound) const {
    return m_soundLoadInfoList[sound].m_stream;
}
FMOD_CREATESOUNDEXINFO* ResourceEnumeration::getSoundExInfo(soundEnum sound) const {
    return m_soundLoadInfoList[sound].m_soundExInfo.get();
}
const char* ResourceEnumeration::getFontPath(fontEnum font) const {
    return m_fontLoadInfoList[font].m_path.c_str();
}
