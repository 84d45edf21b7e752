// Builds QH_全唐诗 and QH_Poet from the Tang poems of the chinese-poetry package, converted to
// simplified characters.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "data_file.hpp"
#include "opencc_converter.hpp"

namespace namedata {

struct PoemCounts {
    long long poems = 0;
    long long poets = 0;
};

// quantangshiFolder holds poet.tang.N.json files; nameCharacters are the characters (UTF-8) that
// the poem grid pre-ticks (those of the high-score lists).
PoemCounts buildPoemTables(const std::filesystem::path& quantangshiFolder,
                           const std::set<std::string>& nameCharacters,
                           const OpenccConverter& toSimplified, DataFile& file);

// The marks of a poem: its characters that are good name characters, each once, in order.
std::string nameCharacterMarks(const std::string& content, const std::set<std::string>& nameCharacters);

}  // namespace namedata
