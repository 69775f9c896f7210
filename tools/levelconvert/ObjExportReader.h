// Reads an OBJ export as modelling programs write it, and the material
// libraries it names (relative to the OBJ's folder, where exporters put
// them).
#pragma once

#include <string>

#include "ExportScene.h"

// Throws ConvertError, naming the file and line, on what cannot be mended: a
// file that cannot be read, a malformed number or face, an index outside
// the lists written so far.
ExportScene readObjExport(const std::string& objPath);
