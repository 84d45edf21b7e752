#include "store/name_database.hpp"

#include <gtest/gtest.h>

#include <thread>

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe {
namespace {

class NameDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.open({}));
        std::string error;
        ASSERT_TRUE(db.exec(gbk("create table T (汉字 VarChar(2), n Integer(10), note VarChar(9));"
                                "insert into T values ('汉', 7, NULL);"
                                "insert into T values ('字', 9, 'x');"
                                "insert into T values ('\xF0\x9F\x98\x80', 1, '');"),
                            error))
            << error;
    }
    NameDatabase db;
};

TEST_F(NameDatabaseTest, QueryStandsOnFirstRowAndWalksTheRest) {
    auto s = db.query("select * from T order by n");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(db.columnInt(s, 1), 1);
    EXPECT_EQ(db.columnText(s, 0), "?");  // stored outside GBK
    ASSERT_TRUE(db.next(s));
    EXPECT_EQ(db.columnText(s, 0), gbk("汉"));
    EXPECT_EQ(db.columnText(s, 0).size(), 2u);
    EXPECT_EQ(db.columnText(s, 2), "");  // NULL
    EXPECT_EQ(db.columnText(s, 1), "7");
    ASSERT_TRUE(db.next(s));
    EXPECT_FALSE(db.next(s));
    EXPECT_EQ(db.columnText(s, 0), "");
    EXPECT_TRUE(db.finalize(s));
}

TEST_F(NameDatabaseTest, NoRowAndNoStatementGiveEmptyValues) {
    auto none = db.query("select * from T where n = 100");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(db.columnText(none, 0), "");
    EXPECT_EQ(db.columnInt(none, 1), 0);
    EXPECT_FALSE(db.next(none));
    EXPECT_TRUE(db.finalize(none));

    auto missing = db.query("select * from NoSuchTable");
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(db.columnText(missing, 0), "");
    EXPECT_EQ(db.columnInt(missing, 0), 0);
    EXPECT_FALSE(db.next(missing));
    EXPECT_FALSE(db.finalize(missing));
}

TEST_F(NameDatabaseTest, BoundValuesAreNeverReadAsSql) {
    // A value spelled like a column matches only itself, not every row.
    auto s = db.query(gbk("select count(*) from T where 汉字=?"), {gbk("汉字")});
    EXPECT_EQ(db.columnInt(s, 0), 0);
    db.finalize(s);
    // A value holding a double quote is just a value.
    s = db.query(gbk("select count(*) from T where 汉字=?"), {"\"x\" or 1=1"});
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(db.columnInt(s, 0), 0);
    db.finalize(s);
    s = db.query(gbk("select n from T where 汉字=?"), {gbk("字")});
    EXPECT_EQ(db.columnInt(s, 0), 9);
    db.finalize(s);
}

TEST_F(NameDatabaseTest, ExecReportsTheEngineMessageInGbk) {
    std::string error = "untouched";
    EXPECT_FALSE(db.exec("select * from NoSuchTable", error));
    EXPECT_EQ(error, "no such table: NoSuchTable");
    EXPECT_FALSE(db.exec(gbk("select * from 不存在"), error));
    EXPECT_EQ(error, gbk("no such table: 不存在"));
    EXPECT_TRUE(db.exec("select 1", error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(db.createTable("Empty", {}, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(NameDatabaseTest, ClosedObjectAnswersWithFailureValues) {
    auto open = db.query("select * from T");
    EXPECT_TRUE(db.close());
    EXPECT_FALSE(db.close());
    EXPECT_EQ(db.query("select 1"), nullptr);
    std::string error = "kept";
    EXPECT_FALSE(db.exec("select 1", error));
    EXPECT_FALSE(db.attach("x.db", "a", error));
    EXPECT_EQ(error, "kept");
    EXPECT_FALSE(db.begin());
    EXPECT_FALSE(db.next(open));
    EXPECT_EQ(db.columnText(open, 0), "");
    EXPECT_FALSE(db.finalize(open));  // released all the same
}

TEST(CreateTableStatement, BuildsTheStatementTextExactly) {
    std::vector<FieldDef> poet = {{"Id", 3, 10, 0, ""}, {"Poet", 10, 10, 0, ""},
                                  {"PoemCount", 10, 10, 0, ""}, {"OrderId", 3, 10, 0, ""}};
    EXPECT_EQ(createTableStatement("QH_Poet", poet),
              "create table QH_Poet (Id Integer(10),Poet VarChar(10),PoemCount VarChar(10),"
              "OrderId Integer(10))");
    EXPECT_EQ(createTableStatement("T", {{"a", 3, 0, 7, "5"}, {"b", 9, 0, 0, ""}}),
              "create table T (a Integer Primary Key AutoIncrement Not Null Default 5,b )");
    EXPECT_EQ(createTableStatement("T", {}), "create table T");
    EXPECT_EQ(createTableStatement(nameDatabaseTables()[4].name, nameDatabaseTables()[4].fields),
              createTableStatement("QH_Poet", poet));
}

TEST_F(NameDatabaseTest, ManyThreadsMayReadWhileAnotherCloses) {
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([this] {
            for (int i = 0; i < 2000; ++i) {
                auto s = db.query("select * from T");
                db.columnText(s, 0);
                db.next(s);
                db.finalize(s);
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    db.close();
    for (auto& r : readers) r.join();
    EXPECT_FALSE(db.isOpen());
}

}  // namespace
}  // namespace qinghe
