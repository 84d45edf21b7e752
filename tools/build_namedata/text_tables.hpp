// Builds the tables whose texts we write ourselves, from data/content: the 81 numbers, the
// three talents, the surnames, the English names and the two article tables. A table whose
// source file is not there yet stays empty; a source with a fault stops the build.
#pragma once

#include <filesystem>

#include "data_file.hpp"

namespace namedata {

void buildNumberTable(const std::filesystem::path& contentFolder, DataFile& file);
void buildTalentTable(const std::filesystem::path& contentFolder, DataFile& file);
void buildSurnameTable(const std::filesystem::path& contentFolder, DataFile& file);
void buildEnglishNameTable(const std::filesystem::path& contentFolder, DataFile& file);
void buildArticleTables(const std::filesystem::path& contentFolder, DataFile& file);

// The luck words a table may hold.
bool isLuckWord(const std::string& word);

}  // namespace namedata
