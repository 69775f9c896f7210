// The request path shared by the four kinds of resource, and the order in
// which registries go: sprites hold texture handles, so they go first.
#include "ResourceManager.h"

#include "ApplicationController.h"
#include "Logger.h"
#include "Resources/Font.h"
#include "Resources/Sound.h"
#include "Resources/Sprite.h"
#include "Resources/Texture.h"

ResourceManager::ResourceManager(ApplicationController* appController)
    : m_initialized(false), m_appController(appController),
      m_textureManager(std::make_unique<ResourcePointerManager>()),
      m_spriteManager(std::make_unique<ResourcePointerManager>()),
      m_fontManager(std::make_unique<ResourcePointerManager>()),
      m_soundManager(std::make_unique<ResourcePointerManager>()),
      m_songManager(std::make_unique<ResourcePointerManager>()) {}

ResourceManager::~ResourceManager() {
    m_resourceEnumeration.reset();
    m_fontManager.reset();
    m_spriteManager.reset();
    m_textureManager.reset();
    m_songManager.reset();
    m_soundManager.reset();
}

void ResourceManager::initialize() {
    if (m_initialized) {
        m_appController->getLogger()->logError("ResourceManager is already initialized");
        return;
    }
    m_resourceEnumeration = std::make_unique<ResourceEnumeration>(this);
    m_resourceEnumeration->initialize();
    m_initialized = true;
}

bool ResourceManager::refuseBeforeInitialize(const char* operation) const {
    if (m_initialized)
        return false;
    m_appController->getLogger()->logError("%s can't execute until ResourceManager is initialized.",
                                           operation);
    return true;
}

template <class Kind, class Key, class Load>
void ResourceManager::request(const char* operation, ResourcePointerManager& registry, Key value,
                              Key none, Pointer<Kind>* pointerDest, Load&& load) {
    if (refuseBeforeInitialize(operation))
        return;
    if (registry.pointerGet(static_cast<unsigned long>(value), pointerDest))
        return;
    // A failed load leaves by its fatal error before anything is registered.
    auto resource = std::make_unique<Kind>(m_appController);
    if (value != none)
        load(*resource);
    registry.pointerAdd(resource.release(), static_cast<unsigned long>(value), pointerDest);
}

void ResourceManager::getTexture(textureEnum texture, Pointer<Texture>* pointerDest) {
    request("getTexture()", *m_textureManager, texture, TX_NONE, pointerDest, [&](Texture& t) {
        t.load(m_resourceEnumeration->getTexturePath(texture),
               m_resourceEnumeration->getTextureWrapS(texture),
               m_resourceEnumeration->getTextureWrapT(texture));
    });
}

void ResourceManager::getSprite(spriteEnum sprite, Pointer<Sprite>* pointerDest) {
    request("getSprite()", *m_spriteManager, sprite, SP_NONE, pointerDest, [&](Sprite& s) {
        s.load(m_resourceEnumeration->getSpriteTexture(sprite),
               m_resourceEnumeration->getSpriteXoffset(sprite),
               m_resourceEnumeration->getSpriteYoffset(sprite));
    });
}

void ResourceManager::getSound(soundEnum sound, Pointer<Sound>* pointerDest) {
    request("getSound()", *m_soundManager, sound, SO_NONE, pointerDest, [&](Sound& s) {
        s.load(m_resourceEnumeration->getSoundPath(sound),
               m_resourceEnumeration->getSoundStream(sound),
               m_resourceEnumeration->getSoundExInfo(sound));
    });
}

void ResourceManager::getFont(fontEnum font, Pointer<Font>* pointerDest) {
    request("getFont()", *m_fontManager, font, FN_NONE, pointerDest,
            [&](Font& f) { f.load(m_resourceEnumeration->getFontPath(font)); });
}

void ResourceManager::unloadTextures() {
    if (!refuseBeforeInitialize("unloadTextures()"))
        m_textureManager->unloadResources();
}

void ResourceManager::reloadTextures() {
    if (!refuseBeforeInitialize("reloadTextures()"))
        m_textureManager->reloadResources();
}

void ResourceManager::unloadSounds() {
    if (refuseBeforeInitialize("unloadSounds()"))
        return;
    m_songManager->unloadResources();
    m_soundManager->unloadResources();
}

void ResourceManager::reloadSounds() {
    if (refuseBeforeInitialize("reloadSounds()"))
        return;
    m_soundManager->reloadResources();
    m_songManager->reloadResources();
}
