#include "app/settings_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "store/gbk_text.hpp"

namespace qinghe {

const std::string& settingsSection() {
    static const std::string section = gbk("设置");
    return section;
}

std::filesystem::path defaultSettingsPath() {
    std::filesystem::path folder;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config && std::filesystem::path(config).is_absolute()) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home && *home ? home : ".") / ".config";
    }
    return folder / "qinghe" / "config.dat";
}

long settingNumber(const std::string& value) {
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    long number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        if (number > 100000000L) break;  // far beyond any value the program writes
        number = number * 10 + (value[i] - '0');
    }
    return negative ? -number : number;
}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

bool SettingsFile::load() {
    sections_.clear();
    std::ifstream in(path_, std::ios::binary);
    if (!in) return false;
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == ';') continue;
        if (line[start] == '[') {
            size_t end = line.find(']', start);
            if (end == std::string::npos) continue;
            std::string name = line.substr(start + 1, end - start - 1);
            current = findSection(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        // Keys lose the blanks around them; a value is kept exactly as written, so a text that
        // begins or ends with a blank comes back unchanged.
        std::string key = line.substr(start, equals - start);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
        if (!current) {
            sections_.push_back({"", {}});
            current = &sections_.back();
        }
        bool replaced = false;
        for (Entry& entry : current->entries) {
            if (entry.key == key) {
                entry.value = line.substr(equals + 1);
                replaced = true;
                break;
            }
        }
        if (!replaced) current->entries.push_back({key, line.substr(equals + 1)});
    }
    return true;
}

SettingsFile::Section* SettingsFile::findSection(const std::string& name) {
    for (Section& section : sections_)
        if (section.name == name) return &section;
    return nullptr;
}

const SettingsFile::Section* SettingsFile::findSection(const std::string& name) const {
    for (const Section& section : sections_)
        if (section.name == name) return &section;
    return nullptr;
}

std::string SettingsFile::value(const std::string& section, const std::string& key) const {
    if (const Section* s = findSection(section))
        for (const Entry& entry : s->entries)
            if (entry.key == key) return entry.value;
    return {};
}

void SettingsFile::setValue(const std::string& section, const std::string& key,
                            const std::string& value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (Entry& entry : s->entries) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    s->entries.push_back({key, value});
}

std::string SettingsFile::text() const {
    std::string out;
    for (const Section& section : sections_) {
        if (!section.name.empty() || &section != &sections_.front())
            out += "[" + section.name + "]\r\n";
        for (const Entry& entry : section.entries) out += entry.key + "=" + entry.value + "\r\n";
    }
    return out;
}

bool SettingsFile::save() const {
    std::error_code error;
    if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), error);
    const std::filesystem::path fresh = path_.string() + ".new";
    int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string content = text();
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    // The data must be on the disk before the rename makes it the settings file; otherwise a
    // crash right after the rename could leave an empty file in place of the old one.
    bool ok = written == content.size() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(fresh.c_str(), path_.c_str()) != 0) {
        std::filesystem::remove(fresh, error);
        return false;
    }
    return true;
}

}  // namespace qinghe
