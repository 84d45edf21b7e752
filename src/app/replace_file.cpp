#include "app/replace_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace qinghe {

bool replaceFile(const std::filesystem::path& path, const std::string& content, mode_t mode) {
    std::error_code error;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path fresh = path.string() + ".new";
    int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    // The data must be on the disk before the rename makes it the file; otherwise a crash right
    // after the rename could leave an empty file in place of the old one.
    bool ok = written == content.size() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(fresh.c_str(), path.c_str()) != 0) {
        std::filesystem::remove(fresh, error);
        return false;
    }
    return true;
}

}  // namespace qinghe
