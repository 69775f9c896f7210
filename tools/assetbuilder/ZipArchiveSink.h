// The asset builder's sink: archive entries are collected and written as
// one zip file at the end, run-directory files are written at once.
#pragma once

#include <map>
#include <string>

#include "AssetSink.h"

class ZipArchiveSink : public AssetSink {
  public:
    ZipArchiveSink(std::string archivePath, std::string runDirectory);

    void addToArchive(const std::string& name, Bytes bytes) override;
    void addToRunDirectory(const std::string& relativePath, const Bytes& bytes) override;

    // Writes the archive; throws std::runtime_error naming the file on failure.
    void writeArchive() const;

  private:
    std::string m_archivePath;
    std::string m_runDirectory;
    std::map<std::string, Bytes> m_entries;
};
