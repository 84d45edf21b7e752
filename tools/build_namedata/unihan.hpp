// Reads the Unihan database files (bzip2-compressed, as Debian's unicode-data ships them) into a
// map from code point to the fields the data build needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace namedata {

struct UnihanEntry {
    std::map<std::string, std::string> fields;  // field name -> raw value (UTF-8)
    const std::string& get(const std::string& name) const;
};

using UnihanData = std::unordered_map<char32_t, UnihanEntry>;

// The fields kept: stroke counts, radicals, readings and the English gloss.
const std::vector<std::string>& unihanFieldsUsed();

// Parses Unihan text (one "U+XXXX<TAB>field<TAB>value" per line) into data.
void parseUnihanText(const std::string& text, UnihanData& data);

// Reads every Unihan_*.txt.bz2 (or Unihan_*.txt) file of a folder. Throws std::runtime_error
// naming the folder and the package when none is there.
UnihanData readUnihanFolder(const std::filesystem::path& folder);

// The first space-separated value of a field ("" when missing).
std::string firstValue(const std::string& value);

}  // namespace namedata
