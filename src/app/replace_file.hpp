// Replaces a file's content so that a crash or a full disk never leaves a half-written file:
// the text goes to a new file beside it, is flushed to the disk, and only then is renamed over
// the old one.
#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace qinghe {

// Creates the folder when needed. Returns false, leaving any old file as it was, when the file
// cannot be written.
bool replaceFile(const std::filesystem::path& path, const std::string& content, mode_t mode = 0644);

}  // namespace qinghe
