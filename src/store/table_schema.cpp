#include "store/table_schema.hpp"

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// A column as "name:type:size" in the table below; I stands for Integer, V for VarChar.
struct ColumnSpec {
    const char* name;
    char type;
    int size;
};

TableSchema makeTable(const char* utf8Name, std::initializer_list<ColumnSpec> columns) {
    TableSchema table{gbk(utf8Name), {}};
    for (const ColumnSpec& c : columns)
        table.fields.push_back({gbk(c.name), c.type == 'I' ? field_type::Integer : field_type::VarChar,
                                c.size, 0, {}});
    return table;
}

std::vector<TableSchema> buildTables() {
    const std::initializer_list<ColumnSpec> articleColumns = {
        {"ID", 'I', 10}, {"分类ID", 'V', 50}, {"分类标题", 'V', 20}, {"标题", 'V', 100},
        {"内容", 'V', 2000}};
    return {
        makeTable("QH_CNWord",
                  {{"Id", 'I', 10}, {"code", 'I', 10}, {"汉字", 'V', 2}, {"简体", 'V', 2},
                   {"繁体", 'V', 2}, {"简体笔画数", 'I', 10}, {"繁体笔画数", 'I', 10},
                   {"拼音1", 'V', 20}, {"拼音2", 'V', 20}, {"声母", 'V', 1}, {"韵母", 'V', 3},
                   {"部首", 'V', 1}, {"五行属性", 'V', 2}, {"五笔", 'V', 4},
                   {"基本解释", 'V', 700}, {"详细解释", 'V', 700}}),
        makeTable("QH_三才配置",
                  {{"Id", 'I', 10}, {"三才", 'V', 6}, {"吉凶", 'V', 4}, {"解释一", 'V', 140},
                   {"解释二", 'V', 80}, {"总论", 'V', 92}, {"性格", 'V', 200}, {"意志", 'V', 100},
                   {"事业", 'V', 100}, {"家庭", 'V', 100}, {"婚姻", 'V', 100}, {"子女", 'V', 100},
                   {"社交", 'V', 100}, {"精神", 'V', 100}, {"财运", 'V', 100}, {"健康", 'V', 100},
                   {"老运", 'V', 100}, {"对基础运的影响", 'V', 100}, {"对成功运的影响", 'V', 100},
                   {"对人际关系的影响", 'V', 100}, {"对性格的影响", 'V', 150}}),
        makeTable("QH_八一灵动数",
                  {{"Id", 'I', 10}, {"吉凶", 'V', 4}, {"解释一", 'V', 100}, {"解释二", 'V', 100},
                   {"解释三", 'V', 1000}, {"基业", 'V', 1000}, {"家庭", 'V', 1000},
                   {"健康", 'V', 1000}, {"含义", 'V', 1000}, {"数理暗示", 'V', 1000}}),
        makeTable("QH_EName",
                  {{"Id", 'I', 10}, {"EIndex", 'V', 1}, {"EIndex2", 'V', 2}, {"Name", 'V', 20},
                   {"NameLength", 'V', 10}, {"Sex", 'I', 10}, {"Cnword", 'V', 50},
                   {"Morphology", 'V', 20}, {"Languag", 'V', 20}, {"Mean", 'V', 20}}),
        makeTable("QH_Poet", {{"Id", 'I', 10}, {"Poet", 'V', 10}, {"PoemCount", 'V', 10},
                              {"OrderId", 'I', 10}}),
        makeTable("QH_全唐诗", {{"Id", 'I', 10}, {"标题", 'V', 30}, {"作者", 'V', 10},
                               {"内容", 'V', 1000}, {"首字母", 'V', 400}, {"内容长度", 'I', 10}}),
        makeTable("QH_育儿百科", articleColumns),
        makeTable("QH_算命风水", articleColumns),
        makeTable("QH_百家姓", {{"Id", 'I', 10}, {"姓", 'V', 8}, {"姓氏起源", 'V', 1000},
                               {"聚集地", 'V', 1000}, {"历史名人", 'V', 1000}}),
    };
}

}  // namespace

const std::vector<TableSchema>& nameDatabaseTables() {
    static const std::vector<TableSchema> tables = buildTables();
    return tables;
}

const std::vector<std::string>& nameDatabaseIndexStatements() {
    static const std::vector<std::string> statements = {
        gbk("CREATE INDEX NewIndex1 on QH_CNWord(汉字 ASC)"),
        gbk("CREATE INDEX NewIndex2 on QH_八一灵动数(Id ASC)"),
        gbk("CREATE INDEX TalentIndex on QH_三才配置(三才 ASC)"),
    };
    return statements;
}

}  // namespace qinghe
