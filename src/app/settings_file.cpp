#include "app/settings_file.hpp"

#include "app/replace_file.hpp"


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
    // The saved names are the user's own: the file is theirs alone.
    return replaceFile(path_, text(), 0600);
}

}  // namespace qinghe
