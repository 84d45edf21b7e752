#include "store/gbk_text.hpp"

#include <gtest/gtest.h>

namespace qinghe {

TEST(GbkText, ChineseCharactersAreTwoBytesAndRoundTrip) {
    std::string g = utf8ToGbk("汉字 ab");
    EXPECT_EQ(g, std::string("\xBA\xBA\xD7\xD6 ab"));
    EXPECT_EQ(gbkToUtf8(g), "汉字 ab");
    EXPECT_EQ(utf8ToGbk("堃"), std::string("\x88\xD2"));  // GBK extension, outside GB2312
}

TEST(GbkText, CharactersOutsideGbkBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(utf8ToGbk("\xE3\x90\x80"), "?");  // U+3400, CJK extension A, not in GBK
}

TEST(GbkText, MalformedInputGivesTheEmptyText) {
    EXPECT_EQ(utf8ToGbk("ab\xFF"), "");
    EXPECT_EQ(utf8ToGbk("\xC0\xAF"), "");  // overlong
    EXPECT_EQ(gbkToUtf8("\xB0"), "");       // lead byte without trail
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(isValidUtf8("王小明"));
}

}  // namespace qinghe
