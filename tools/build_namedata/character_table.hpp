// Builds QH_CNWord: one row for every Chinese character of GBK that Unihan describes.
#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "data_file.hpp"
#include "opencc_converter.hpp"
#include "unihan.hpp"

namespace namedata {

struct CharacterSources {
    const UnihanData& unihan;
    std::filesystem::path cjkRadicalsFile;   // Debian unicode-data's CJKRadicals.txt
    std::filesystem::path explanationFolder;  // cnchar-data's explanation/ folder
    const OpenccConverter& toTraditional;     // s2t.json
};

// Writes the rows and returns the set of characters (UTF-8) that got one.
std::set<std::string> buildCharacterTable(const CharacterSources& sources, DataFile& file);

// The traditional form used for a character's Kangxi count: OpenCC's first candidate, except
// for the characters whose own form is the traditional one that names use.
std::string traditionalForm(const std::string& character, const OpenccConverter& toTraditional);

// How common a character is in modern text: Unihan's kFrequency, 1 (most common) to 5; 6 for a
// character without a value.
using FrequencyOf = std::function<int(char32_t)>;

// The ten most useful words of a character (from cnchar-data's explanation file text) as
// "word：first sense" lines joined by "<br>": two-character words first, then words whose other
// characters are the most common, cross-references ("同…") last.
std::string commonWordsText(const std::string& character, const std::string& explanationJson,
                            const FrequencyOf& frequency);

}  // namespace namedata
