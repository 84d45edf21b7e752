#include "unihan.hpp"

#include <bzlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace namedata {

const std::string& UnihanEntry::get(const std::string& name) const {
    static const std::string empty;
    auto found = fields.find(name);
    return found == fields.end() ? empty : found->second;
}

const std::vector<std::string>& unihanFieldsUsed() {
    static const std::vector<std::string> fields = {
        "kTotalStrokes", "kRSKangXi", "kRSUnicode", "kMandarin",
        "kXHC1983",      "kHanyuPinyin", "kDefinition", "kFrequency"};
    return fields;
}

void parseUnihanText(const std::string& text, UnihanData& data) {
    const auto& wanted = unihanFieldsUsed();
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() < 3 || line[0] != 'U' || line[1] != '+') continue;
        size_t tab1 = line.find('\t');
        size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) continue;
        std::string field = line.substr(tab1 + 1, tab2 - tab1 - 1);
        if (std::find(wanted.begin(), wanted.end(), field) == wanted.end()) continue;
        char32_t cp = static_cast<char32_t>(std::stoul(line.substr(2, tab1 - 2), nullptr, 16));
        std::string value = line.substr(tab2 + 1);
        if (!value.empty() && value.back() == '\r') value.pop_back();
        data[cp].fields[field] = value;
    }
}

namespace {

std::string readBzip2(const std::filesystem::path& file) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot read " + file.string());
    int error = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&error, f, 0, 0, nullptr, 0);
    std::string text;
    char buffer[1 << 16];
    while (error == BZ_OK) {
        int n = BZ2_bzRead(&error, bz, buffer, sizeof buffer);
        if (n > 0) text.append(buffer, n);
    }
    BZ2_bzReadClose(&error, bz);
    std::fclose(f);
    return text;
}

}  // namespace

UnihanData readUnihanFolder(const std::filesystem::path& folder) {
    UnihanData data;
    int files = 0;
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("Unihan_", 0) != 0) continue;
            if (name.ends_with(".txt.bz2")) {
                parseUnihanText(readBzip2(entry.path()), data);
            } else if (name.ends_with(".txt")) {
                std::ifstream in(entry.path(), std::ios::binary);
                std::stringstream s;
                s << in.rdbuf();
                parseUnihanText(s.str(), data);
            } else {
                continue;
            }
            ++files;
        }
    }
    if (files == 0 || data.empty())
        throw std::runtime_error("the Unihan database is missing: no Unihan_*.txt(.bz2) in " +
                                 folder.string() + " (install the Debian package unicode-data)");
    return data;
}

std::string firstValue(const std::string& value) {
    return value.substr(0, value.find(' '));
}

}  // namespace namedata
