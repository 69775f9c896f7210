// Archive writing through libzip. The archive is rebuilt from scratch each
// time, written to a temporary name and moved into place, so a failed build
// never leaves a half-written archive that the games would mount.
#include "ZipArchiveSink.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <zip.h>

namespace fs = std::filesystem;

ZipArchiveSink::ZipArchiveSink(std::string archivePath, std::string runDirectory)
    : m_archivePath(std::move(archivePath)), m_runDirectory(std::move(runDirectory)) {}

void ZipArchiveSink::addToArchive(const std::string& name, Bytes bytes) {
    if (!m_entries.emplace(name, std::move(bytes)).second)
        throw std::runtime_error("Asset " + name + " was generated twice");
}

void ZipArchiveSink::addToRunDirectory(const std::string& relativePath, const Bytes& bytes) {
    const fs::path path = fs::path(m_runDirectory) / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("Failed to write " + path.string());
}

namespace {

[[noreturn]] void failArchive(const std::string& path, zip_t* archive) {
    const std::string reason = archive ? zip_strerror(archive) : "cannot create";
    if (archive)
        zip_discard(archive);
    throw std::runtime_error("Failed to write archive " + path + ": " + reason);
}

} // namespace

void ZipArchiveSink::writeArchive() const {
    const fs::path finalPath(m_archivePath);
    fs::create_directories(finalPath.parent_path());
    const std::string temporaryPath = m_archivePath + ".tmp";
    int error = 0;
    zip_t* archive = zip_open(temporaryPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        failArchive(temporaryPath, nullptr);
    for (const auto& [name, bytes] : m_entries) {
        // libzip reads the buffer when the archive is closed; the entries
        // outlive that, so the source need not own a copy.
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (source == nullptr ||
            zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            failArchive(temporaryPath, archive);
        }
    }
    if (zip_close(archive) != 0)
        failArchive(temporaryPath, archive);
    fs::rename(temporaryPath, finalPath);
}
