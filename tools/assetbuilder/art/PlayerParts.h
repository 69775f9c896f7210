// Generators of the player's pieces. Each returns one image whose anchor
// (the catalogue's sprite offset) lies on the joint given in PlayerRig.h.
#pragma once

#include "Image.h"

Image drawPlayerHead();
Image drawPlayerBody();

Image drawLegsStanding();
Image drawLegsJumping();
Image drawLegsWalking(int frame);   // 0 to 5
Image drawLegsCrouching(int frame); // 0 to 7

Image drawArmFist(int frame); // 0 to 2
Image drawArmFistBack();
Image drawArmChainsaw(int frame); // 0 to 4
Image drawArmPistol(int frame);   // 0 to 3
Image drawArmShotgun(int frame);  // 0 to 5
