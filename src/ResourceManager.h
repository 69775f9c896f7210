// The one owner of every loaded texture, sprite, font and sound. Game code
// asks by catalogue value and gets a counted handle: the first request
// loads, later ones share. Every service refuses, with its message, before
// initialize().
#pragma once

#include <memory>

#include "PointerManager.h"
#include "ResourcePointerManager.h"
#include "Resources/ResourceEnumeration.h"

class ApplicationController;
class Texture;
class Sprite;
class Sound;
class Font;

class ResourceManager {
  public:
    explicit ResourceManager(ApplicationController* appController);
    virtual ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    void initialize();
    bool getInitialized() const { return m_initialized; }

    void getTexture(textureEnum texture, Pointer<Texture>* pointerDest);
    void getSprite(spriteEnum sprite, Pointer<Sprite>* pointerDest);
    void getSound(soundEnum sound, Pointer<Sound>* pointerDest);
    void getFont(fontEnum font, Pointer<Font>* pointerDest);

    void unloadTextures();
    void reloadTextures();
    void unloadSounds();
    void reloadSounds();

    ResourceEnumeration* getResourceEnumeration() const { return m_resourceEnumeration.get(); }
    ApplicationController* getApplicationController() const { return m_appController; }

  private:
    bool refuseBeforeInitialize(const char* operation) const;
    template <class Kind, class Key, class Load>
    void request(const char* operation, ResourcePointerManager& registry, Key value, Key none,
                 Pointer<Kind>* pointerDest, Load&& load);

    bool m_initialized;
    ApplicationController* m_appController;
    std::unique_ptr<ResourceEnumeration> m_resourceEnumeration;
    std::unique_ptr<ResourcePointerManager> m_textureManager;
    std::unique_ptr<ResourcePointerManager> m_spriteManager;
    std::unique_ptr<ResourcePointerManager> m_fontManager;
    std::unique_ptr<ResourcePointerManager> m_soundManager;
    // A second sound registry that no request fills; it is unloaded and
    // reloaded with the sounds so that music kept there would follow them.
    std::unique_ptr<ResourcePointerManager> m_songManager;
};
