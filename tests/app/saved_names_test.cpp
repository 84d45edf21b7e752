#include "app/saved_names.hpp"

#include <gtest/gtest.h>

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

NameListRow resultRow(const std::string& nameUtf8, const std::string& score) {
    return {{"7", gbk(nameUtf8), "13", "16", gbk("木火"), "8,15,11,18,4", gbk("金土木"), score}};
}

std::vector<std::string> utf8(const std::vector<std::string>& pieces) {
    std::vector<std::string> out;
    for (const auto& p : pieces) out.push_back(gbkToUtf8(p));
    return out;
}

TEST(SavedNames, SplittingRule) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a|b|", {"a", "b"}},
        {"a|b", {"a", "b"}},
        {"a||b|", {"a", "", "b"}},
        {"|", {""}},
        {"||", {"", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitStoredText(c.text, '|'), c.pieces) << c.text;
    // 亅 is 0x81 0x7C in GBK: its second byte is "|" and must not cut.
    const std::string gou = gbk("亅");
    ASSERT_EQ(gou, "\x81\x7C");
    EXPECT_EQ(utf8(splitStoredText(gbk("李 亅|王|"), '|')), (std::vector<std::string>{"李 亅", "王"}));
}

TEST(SavedNames, StoredFormOfOneRecord) {
    std::vector<NameListRow> records;
    ASSERT_TRUE(addSavedName(records, resultRow("李明轩", "95"), gbk("李"), gbk("明轩")));
    EXPECT_EQ(gbkToUtf8(savedNamesToText(records)), "李 明轩;13;16;木火;8,15,11,18,4;金土木;95|");
    EXPECT_EQ(savedNamesToText({}), "");
}

TEST(SavedNames, RoundTripGivesBackTheRowsWithTheirNumbers) {
    std::vector<NameListRow> records;
    addSavedName(records, resultRow("李明轩", "95"), gbk("李"), gbk("明轩"));
    addSavedName(records, resultRow("欧阳亅", "80"), gbk("欧阳"), gbk("亅"));
    addSavedName(records, resultRow("王小明", "90"), gbk("王"), gbk("小明"));
    const std::string stored = savedNamesToText(records);
    const std::vector<NameListRow> back = restoreSavedNames(stored);
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].columns, records[i].columns) << i;
        EXPECT_EQ(back[i].columns[ColNumber], std::to_string(i + 1));
    }
    EXPECT_EQ(gbkToUtf8(back[1].columns[ColName]), "欧阳\r\n亅");  // the "|" byte did not cut
    EXPECT_EQ(savedNamesToText(back), stored);
}

TEST(SavedNames, RestoringOddValues) {
    struct Case {
        std::string storedUtf8;
        std::vector<std::string> names;  // column 1 of each record, UTF-8
    };
    const Case cases[] = {
        {"", {}},
        {"李 明;1;2;3;4;5;6|", {"李\r\n明"}},       // trailing "|": no empty record
        {"李 明;1;2;3;4;5;6", {"李\r\n明"}},        // no "|" at all: one record
        {"李 明;1|| 王 红;2|", {"李\r\n明", "", "\r\n王\r\n红"}},  // "||": a record of empty columns
        {"小明|", {"小明"}},                         // no space: no line break
    };
    for (const Case& c : cases) {
        const auto records = restoreSavedNames(gbk(c.storedUtf8));
        ASSERT_EQ(records.size(), c.names.size()) << c.storedUtf8;
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(gbkToUtf8(records[i].columns[ColName]), c.names[i]) << c.storedUtf8;
            EXPECT_EQ(records[i].columns[ColNumber], std::to_string(i + 1));
        }
    }
    // Missing fields are empty, extra ones dropped.
    const auto shortRecord = restoreSavedNames(gbk("李 明;12|"));
    EXPECT_EQ(shortRecord[0].columns[ColSimplifiedStrokes], "12");
    EXPECT_EQ(shortRecord[0].columns[ColScore], "");
    const auto longRecord = restoreSavedNames(gbk("李 明;1;2;3;4;5;6;7;8|"));
    EXPECT_EQ(longRecord[0].columns[ColScore], "6");
    const auto empty = restoreSavedNames("||");
    ASSERT_EQ(empty.size(), 2u);
    for (int column = ColName; column < NameListColumnCount; ++column)
        EXPECT_EQ(empty[0].columns[column], "");
}

TEST(SavedNames, TheSameNameIsAddedOnce) {
    std::vector<NameListRow> records;
    EXPECT_TRUE(addSavedName(records, resultRow("李明轩", "95"), gbk("李"), gbk("明轩")));
    EXPECT_FALSE(addSavedName(records, resultRow("李明轩", "95"), gbk("李"), gbk("明轩")));
    EXPECT_TRUE(addSavedName(records, resultRow("王明轩", "88"), gbk("王"), gbk("明轩")));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].columns[ColNumber], "2");
    EXPECT_EQ(records[1].columns[ColScore], "88");
}

TEST(SavedNames, DeletingRenumbersTheRest) {
    std::vector<NameListRow> records;
    for (const char* given : {"一", "二", "三", "四", "五"})
        addSavedName(records, resultRow("李", "90"), gbk("李"), gbk(given));
    EXPECT_TRUE(deleteSavedName(records, 1));
    ASSERT_EQ(records.size(), 4u);
    for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].columns[ColNumber], std::to_string(i + 1));
    EXPECT_EQ(gbkToUtf8(records[1].columns[ColName]), "李\r\n三");
    EXPECT_FALSE(deleteSavedName(records, 4));  // no such row
    records.push_back({});                       // a record with an empty name is kept
    EXPECT_FALSE(deleteSavedName(records, 4));
    EXPECT_EQ(records.size(), 5u);
}

TEST(SavedNames, SplittingANameForItsReport) {
    const SavedName split = splitSavedName(gbk("欧阳\r\n明"));
    EXPECT_EQ(gbkToUtf8(split.surname), "欧阳");
    EXPECT_EQ(gbkToUtf8(split.given), "明");
    const SavedName whole = splitSavedName(gbk("小明"));
    EXPECT_EQ(whole.surname, "");
    EXPECT_EQ(gbkToUtf8(whole.given), "小明");
}

}  // namespace
}  // namespace qinghe
