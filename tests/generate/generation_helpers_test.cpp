#include <gtest/gtest.h>

#include "generate/generation_job.hpp"
#include "generate/recorded_window.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

TEST(ContainsCharacters, MatchesWholeCharactersOnly) {
    EXPECT_TRUE(containsCharacters(gbk("明李"), gbk("李")));
    EXPECT_TRUE(containsCharacters(gbk("欧阳明"), gbk("欧阳")));
    EXPECT_FALSE(containsCharacters(gbk("阳欧"), gbk("欧阳")));
    EXPECT_TRUE(containsCharacters(gbk("明"), ""));
    // 晨 (B3 BF) + 旭 (D0 F1): the bytes BF D0 straddle the two characters and are no match.
    std::string straddle = gbk("晨旭").substr(1, 2);
    EXPECT_FALSE(containsCharacters(gbk("晨旭"), straddle));
}

TEST(SuperAuspiciousThreshold, HighestScoreTheHeavenGridAllows) {
    const std::pair<const char*, int> cases[] = {
        {"大凶", 96}, {"凶", 98}, {"中", 99}, {"吉", 100}, {"大吉", 100}, {"", 0}, {"半吉", 0}};
    for (const auto& [word, threshold] : cases) EXPECT_EQ(superAuspiciousThreshold(gbk(word)), threshold) << word;
}

TEST(ElementFilterTexts, CheckedBoxesOrAllOrNothing) {
    ElementFilterBoxes boxes;
    auto texts = elementFilterTexts(boxes);  // nothing checked
    EXPECT_EQ(texts[0], gbk("金木水火土"));
    EXPECT_EQ(texts[2], gbk("金木水火土"));
    EXPECT_EQ(texts[3], "");
    boxes.master = {true, true, false, true};
    boxes.element[0] = {true, false, true, false, false};  // 金 水
    boxes.element[2] = {false, true, false, false, false};  // ignored: master unchecked
    boxes.element[3] = {false, false, false, true, false};  // 火
    texts = elementFilterTexts(boxes);
    EXPECT_EQ(texts[0], gbk("金水"));
    EXPECT_EQ(texts[1], gbk("金木水火土"));  // checked master, no element: all five
    EXPECT_EQ(texts[2], gbk("金木水火土"));
    EXPECT_EQ(texts[3], gbk("火"));
}

TEST(SortRowsByScore, StableHighestFirstAndRenumbered) {
    std::vector<NameListRow> rows(4);
    const char* scores[] = {"88", "95", "88", "95"};
    for (int i = 0; i < 4; ++i) {
        rows[i].columns[ColNumber] = std::to_string(i + 1);
        rows[i].columns[ColName] = std::string(1, static_cast<char>('a' + i));
        rows[i].columns[ColScore] = scores[i];
    }
    sortRowsByScore(rows);
    std::string order;
    for (const auto& r : rows) order += r.columns[ColName] + r.columns[ColNumber];
    EXPECT_EQ(order, "b1d2a3c4");
}

}  // namespace
}  // namespace qinghe
