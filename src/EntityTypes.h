// The kinds of entity both worlds know, and which kind each one is a
// special case of. Game code asks "is this a character?" through the tree
// rather than by listing types.
#pragma once

enum entityEnum {
    EN_ENTITY = 0,
    EN_WALL = 1,
    EN_PROJECTILE = 2,
    EN_PHYSICS = 3,
    EN_PHYSICS_ROTATING = 4,
    EN_ITEM = 5,
    EN_SHOTGUN = 6,
    EN_COLLIDES_PROJECTILES = 7,
    EN_AI_TARGETABLE = 8,
    EN_CURSOR_GAME = 9,
    EN_CHARACTER = 10,
    EN_CHARACTER_GROUND = 11,
    EN_CHARACTER_GROUND_HUMANOID = 12,
    EN_PLAYER = 13,
    // No type; also the parent of the root.
    EN_NONE = 14,
};

const int ENTITY_TYPE_COUNT = EN_NONE + 1;

// What a character is made of.
enum surfaceType { SURFACE_METAL = 0, SURFACE_BLOOD = 1 };

// Parent of each type, EN_NONE for the root and for EN_NONE itself.
const entityEnum ENTITY_PARENTS[ENTITY_TYPE_COUNT] = {
    EN_NONE,
    EN_ENTITY,
    EN_ENTITY,
    EN_ENTITY,
    EN_PHYSICS,
    EN_PHYSICS_ROTATING,
    EN_ITEM,
    EN_ENTITY,
    EN_COLLIDES_PROJECTILES,
    EN_AI_TARGETABLE,
    EN_AI_TARGETABLE,
    EN_CHARACTER,
    EN_CHARACTER_GROUND,
    EN_CHARACTER_GROUND_HUMANOID,
    EN_NONE,
};

// True when `child` is `parent` or descends from it; nothing descends from
// EN_NONE.
inline bool entityTypeIsParent(entityEnum parent, entityEnum child) {
    if (parent == EN_NONE)
        return false;
    for (entityEnum type = child; type != EN_NONE; type = ENTITY_PARENTS[type]) {
        if (type == parent)
            return true;
    }
    return false;
}
