// Keeps what the level generator writes, by destination, for inspection.
#pragma once

#include <map>
#include <string>

#include "AssetSink.h"

class CapturingSink : public AssetSink {
  public:
    void addToArchive(const std::string& name, Bytes bytes) override {
        archive[name] = std::move(bytes);
    }
    void addToRunDirectory(const std::string& relativePath, const Bytes& bytes) override {
        runDirectory[relativePath] = bytes;
    }
    std::string runFileText(const std::string& name) const {
        const auto it = runDirectory.find(name);
        return it == runDirectory.end() ? std::string()
                                        : std::string(it->second.begin(), it->second.end());
    }

    std::map<std::string, Bytes> archive;
    std::map<std::string, Bytes> runDirectory;
};
