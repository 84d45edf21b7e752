// Checks of the texts we write, as they reach the built database and the program's lists.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "analysis/char_info.hpp"
#include "analysis/text_helpers.hpp"
#include "generate/name_lists.hpp"
#include "built_database_fixture.hpp"

namespace qinghe {
namespace {

using Content = BuiltDatabaseTest;

TEST_F(Content, EnglishNamesForBothSexesAndEverySoundKey) {
    EXPECT_GE(count("select count(*) from QH_EName"), 1500);
    EXPECT_GE(count("select count(*) from QH_EName where Sex = 1"), 600);
    EXPECT_GE(count("select count(*) from QH_EName where Sex = 2"), 600);
    EXPECT_GE(count("select count(*) from QH_EName where Sex = 3"), 150);
    EXPECT_EQ(count("select count(*) from QH_EName where Sex not in (1, 2, 3)"), 0);
    for (const char* key : {"b", "p", "m", "f", "d", "t", "n", "l", "g", "h", "r", "w", "s", "i", "a", "e",
                            "ch", "sh", "th"}) {
        for (int sex : {1, 2}) {
            long long n = count("select count(*) from QH_EName where (case when EIndex2 <> '' then EIndex2 "
                                "else EIndex end) = ? and Sex = " + std::to_string(sex), {key});
            EXPECT_GE(n, 10) << key << " sex " << sex;
        }
    }
}

TEST_F(Content, EveryMenuCategoryHasItsArticles) {
    const std::vector<std::string> childCare = {
        "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
        "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育",
        "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌",
        "均衡营养", "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册",
        "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全"};
    const std::vector<std::string> fortune = {"起名知识", "算命知识", "星座算命", "相术算命",
                                              "血型算命", "风水知识", "开运技巧"};
    for (const auto& [table, categories] : {std::pair{"QH_育儿百科", childCare}, std::pair{"QH_算命风水", fortune}}) {
        for (const std::string& category : categories)
            EXPECT_GE(count(std::string("select count(*) from ") + table + " where 分类标题 = ?", {category}), 4)
                << category;
        EXPECT_EQ(count(std::string("select count(distinct 分类标题) from ") + table), static_cast<long long>(categories.size()));
        EXPECT_EQ(count(std::string("select count(*) - count(distinct 标题) from ") + table), 0) << table;
        EXPECT_EQ(count(std::string("select count(*) from ") + table +
                        " where 内容 like '%<script%' or 内容 like '%<img%' or 内容 = ''"),
                  0);
    }
    EXPECT_GE(count("select count(*) from QH_育儿百科") + count("select count(*) from QH_算命风水"), 180);
}

TEST_F(Content, SurnamesOfTheHundredFamilyList) {
    EXPECT_GE(count("select count(*) from QH_百家姓"), 500);
    for (const char* surname : {"李", "王", "欧阳", "司马", "诸葛", "上官", "第五", "肖", "於"})
        EXPECT_EQ(count("select count(*) from QH_百家姓 where 姓 = ? and 姓氏起源 <> '' and 聚集地 <> '' and 历史名人 <> ''",
                        {surname}),
                  1)
            << surname;
}

TEST_F(Content, NameListsHaveTheirSizesNoRepeatsAndUsableCharacters) {
    auto names = [](const std::string& commaSeparated) {
        std::vector<std::string> out;
        for (size_t start = 0, comma; start < commaSeparated.size(); start = comma + 1) {
            comma = commaSeparated.find(',', start);
            out.push_back(commaSeparated.substr(start, comma - start));
        }
        return out;
    };
    struct List {
        const char* what;
        std::vector<std::string> entries;
        size_t size;
        const char* begins;
    } lists[] = {
        {"boys' high-score characters", splitCharacters(highScoreCharacters(false)), 1854, "湛子会奥电"},
        {"girls' high-score characters", splitCharacters(highScoreCharacters(true)), 973, "筠柔竹霭凝"},
        {"boys' two-character names", names(classicNames(false, 2)), 2910, "博涛鑫磊靖琪越泽浩南晟棋泰宇伟诚伟宸伟泽"},
        {"girls' two-character names", names(classicNames(true, 2)), 2134, "梦璐熙雯莉姿煜婷丹华素芬幽兰傲蕾檀雅晓萱"},
        {"boys' one-character names", splitCharacters(classicNames(false, 1)), 841, "安岸昂翱傲奥芭白百柏般邦包宝保抱备奔本必标彬斌滨冰"},
        {"girls' one-character names", splitCharacters(classicNames(true, 1)), 294, "安傲白柏碧壁冰波采彩婵嫦超辰宸痴初春翠黛丹迪笛蝶冬"},
    };
    for (const List& list : lists) {
        EXPECT_EQ(list.entries.size(), list.size) << list.what;
        std::string start;
        std::set<std::string> seen;
        for (const std::string& entry : list.entries) {
            if (start.size() < gbk(list.begins).size()) start += entry;
            EXPECT_TRUE(seen.insert(entry).second) << list.what << " repeats " << gbkToUtf8(entry);
            for (const std::string& c : splitCharacters(entry))
                EXPECT_TRUE(isUsable(lookupCharacter(*db, c))) << list.what << ": " << gbkToUtf8(c);
        }
        EXPECT_EQ(start, gbk(list.begins)) << list.what;
    }
}

}  // namespace
}  // namespace qinghe
