// The combination mode and the generation character on a small database whose characters are
// known exactly.
#include <gtest/gtest.h>

#include "fixture_database.hpp"
#include "generate/generation_job.hpp"
#include "generate/recorded_window.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

class CombinationTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::loadDefaultFixture(db, folder);
        window.inputs.surname = gbk("李");
        window.inputs.sex = gbk("男");
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const auto& row : window.rows(ResultList::Combination)) out.push_back(gbkToUtf8(row.columns[ColName]));
        return out;
    }
    void run(const GenerationCharSetting& setting = {}) {
        GenerationJob job(db, window, control);
        job.run(GenerationMode::Combination, setting);
        pool = job.charPool();
        candidates = job.candidates();
    }
    testing::TempFolder folder;
    NameDatabase db;
    RecordedWindow window;
    JobControl control;
    std::vector<std::string> pool, candidates;
};

TEST_F(CombinationTest, EveryPairOfTheTypedCharactersWithoutTheSurname) {
    window.inputs.combinationText = gbk("明 a亮，");
    run();
    EXPECT_EQ(pool, (std::vector<std::string>{gbk("明"), gbk("亮"), gbk("李")}));
    std::vector<std::string> expected = {"明明", "明亮", "明李", "亮明", "亮亮", "亮李", "李明", "李亮", "李李"};
    ASSERT_EQ(candidates.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(gbkToUtf8(candidates[i]), expected[i]);
    std::vector<std::string> listed = names();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"李亮亮", "李亮明", "李明亮", "李明明"}));
    const auto& rows = window.rows(ResultList::Combination);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].columns[ColNumber], std::to_string(i + 1));
        if (i) EXPECT_GE(std::stoi(rows[i - 1].columns[ColScore]), std::stoi(rows[i].columns[ColScore]));
    }
    EXPECT_TRUE(window.enabled[JobControlId::ModeSelection]);
    EXPECT_FALSE(window.waitingShown);
}

TEST_F(CombinationTest, SurnameNotAddedTwiceAndRepeatsKept) {
    window.inputs.combinationText = gbk("明李明");
    run();
    EXPECT_EQ(pool.size(), 3u);
    EXPECT_EQ(names().size(), 4u);  // each 明 pairs with each 明: four rows of 李明明
}

TEST_F(CombinationTest, NothingUsableGivesAnEmptyList) {
    window.inputs.combinationText = gbk("abc，。堃");
    run();
    EXPECT_TRUE(names().empty());
    EXPECT_TRUE(window.enabled[JobControlId::ModeSelection]);
}

TEST_F(CombinationTest, OneCharacterNamesAfterTheNotice) {
    window.inputs.nameLength = 1;
    window.inputs.combinationText = gbk("明亮");
    run();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, gbk("一字名数理得分较低,所以软件自动降低评分标准!"));
    EXPECT_EQ(names().size(), 2u);
}

TEST_F(CombinationTest, GenerationCharacterTakesItsPlace) {
    window.inputs.combinationText = gbk("明亮");
    GenerationCharSetting second{true, GenerationCharSetting::Position::Second, gbk("德"), ""};
    run(second);
    for (const std::string& name : names()) EXPECT_EQ(name.substr(0, 6), "李德") << name;
    EXPECT_EQ(names().size(), 2u);  // 德明, 德亮 (德李 holds the surname)
    GenerationCharSetting third{true, GenerationCharSetting::Position::Third, "", gbk("强")};
    run(third);
    for (const std::string& name : names()) EXPECT_EQ(name.substr(name.size() - 3), "强") << name;
    // A character the table does not know still forms names, with zero strokes.
    GenerationCharSetting unknown{true, GenerationCharSetting::Position::Second, gbk("龘"), ""};
    run(unknown);
    EXPECT_EQ(names().size(), 2u);
}

TEST_F(CombinationTest, EmptySurnameIsToldAndListsNothing) {
    window.inputs.surname = "";
    window.inputs.combinationText = gbk("明亮");
    run();
    ASSERT_FALSE(window.messages.empty());
    EXPECT_EQ(window.messages[0].first, gbk("请输入姓氏"));
    EXPECT_TRUE(names().empty());
}

}  // namespace
}  // namespace qinghe
