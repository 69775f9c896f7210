// Keeps what the generators make in memory, so tests can decode it.
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

    std::map<std::string, Bytes> archive;
    std::map<std::string, Bytes> runDirectory;
};
