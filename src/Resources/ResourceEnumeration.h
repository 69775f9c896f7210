// The catalogue: every texture, sprite, font and sound the game knows by
// name, and how to load each. The enumerator values are the registry keys.
#pragma once

#include <GL/gl.h>
#include <memory>
#include <string>

#include "soundlib.h"

class ResourceManager;

enum textureEnum {
    TX_Paddle,
    TX_Ball,
    TX_VexLogo,
    TX_CursorArrow,
    TX_CursorCrosshair,
    TX_CursorType,
    TX_PLAYhead,
    TX_PLAYbody,
    TX_PLAYlegS,
    TX_PLAYlegJ,
    TX_PLAYlegW00,
    TX_PLAYlegW01,
    TX_PLAYlegW02,
    TX_PLAYlegW03,
    TX_PLAYlegW04,
    TX_PLAYlegW05,
    TX_PLAYlegD00,
    TX_PLAYlegD01,
    TX_PLAYlegD02,
    TX_PLAYlegD03,
    TX_PLAYlegD04,
    TX_PLAYlegD05,
    TX_PLAYlegD06,
    TX_PLAYlegD07,
    TX_PLAYarmFIST00,
    TX_PLAYarmFIST01,
    TX_PLAYarmFIST02,
    TX_PLAYarmFISTb,
    TX_PLAYarmCSAW00,
    TX_PLAYarmCSAW01,
    TX_PLAYarmCSAW02,
    TX_PLAYarmCSAW03,
    TX_PLAYarmCSAW04,
    TX_PLAYarmPIST00,
    TX_PLAYarmPIST01,
    TX_PLAYarmPIST02,
    TX_PLAYarmPIST03,
    TX_PLAYarmSHTG00,
    TX_PLAYarmSHTG01,
    TX_PLAYarmSHTG02,
    TX_PLAYarmSHTG03,
    TX_PLAYarmSHTG04,
    TX_PLAYarmSHTG05,
    TX_NONE
};

enum spriteEnum {
    SP_Paddle,
    SP_Ball,
    SP_VexLogo,
    SP_CursorArrow,
    SP_CursorCrosshair,
    SP_CursorType,
    SP_PLAYstart,
    SP_PLAYhead,
    SP_PLAYbody,
    SP_PLAYlegS,
    SP_PLAYlegJ,
    SP_PLAYlegW00,
    SP_PLAYlegW01,
    SP_PLAYlegW02,
    SP_PLAYlegW03,
    SP_PLAYlegW04,
    SP_PLAYlegW05,
    SP_PLAYlegD00,
    SP_PLAYlegD01,
    SP_PLAYlegD02,
    SP_PLAYlegD03,
    SP_PLAYlegD04,
    SP_PLAYlegD05,
    SP_PLAYlegD06,
    SP_PLAYlegD07,
    SP_PLAYarmFIST00,
    SP_PLAYarmFIST01,
    SP_PLAYarmFIST02,
    SP_PLAYarmFISTb,
    SP_PLAYarmCSAW00,
    SP_PLAYarmCSAW01,
    SP_PLAYarmCSAW02,
    SP_PLAYarmCSAW03,
    SP_PLAYarmCSAW04,
    SP_PLAYarmPIST00,
    SP_PLAYarmPIST01,
    SP_PLAYarmPIST02,
    SP_PLAYarmPIST03,
    SP_PLAYarmSHTG00,
    SP_PLAYarmSHTG01,
    SP_PLAYarmSHTG02,
    SP_PLAYarmSHTG03,
    SP_PLAYarmSHTG04,
    SP_PLAYarmSHTG05,
    SP_PLAYend,
    SP_NONE
};

enum fontEnum { FN_Test, FN_NONE };

enum soundEnum { SO_MU_Metal, SO_MU_Intro, SO_PLAYdieYell, SO_NONE };

class ResourceEnumeration {
  public:
    struct textureLoadInfo {
        std::string m_path;
        GLint m_wrapS = GL_CLAMP;
        GLint m_wrapT = GL_CLAMP;
    };
    struct spriteLoadInfo {
        textureEnum m_texture = TX_NONE;
        float m_xOffset = 0;
        float m_yOffset = 0;
    };
    struct fontLoadInfo {
        std::string m_path;
    };
    struct soundLoadInfo {
        std::string m_path;
        bool m_stream = false;
        std::unique_ptr<FMOD_CREATESOUNDEXINFO> m_soundExInfo;
    };

    explicit ResourceEnumeration(ResourceManager* resourceManager);
    virtual ~ResourceEnumeration();
    ResourceEnumeration(const ResourceEnumeration&) = delete;
    ResourceEnumeration& operator=(const ResourceEnumeration&) = delete;

    void initialize();
    bool getInitialized() const { return m_initialized; }

    const char* getTexturePath(textureEnum texture) const;
    GLint getTextureWrapS(textureEnum texture) const;
    GLint getTextureWrapT(textureEnum texture) const;
    textureEnum getSpriteTexture(spriteEnum sprite) const;
    float getSpriteXoffset(spriteEnum sprite) const;
    float getSpriteYoffset(spriteEnum sprite) const;
    const char* getSoundPath(soundEnum sound) const;
    bool getSoundStream(soundEnum sound) const;
    FMOD_CREATESOUNDEXINFO* getSoundExInfo(soundEnum sound) const;
    const char* getFontPath(fontEnum font) const;

  private:
    void fillTextures();
    void fillSprites();
    void fillSounds();

    bool m_initialized;
    ResourceManager* m_resourceManager;
    std::unique_ptr<textureLoadInfo[]> m_textureLoadInfoList;
    std::unique_ptr<spriteLoadInfo[]> m_spriteLoadInfoList;
    std::unique_ptr<fontLoadInfo[]> m_fontLoadInfoList;
    std::unique_ptr<soundLoadInfo[]> m_soundLoadInfoList;
};
