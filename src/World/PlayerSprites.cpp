// Looking up the player's sprites, in catalogue order.
#include "World/PlayerSprites.h"

#include "ResourceManager.h"

void PlayerSprites::load(ResourceManager* resources) {
    for (int index = 0; index < SPRITE_COUNT; ++index)
        resources->getSprite(static_cast<spriteEnum>(FIRST_SPRITE + index), &m_sprites[index]);
}
