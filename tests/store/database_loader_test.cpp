#include "store/database_loader.hpp"

#include <gtest/gtest.h>

#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

using testing::TempFolder;

struct LoadResult {
    bool ok;
    std::vector<std::string> messages;  // UTF-8
};

LoadResult load(NameDatabase& db, const std::filesystem::path& file) {
    LoadResult result{false, {}};
    result.ok = loadNameDatabase(db, utf8ToGbk(file.string()),
                                 [&](const std::string& m) { result.messages.push_back(gbkToUtf8(m)); });
    return result;
}

TEST(DatabaseLoader, CopiesEveryTableAndIndexesTheCharacters) {
    TempFolder folder;
    auto file = testing::writeFixtureDatabase(folder.path() / "namedata.db",
                                              testing::defaultFixtureCharacters());
    NameDatabase db;
    LoadResult r = load(db, file);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    auto s = db.query(gbk("select count(*) from QH_八一灵动数"));
    EXPECT_EQ(db.columnInt(s, 0), 81);
    db.finalize(s);
    s = db.query("select name from sqlite_master where type='index' order by name");
    std::vector<std::string> names;
    for (bool row = s != nullptr; row; row = db.next(s)) names.push_back(db.columnText(s, 0));
    db.finalize(s);
    EXPECT_EQ(names, (std::vector<std::string>{"NewIndex1", "NewIndex2", "TalentIndex"}));
    // The file is not attached any more.
    std::string error;
    EXPECT_FALSE(db.exec("select * from new_db.QH_CNWord", error));
}

TEST(DatabaseLoader, MissingFileGivesTheAttachMessageAndLeavesTheDatabaseClosed) {
    TempFolder folder;
    NameDatabase db;
    LoadResult r = load(db, folder.path() / "namedata.db");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages, std::vector<std::string>{"将磁盘数据库附加到内存数据库失败！"});
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.query("select 1"), nullptr);
}

TEST(DatabaseLoader, TableWithAnotherColumnCountRollsBackEverything) {
    TempFolder folder;
    auto file = testing::writeFixtureDatabase(
        folder.path() / "namedata.db", testing::defaultFixtureCharacters(),
        "drop table QH_Poet; create table QH_Poet (Id Integer, Poet VarChar, PoemCount VarChar);");
    NameDatabase db;
    LoadResult r = load(db, file);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].find("has 4 columns but 3 values"), std::string::npos) << r.messages[0];
    EXPECT_FALSE(db.isOpen());
}

TEST(DatabaseLoader, MissingTableNamesTheTable) {
    TempFolder folder;
    auto file = testing::writeFixtureDatabase(folder.path() / "namedata.db",
                                              testing::defaultFixtureCharacters(),
                                              "drop table QH_百家姓;");
    NameDatabase db;
    LoadResult r = load(db, file);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], "no such table: new_db.QH_百家姓");
}

TEST(DatabaseLoader, AnyFolderNameWorksQuotesAndChineseIncluded) {
    TempFolder folder;
    auto sub = folder.path() / "it's \"青禾\" data";
    std::filesystem::create_directories(sub);
    auto file = testing::writeFixtureDatabase(sub / "namedata.db", testing::defaultFixtureCharacters());
    NameDatabase db;
    EXPECT_TRUE(load(db, file).ok);
}

TEST(DatabaseLoader, FileThatIsNotADatabaseIsReported) {
    TempFolder folder;
    auto file = folder.path() / "namedata.db";
    {
        std::FILE* f = std::fopen(file.c_str(), "w");
        std::fputs("this is not a database, just some text that is long enough........", f);
        std::fclose(f);
    }
    NameDatabase db;
    LoadResult r = load(db, file);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_FALSE(db.isOpen());
}

}  // namespace
}  // namespace qinghe
