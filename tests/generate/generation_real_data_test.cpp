// The generation modes on the real character lists and the built database.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "analysis/char_info.hpp"
#include "analysis/text_helpers.hpp"
#include "generate/generation_job.hpp"
#include "generate/generation_worker.hpp"
#include "generate/name_list_export.hpp"
#include "generate/name_lists.hpp"
#include "generate/recorded_window.hpp"
#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

class RealData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db = new NameDatabase;
        ASSERT_TRUE(loadNameDatabase(*db, QINGHE_BUILT_DATABASE, nullptr));
    }
    static void TearDownTestSuite() { delete db; }

    void SetUp() override {
        window.inputs.surname = gbk("李");
        window.inputs.sex = gbk("男");
        window.inputs.nameLength = 2;
    }
    GenerationJob& run(GenerationMode mode, const GenerationCharSetting& setting = {}) {
        job = std::make_unique<GenerationJob>(*db, window, control);
        job->run(mode, setting);
        return *job;
    }
    static int score(const NameListRow& row) { return std::stoi(row.columns[ColScore]); }
    static void expectSortedAndNumbered(const std::vector<NameListRow>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].columns[ColNumber], std::to_string(i + 1));
            if (i) ASSERT_GE(score(rows[i - 1]), score(rows[i]));
        }
    }
    static std::string element(const std::string& ch) { return lookupCharacter(*db, ch).element; }

    static NameDatabase* db;
    RecordedWindow window;
    JobControl control;
    std::unique_ptr<GenerationJob> job;
};
NameDatabase* RealData::db = nullptr;

TEST_F(RealData, HighScoreBoyTwoCharactersListsTenThousandNamesOfNinetyOrMore) {
    GenerationJob& j = run(GenerationMode::HighScore);
    EXPECT_EQ(j.charPool().size(), 401u);
    EXPECT_EQ(j.charPool().back(), gbk("李"));
    const auto& rows = window.rows(ResultList::HighScore);
    EXPECT_EQ(rows.size(), 10000u);
    expectSortedAndNumbered(rows);
    for (const auto& row : rows) {
        ASSERT_GE(score(row), 90);
        ASSERT_FALSE(containsCharacters(row.columns[ColName].substr(2), gbk("李")));
    }
    EXPECT_EQ(window.pagesShown, std::vector<int>{page::HighScore});
    EXPECT_TRUE(window.enabled[JobControlId::HighScorePause]);
    EXPECT_TRUE(window.enabled[JobControlId::HighScoreAgain]);
    EXPECT_TRUE(window.enabled[JobControlId::HighScoreExport]);
    EXPECT_TRUE(window.enabled[JobControlId::ModeSelection]);
    // The first listed name closes the waiting window, then the pause button comes on.
    auto closed = std::find(window.events.begin(), window.events.end(), "waiting:closed");
    auto pause = std::find(window.events.begin(), window.events.end(),
                           "enabled:" + std::to_string(static_cast<int>(JobControlId::HighScorePause)));
    EXPECT_LT(closed, pause);
}

TEST_F(RealData, HighScoreGirlOneCharacterListsEveryUsableCharacter) {
    window.inputs.sex = gbk("女");
    window.inputs.nameLength = 1;
    GenerationJob& j = run(GenerationMode::HighScore);
    EXPECT_EQ(j.charPool().size(), 974u);  // all 973 characters and the surname
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, gbk("一字名数理得分较低,所以软件自动降低评分标准!"));
    size_t usable = 0;
    for (const std::string& c : splitCharacters(highScoreCharacters(true)))
        if (c != gbk("李") && isUsable(lookupCharacter(*db, c))) ++usable;
    EXPECT_EQ(window.rows(ResultList::HighScore).size(), usable);
}

TEST_F(RealData, GenerationCharacterSecondListsEveryNameAfterAWarning) {
    GenerationCharSetting de{true, GenerationCharSetting::Position::Second, gbk("德"), ""};
    run(GenerationMode::HighScore, de);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0], std::make_pair(gbk("设定辈份后,产生的名字较少,所以系统将显示全部名字"), MessageIcon::Warning));
    const auto& rows = window.rows(ResultList::HighScore);
    EXPECT_GT(rows.size(), 350u);
    for (const auto& row : rows) ASSERT_EQ(row.columns[ColName].substr(0, 4), gbk("李德"));
}

TEST_F(RealData, SuperAuspiciousDefaultFiltersReachTheBestScore) {
    window.inputs.filters.master[2] = true;
    window.inputs.filters.element[2] = {true, true, true, true, true};
    GenerationJob& j = run(GenerationMode::SuperAuspicious);
    EXPECT_EQ(j.charPool().size(), 1855u);
    PoolCharTable pool = j.poolTable();
    CachedLuck luck(*db);
    int threshold = superAuspiciousThreshold(surnameHeavenLuck(gbk("李"), pool, luck));
    EXPECT_GE(threshold, 96);
    const auto& rows = window.rows(ResultList::SuperAuspicious);
    EXPECT_EQ(rows.size(), 100000u);  // the job stops at the spare row
    expectSortedAndNumbered(rows);
    for (const auto& row : rows) ASSERT_EQ(score(row), threshold);
    EXPECT_TRUE(window.enabled[JobControlId::SuperGenerate]);
    EXPECT_TRUE(window.enabled[JobControlId::SuperExport]);
}

