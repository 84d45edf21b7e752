// A small name database file that the tests write themselves: a few characters with known
// strokes, the luck words of the 81 numbers and a few three-talent rows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/name_database.hpp"

namespace qinghe::testing {

struct FixtureCharacter {
    std::string character;  // UTF-8
    int simplifiedStrokes;
    int kangxiStrokes;
    std::string element;    // UTF-8
    std::string pinyin1 = "";
    std::string initial = "";
    std::string traditional = "";
};

// The characters of the default fixture (王 小 明 欧 阳 李 白 于 …).
const std::vector<FixtureCharacter>& defaultFixtureCharacters();

// Writes a database file with the nine tables. Rows: the given characters, numbers 1..81 with
// their traditional luck, and all 125 three-talent rows. Extra SQL (UTF-8) runs afterwards, so a
// test can add or break rows.
std::filesystem::path writeFixtureDatabase(const std::filesystem::path& file,
                                           const std::vector<FixtureCharacter>& characters,
                                           const std::string& extraSql = "");

// A fresh temporary folder for one test, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Loads the default fixture into db; fails the test when loading fails.
void loadDefaultFixture(NameDatabase& db, const TempFolder& folder, const std::string& extraSql = "");

// The traditional luck word (UTF-8) that the fixture gives to number n (1..81).
std::string fixtureNumberLuck(int n);

}  // namespace qinghe::testing
