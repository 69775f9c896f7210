// A temporary folder of files put in front of the virtual file system's
// search path for one test, and taken off again afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <physfs.h>
#include <string>
#include <vector>

class VirtualFolder {
  public:
    VirtualFolder() {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        char pattern[] = "/tmp/vfs-XXXXXX";
        m_path = mkdtemp(pattern);
        PHYSFS_mount(m_path.c_str(), nullptr, 0);
    }
    ~VirtualFolder() {
        PHYSFS_unmount(m_path.c_str());
        std::filesystem::remove_all(m_path);
    }
    VirtualFolder(const VirtualFolder&) = delete;
    VirtualFolder& operator=(const VirtualFolder&) = delete;

    template <class ByteContainer> void write(const std::string& name, const ByteContainer& bytes) {
        std::ofstream out(std::filesystem::path(m_path) / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    void writeText(const std::string& name, const std::string& text) { write(name, text); }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};