TEST_F(RealData, SuperAuspiciousPositionAndExclusionFilters) {
    window.inputs.filters.master[0] = true;
    window.inputs.filters.element[0] = {true, false, true, false, false};  // 金 水 at the second place
    GenerationJob& j = run(GenerationMode::SuperAuspicious);
    EXPECT_FALSE(j.secondPlaceList().empty());
    for (const auto& row : window.rows(ResultList::SuperAuspicious)) {
        std::string e = element(row.columns[ColName].substr(2, 2));
        ASSERT_TRUE(e == gbk("金") || e == gbk("水"));
    }

    window.inputs.filters = {};
    window.inputs.filters.master[3] = true;
    window.inputs.filters.element[3] = {false, false, false, true, false};  // no 火 anywhere
    run(GenerationMode::SuperAuspicious);
    for (const auto& row : window.rows(ResultList::SuperAuspicious)) {
        ASSERT_NE(element(row.columns[ColName].substr(2, 2)), gbk("火"));
        ASSERT_NE(element(row.columns[ColName].substr(4, 2)), gbk("火"));
    }

    window.inputs.filters.master[2] = true;
    window.inputs.filters.element[2] = {false, true, false, false, false};  // 木 required ...
    window.inputs.filters.element[3] = {false, true, false, false, false};  // ... and forbidden
    run(GenerationMode::SuperAuspicious);
    EXPECT_TRUE(window.rows(ResultList::SuperAuspicious).empty());

    window.inputs.filters = {};
    EXPECT_TRUE(run(GenerationMode::SuperAuspicious).candidates().empty());
}

TEST_F(RealData, NicknamesInTheFourPatterns) {
    window.inputs.nicknamePattern = NicknamePattern::XiaoPrefix;
    GenerationJob& j = run(GenerationMode::Nickname);
    EXPECT_EQ(j.charPool().size(), 1854u + 973u);  // 李 is among the characters: not added again
    std::map<std::string, int> counts;
    for (const auto& row : window.rows(ResultList::Nickname)) {
        ASSERT_EQ(row.columns[ColName].substr(0, 4), gbk("李小"));
        ++counts[row.columns[ColName]];
    }
    EXPECT_EQ(counts[gbk("李小欢")], 2);  // 欢 is in both lists
    window.inputs.surname = gbk("王");
    window.inputs.nicknamePattern = NicknamePattern::Double;
    run(GenerationMode::Nickname);
    for (const auto& row : window.rows(ResultList::Nickname)) ASSERT_NE(row.columns[ColName], gbk("王王王"));
}

TEST_F(RealData, ClassicListsInRowsOfFourteenAndSixteen) {
    run(GenerationMode::Classic);
    EXPECT_EQ(window.pagesShown, std::vector<int>{page::Classic});
    const std::string& text = window.classicText;
    size_t names = 0, rows = 0;  // every name is followed by two blanks
    for (size_t at = 0; (at = text.find("  ", at)) != std::string::npos; at += 2) ++names;
    for (size_t at = 0; (at = text.find("\r\n\r\n", at)) != std::string::npos; at += 4) ++rows;
    EXPECT_EQ(names, 2910u);
    EXPECT_EQ(rows, 2910u / 14);
    window.inputs.sex = gbk("女");
    window.inputs.nameLength = 1;
    run(GenerationMode::Classic);
    EXPECT_EQ(window.classicText.size(), 294u * (2 + 2 + 3) + (294 / 16) * 4);
}

TEST_F(RealData, PausedJobKeepsItsRowsAndExportsOnlyTheFilledOnes) {
    GenerationWorker worker;
    std::atomic<bool> pausedOnce = false;
    window.onRowFilled = [&](ResultList, size_t row) {
        if (row == 99 && !pausedOnce.exchange(true)) worker.suspend();
    };
    worker.start([&](JobControl& c) {
        GenerationJob j(*db, window, c);
        j.run(GenerationMode::HighScore, {});
    });
    while (!worker.paused()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    {
        auto lock = window.lock();
        const auto& rows = window.rows(ResultList::HighScore);
        EXPECT_EQ(rows.size(), 10001u);  // the unfilled rows are still there
        EXPECT_EQ(rows[99].columns[ColNumber], "100");
        EXPECT_EQ(rows[100].columns[ColNumber], "");
        std::string text = nameListExportText(rows);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 101);  // header and 100 names
    }
    worker.resume();
    while (worker.running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(window.rows(ResultList::HighScore).size(), 10000u);
}

TEST_F(RealData, TerminateStopsARunningJob) {
    GenerationWorker worker;
    window.inputs.filters.master[2] = true;
    worker.start([&](JobControl& c) {
        GenerationJob j(*db, window, c);
        j.run(GenerationMode::SuperAuspicious, {});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(worker.terminate());
    EXPECT_FALSE(worker.running());
    EXPECT_FALSE(worker.terminate());
}

}  // namespace
}  // namespace qinghe
