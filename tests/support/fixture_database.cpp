#include "fixture_database.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <random>
#include <stdexcept>

#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe::testing {
namespace {

void run(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "?";
        sqlite3_free(message);
        throw std::runtime_error("fixture SQL failed: " + text + " in " + sql);
    }
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out + "'";
}

}  // namespace

std::string fixtureNumberLuck(int n) {
    // Luck words of the 81 numbers in the common tradition (大吉 for the most praised).
    static const char* const words[81] = {
        "大吉", "凶", "大吉", "凶", "大吉", "吉", "吉", "吉", "凶", "凶",          // 1-10
        "大吉", "凶", "大吉", "凶", "大吉", "大吉", "吉", "吉", "凶", "凶",        // 11-20
        "大吉", "凶", "大吉", "大吉", "吉", "凶", "中", "凶", "吉", "中",          // 21-30
        "大吉", "大吉", "大吉", "凶", "吉", "凶", "吉", "中", "吉", "凶",          // 31-40
        "大吉", "凶", "凶", "大凶", "大吉", "凶", "吉", "吉", "凶", "凶",          // 41-50
        "中", "大吉", "凶", "大凶", "中", "凶", "吉", "中", "凶", "大凶",          // 51-60
        "吉", "凶", "吉", "凶", "吉", "凶", "吉", "吉", "凶", "凶",                // 61-70
        "中", "凶", "中", "凶", "中", "凶", "中", "中", "凶", "凶", "大吉"};       // 71-81
    return n >= 1 && n <= 81 ? words[n - 1] : "";
}

const std::vector<FixtureCharacter>& defaultFixtureCharacters() {
    static const std::vector<FixtureCharacter> characters = {
        {"王", 4, 4, "土", "wang", "w", "王"},   {"小", 3, 3, "金", "xiao", "x", "小"},
        {"明", 8, 8, "火", "ming", "m", "明"},   {"欧", 8, 15, "土", "ou", "", "歐"},
        {"阳", 6, 17, "土", "yang", "y", "陽"},  {"李", 7, 7, "火", "li", "l", "李"},
        {"白", 5, 5, "水", "bai", "b", "白"},    {"于", 3, 8, "土", "yu", "y", "於"},
        {"红", 6, 9, "水", "hong", "h", "紅"},   {"轩", 7, 10, "土", "xuan", "x", "軒"},
        {"德", 15, 15, "火", "de", "d", "德"},   {"志", 7, 7, "火", "zhi", "zh", "志"},
        {"强", 12, 12, "木", "qiang", "q", "強"}, {"亮", 9, 9, "火", "liang", "l", "亮"},
        {"安", 6, 6, "土", "an", "", "安"},      {"张", 7, 11, "火", "zhang", "zh", "張"},
        {"零", 13, 0, "水", "ling", "l", "零"},  // Kangxi count missing on purpose
        {"空", 0, 8, "木", "kong", "k", "空"},   // usable only with simplified strokes
    };
    return characters;
}

std::filesystem::path writeFixtureDatabase(const std::filesystem::path& file,
                                           const std::vector<FixtureCharacter>& characters,
                                           const std::string& extraSql) {
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open fixture");
    for (const TableSchema& table : nameDatabaseTables())
        run(db, gbkToUtf8(createTableStatement(table.name, table.fields)));
    run(db, "BEGIN");
    int id = 1;
    for (const FixtureCharacter& c : characters) {
        run(db, "insert into QH_CNWord values (" + std::to_string(id++) + ",0," + quoted(c.character) +
                    "," + quoted(c.character) + "," + quoted(c.traditional) + "," +
                    std::to_string(c.simplifiedStrokes) + "," + std::to_string(c.kangxiStrokes) +
                    "," + quoted(c.pinyin1) + "," + quoted(c.pinyin1) + "," + quoted(c.initial) +
                    ",''," + quoted("") + "," + quoted(c.element) + ",'','基本','详细')");
    }
    for (int n = 1; n <= 81; ++n)
        run(db, "insert into QH_八一灵动数 (Id, 吉凶) values (" + std::to_string(n) + "," +
                    quoted(fixtureNumberLuck(n)) + ")");
    const char* elements[] = {"木", "火", "土", "金", "水"};
    int talentId = 1;
    for (const char* a : elements)
        for (const char* b : elements)
            for (const char* c : elements)
                run(db, "insert into QH_三才配置 (Id, 三才, 吉凶) values (" +
                            std::to_string(talentId++) + "," + quoted(std::string(a) + b + c) +
                            ",'吉')");
    run(db, "COMMIT");
    if (!extraSql.empty()) run(db, extraSql);
    sqlite3_close(db);
    return file;
}

TempFolder::TempFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("qinghe-test-" + std::to_string(getpid()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void loadDefaultFixture(NameDatabase& db, const TempFolder& folder, const std::string& extraSql) {
    auto file = writeFixtureDatabase(folder.path() / "namedata.db", defaultFixtureCharacters(), extraSql);
    std::string messages;
    bool ok = loadNameDatabase(db, file.string(), [&](const std::string& m) { messages += m; });
    ASSERT_TRUE(ok) << gbkToUtf8(messages);
}

}  // namespace qinghe::testing
