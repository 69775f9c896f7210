// The asset search path every program of the tree starts with: the archive,
// then the Resources folder, then the working directory.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// A search path entry that could not be mounted. `advice` is a second line
// for the user, empty when there is nothing to add.
class SearchPathError : public std::runtime_error {
  public:
    SearchPathError(const std::string& message, std::string advice)
        : std::runtime_error(message), m_advice(std::move(advice)) {}
    const std::string& advice() const { return m_advice; }

  private:
    std::string m_advice;
};

// Starts the virtual file system and mounts the three entries; throws
// SearchPathError naming the entry that failed.
void startVirtualFileSystem(const char* programPath);
