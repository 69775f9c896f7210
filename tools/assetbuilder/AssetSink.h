// Where the asset builder's generators put what they make. Files for the
// archive are read by the games through the virtual file system; files for
// the run directory are opened by plain path (level meshes, the sound bank).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class AssetSink {
  public:
    virtual ~AssetSink() = default;
    // Stored inside "Resources/Resources.pak" under `name`.
    virtual void addToArchive(const std::string& name, Bytes bytes) = 0;
    // Written to the run directory as `relativePath`.
    virtual void addToRunDirectory(const std::string& relativePath, const Bytes& bytes) = 0;
};
