// Reads a material library as exporters write it: names with spaces, texture
// maps with options before the file name, paths with folders.
#pragma once

#include <string>

#include "ExportScene.h"

// Appends the library's materials to scene.materials and its path to
// scene.libraries; a statement with no use for the game goes to
// scene.passedOver. Throws ConvertError on a malformed statement.
void readMtlExport(const std::string& mtlPath, ExportScene& scene);
