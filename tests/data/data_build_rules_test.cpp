#include <gtest/gtest.h>

#include "character_rules.hpp"
#include "character_table.hpp"
#include "fixture_database.hpp"
#include "opencc_converter.hpp"
#include "poem_tables.hpp"
#include "record_file.hpp"
#include "unihan.hpp"

namespace namedata {
namespace {

TEST(KangxiStrokes, FullRadicalFormsAndSpecialCases) {
    struct Case {
        char32_t character;
        const char* radicalStroke;
        int total;
        int expected;
    } cases[] = {
        {U'河', "85.5", 8, 9},     // 氵 counts as 水
        {U'陽', "170.9", 12, 17},  // 阝 on the left counts as 阜
        {U'郭', "163.8", 10, 15},  // 阝 on the right counts as 邑
        {U'玲', "96.5", 9, 10},    // 王 as a component counts as 玉
        {U'萬', "140.9", 12, 15},  // 艹 counts as 艸
        {U'遠', "162.10", 13, 17}, // 辶 counts as 辵
        {U'王', "96.-1", 4, 4},    // a radical's own short form counts its strokes
        {U'水', "85.0", 4, 4},
        {U'四', "31.2", 5, 4},     // numerals count their value
        {U'十', "24.0", 2, 10},
    };
    for (const Case& c : cases) {
        auto rs = parseRadicalStroke(c.radicalStroke);
        ASSERT_TRUE(rs) << c.radicalStroke;
        EXPECT_EQ(kangxiStrokes(c.character, *rs, c.total), c.expected) << c.radicalStroke;
    }
    EXPECT_FALSE(parseRadicalStroke("300.1"));
    EXPECT_FALSE(parseRadicalStroke("abc"));
    EXPECT_TRUE(parseRadicalStroke("120'.3")->simplified);
}

TEST(SplitPinyin, InitialsFinalsAndToneMarks) {
    struct Case {
        const char* toned;
        const char* plain;
        const char* initial;
        const char* final;
    } cases[] = {{"zhāng", "zhang", "zh", "ang"}, {"ān", "an", "", "an"}, {"ōu", "ou", "", "ou"},
                 {"lǜ", "lv", "l", "v"},          {"yī", "yi", "y", "i"}, {"shuǐ", "shui", "sh", "ui"},
                 {"é", "e", "", "e"},             {"ń", "n", "", "n"}};
    for (const Case& c : cases) {
        PinyinParts p = splitPinyin(c.toned);
        EXPECT_EQ(p.plain, c.plain);
        EXPECT_EQ(p.initial, c.initial) << c.toned;
        EXPECT_EQ(p.final, c.final) << c.toned;
    }
}

TEST(ElementOf, MeaningRadicalFirstThenTheSoundOfTheInitial) {
    auto rs = [](const char* text) { return *parseRadicalStroke(text); };
    EXPECT_EQ(elementOf(rs("85.5"), "h"), "水");    // 河
    EXPECT_EQ(elementOf(rs("173.5"), "l"), "水");   // 雷
    EXPECT_EQ(elementOf(rs("140.6"), "c"), "木");   // 草
    EXPECT_EQ(elementOf(rs("167'.5"), "q"), "金");  // 钱
    EXPECT_EQ(elementOf(rs("72.4"), "m"), "火");    // 明
    EXPECT_EQ(elementOf(rs("112.5"), "p"), "土");   // 破
    EXPECT_EQ(elementOf(rs("30.3"), "m"), "水");    // 名: lips
    EXPECT_EQ(elementOf(rs("30.3"), "d"), "火");    // tongue
    EXPECT_EQ(elementOf(rs("30.3"), "g"), "木");    // molars
    EXPECT_EQ(elementOf(rs("30.3"), "zh"), "金");   // teeth
    EXPECT_EQ(elementOf(rs("40.3"), ""), "土");     // 安: no initial, throat
}

TEST(DisplayRadical, SideFormsAndSimplifiedRadicals) {
    EXPECT_EQ(displayRadical(*parseRadicalStroke("85.5"), "水"), "氵");
    EXPECT_EQ(displayRadical(*parseRadicalStroke("85.0"), "水"), "水");
    EXPECT_EQ(displayRadical(*parseRadicalStroke("120'.3"), "纟"), "纟");
    EXPECT_EQ(displayRadical(*parseRadicalStroke("72.4"), "日"), "日");
}

TEST(RecordFile, FieldsParagraphsAndFaults) {
    std::string text =
        "# comment\n【李】\n姓氏起源：第一段\n第二段\n聚集地: 各地\n历史名人：李白（诗人）\n\n【王】\n"
        "姓氏起源：起源\n聚集地：北方\n历史名人：王羲之\n";
    auto records = parseRecords(text, {"姓氏起源", "聚集地", "历史名人"}, "t");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].key, "李");
    EXPECT_EQ(records[0].field("姓氏起源"), "第一段<br>第二段");
    EXPECT_EQ(records[0].field("聚集地"), "各地");
    EXPECT_THROW(parseRecords("【李】\n姓氏起源：x\n", {"姓氏起源", "聚集地"}, "t"), std::runtime_error);
    EXPECT_THROW(parseRecords("text first\n【李】\n", {"姓氏起源"}, "t"), std::runtime_error);
}

TEST(Poems, ConvertedToSimplifiedAndMarkedWithNameCharacters) {
    OpenccConverter toSimplified("t2s.json");
    EXPECT_EQ(toSimplified.convert("秦川雄帝宅，函谷壯皇居。"), "秦川雄帝宅，函谷壮皇居。");
    EXPECT_EQ(nameCharacterMarks("床前明月光，疑是地上霜。明月", {"明", "月", "光", "霜"}), "明月光霜");
    OpenccConverter toTraditional("s2t.json");
    EXPECT_EQ(traditionalForm("万", toTraditional), "萬");
    EXPECT_EQ(traditionalForm("余", toTraditional), "余");  // the surname keeps its own form
}

TEST(CommonWords, TwoCharacterCommonWordsFirst) {
    std::string json = R"({"明媚":"1.美好。","明天":"1.今天的下一天。 \n2.不远的将来。","明白如话":"1.很浅显。","明鋭":"1.锐利。","明媸":"1.同\"明蚩\"。"})";
    auto frequency = [](char32_t cp) { return cp == U'天' ? 1 : 5; };
    EXPECT_EQ(commonWordsText("明", json, frequency), "明天：今天的下一天。<br>明媚：美好。<br>明白如话：很浅显。<br>明媸：同\"明蚩\"。");
}

TEST(Unihan, ParsesTheFieldsItNeeds) {
    UnihanData data;
    parseUnihanText("U+738B\tkRSKangXi\t96.-1\nU+738B\tkTotalStrokes\t4\nU+738B\tkCangjie\tMG\n", data);
    ASSERT_EQ(data.count(U'王'), 1u);
    EXPECT_EQ(data[U'王'].get("kRSKangXi"), "96.-1");
    EXPECT_EQ(data[U'王'].get("kCangjie"), "");
    EXPECT_THROW(readUnihanFolder("/nonexistent"), std::runtime_error);
}

}  // namespace
}  // namespace namedata
