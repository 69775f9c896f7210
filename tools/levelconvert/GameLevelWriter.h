// The text of the game's OBJ and MTL subset: "v" and two spaces, three
// numbers a texture coordinate, "f p/t/n p/t/n p/t/n", names without white
// space, "map_Ka" images; every line far below the game's 255 characters.
#pragma once

#include <string>
#include <vector>

#include "GameMesh.h"
#include "MaterialMapping.h"

std::string writeGameObj(const GameMesh& mesh, const std::vector<GameMaterial>& materials,
                         const std::string& mtlName, const std::string& comment);
std::string writeGameMtl(const std::vector<GameMaterial>& materials, const std::string& comment);
