// The nine tables of the name database: their columns in order, as both the in-memory copy and
// the data file hold them. Readers address columns by the numbers given here.
#pragma once

#include <string>
#include <vector>

#include "store/name_database.hpp"

namespace qinghe {

struct TableSchema {
    std::string name;  // GBK
    std::vector<FieldDef> fields;
};

// The tables in loading order: QH_CNWord, QH_三才配置, QH_八一灵动数, QH_EName, QH_Poet,
// QH_全唐诗, QH_育儿百科, QH_算命风水, QH_百家姓.
const std::vector<TableSchema>& nameDatabaseTables();

// The index statements run after the copy (GBK).
const std::vector<std::string>& nameDatabaseIndexStatements();

// Column numbers of the tables that readers use.
namespace cnword_col {
enum : int {
    Id, Code, Character, Simplified, Traditional, SimplifiedStrokes, KangxiStrokes, Pinyin1,
    Pinyin2, Initial, Final, Radical, Element, Wubi, BasicExplanation, DetailedExplanation
};
}
namespace talent_col {
enum : int {
    Id, Talents, Luck, Explanation1, Explanation2, Summary, Character, Will, Career, Family,
    Marriage, Children, Social, Spirit, Wealth, Health, OldAge, BasicLuck, SuccessLuck,
    Relations, Personality
};
}
namespace number_col {
enum : int { Id, Luck, Explanation1, Explanation2, Explanation3, Career, Family, Health, Meaning, Hints };
}
namespace ename_col {
enum : int { Id, Index1, Index2, Name, NameLength, Sex, Chinese, Morphology, Language, Meaning };
}
namespace poet_col {
enum : int { Id, Poet, PoemCount, OrderId };
}
namespace poem_col {
enum : int { Id, Title, Author, Content, Marks, ContentLength };
}
namespace article_col {
enum : int { Id, CategoryId, CategoryTitle, Title, Content };
}
namespace surname_col {
enum : int { Id, Surname, Origin, Regions, FamousPeople };
}

}  // namespace qinghe
