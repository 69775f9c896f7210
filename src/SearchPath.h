// The asset search path every program of the tree starts with: the archive,
// then the Resources folder, then the working directory.
#pragma once

// Starts the virtual file system and mounts the three entries; throws
// std::runtime_error naming the entry that failed.
void startVirtualFileSystem(const char* programPath);
