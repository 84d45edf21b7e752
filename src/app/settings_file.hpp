// SettingsFile: the user's last inputs and saved names, kept from one run to the next in a small
// INI file ("[section]" lines and "key=value" lines, GBK text).
//
// The whole file is read into memory, changed there and written back in one go: a new file is
// written beside the old one and then renamed over it, so a program killed halfway through the
// write still finds the settings of its previous orderly end. Values have no length limit.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qinghe {

// The section that holds every key of the program.
const std::string& settingsSection();  // 设置 (GBK)

// $XDG_CONFIG_HOME/qinghe/config.dat, or ~/.config/qinghe/config.dat when XDG_CONFIG_HOME is
// unset or not an absolute path (the XDG base-directory rule).
std::filesystem::path defaultSettingsPath();

// A value read as a number the way the settings have always been read: leading blanks, an
// optional sign and the digits that follow; anything else counts as 0 ("5" is 5, "2x" is 2,
// "" and "abc" are 0).
long settingNumber(const std::string& value);

class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // Reads the file. A missing or unreadable file gives an empty settings object and false.
    bool load();

    // The value of key in section, or "" when either is missing. Keys and sections compare
    // byte for byte.
    std::string value(const std::string& section, const std::string& key) const;
    // Sets a value, adding the section and the key at the end when they are new. A value is one
    // line: line breaks in it would end the value when the file is read back, so callers store
    // single-line texts.
    void setValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes everything to "<path>.new", flushes it to the disk and renames it over the file,
    // creating the folder when needed. Returns false when any step fails; the old file is then
    // left as it was.
    bool save() const;

    // The file's text as save() writes it.
    std::string text() const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;

    std::filesystem::path path_;
    std::vector<Section> sections_;
};

}  // namespace qinghe
