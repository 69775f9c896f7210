// The player's sprites: one handle for each catalogue value from its head
// to its last shotgun arm frame, looked up when the player is built.
#pragma once

#include <array>

#include "PointerManager.h"
#include "Resources/ResourceEnumeration.h"
#include "Resources/Sprite.h"

class ResourceManager;

class PlayerSprites {
  public:
    static constexpr int FIRST_SPRITE = SP_PLAYstart + 1;
    static constexpr int SPRITE_COUNT = SP_PLAYend - FIRST_SPRITE;

    void load(ResourceManager* resources);
    const Sprite& of(spriteEnum sprite) const { return *m_sprites[sprite - FIRST_SPRITE]; }

  private:
    std::array<Pointer<Sprite>, SPRITE_COUNT> m_sprites;
};
