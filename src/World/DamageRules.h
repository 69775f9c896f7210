// The damage rules of hittable entities, whatever number type their health
// is: a negative damage heals, and health at or below 0 is clamped to 0 and
// means death. Each rule answers whether the entity must die.
#pragma once

template <class Health> bool applyDamage(Health& health, int damage) {
    health -= static_cast<Health>(damage);
    if (health > 0)
        return false;
    health = 0;
    return true;
}

template <class Health> bool applyHealth(Health& health, Health value) {
    health = value;
    if (health > 0)
        return false;
    health = 0;
    return true;
}
