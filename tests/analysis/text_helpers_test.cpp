#include "analysis/text_helpers.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

using List = std::vector<std::string>;

TEST(SplitCharacters, CutsGbkTextIntoCharacters) {
    EXPECT_EQ(splitCharacters(gbk("欧阳")), (List{gbk("欧"), gbk("阳")}));
    EXPECT_EQ(splitCharacters(gbk("a王 b")), (List{"a", gbk("王"), " ", "b"}));
    EXPECT_EQ(splitCharacters("  "), List{});
    EXPECT_EQ(splitCharacters(""), List{});
    EXPECT_EQ(splitCharacters(gbk("\u3000 \u3000")), List{});  // full-width spaces only
}

TEST(SplitCharacters, BytesAbove122StartATwoByteCharacter) {
    std::string wang = gbk("王");
    EXPECT_EQ(splitCharacters("{" + wang), (List{"{" + wang.substr(0, 1), wang.substr(1)}));
    EXPECT_EQ(splitCharacters(wang.substr(0, 1)), List{wang.substr(0, 1)});  // lone last byte
}

TEST(KeepGb2312Hanzi, KeepsOnlyGb2312ChineseCharacters) {
    EXPECT_EQ(keepGb2312Hanzi(gbk("王 abc，小明")), gbk("王小明"));
    EXPECT_EQ(keepGb2312Hanzi(gbk("堃明")), gbk("明"));
    EXPECT_EQ(keepGb2312Hanzi(""), "");
}

TEST(IsGb2312Hanzi, TestsTheFirstCharacter) {
    EXPECT_TRUE(isGb2312Hanzi("\xB0\xA1"));   // 啊
    EXPECT_TRUE(isGb2312Hanzi("\xF7\xFE"));   // 齄
    EXPECT_FALSE(isGb2312Hanzi(gbk("，")));
    EXPECT_FALSE(isGb2312Hanzi(gbk("堃")));
    EXPECT_FALSE(isGb2312Hanzi(gbk("\u3000")));
    EXPECT_FALSE(isGb2312Hanzi("a"));
    EXPECT_TRUE(isGb2312Hanzi(" " + gbk("明")));
}

TEST(ShuffleList, KeepsEveryElementOnce) {
    List one{"a"};
    shuffleList(one);
    EXPECT_EQ(one, List{"a"});
    List many;
    for (int i = 0; i < 200; ++i) many.push_back(std::to_string(i));
    List shuffled = many;
    shuffleList(shuffled);
    EXPECT_NE(shuffled, many);
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(many.begin(), many.end());
    EXPECT_EQ(shuffled, many);
}

TEST(ShuffleList, SameSeedSameOrder) {
    List a{"1", "2", "3", "4", "5", "6"}, b = a;
    std::mt19937 r1(7), r2(7);
    shuffleList(a, r1);
    shuffleList(b, r2);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace qinghe
