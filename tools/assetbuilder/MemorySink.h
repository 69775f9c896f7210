// Keeps what the generators make in memory, by destination, so tests can
// decode and inspect it without writing an archive.
#pragma once

#include <map>
#include <string>

#include "AssetSink.h"

class MemorySink : public AssetSink {
  public:
    void addToArchive(const std::string& name, Bytes bytes) override {
        archive[name] = std::move(bytes);
    }
    void addToRunDirectory(const std::string& relativePath, const Bytes& bytes) override {
        runDirectory[relativePath] = bytes;
    }
    // A run-directory file as text; empty when it was not written.
    std::string runFileText(const std::string& name) const {
        const auto it = runDirectory.find(name);
        return it == runDirectory.end() ? std::string()
                                        : std::string(it->second.begin(), it->second.end());
    }

    std::map<std::string, Bytes> archive;
    std::map<std::string, Bytes> runDirectory;
};
