#include "analysis/char_info.hpp"

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe {

CharInfo lookupCharacter(NameDatabase& db, const std::string& ch) {
    static const std::string sql = gbk("select * from QH_CNWord where 汉字=?");
    NameDatabase::Statement row = db.query(sql, {ch});
    CharInfo info;
    info.character = ch;
    info.traditional = db.columnText(row, cnword_col::Traditional);
    info.simplifiedStrokes = db.columnInt(row, cnword_col::SimplifiedStrokes);
    info.kangxiStrokes = db.columnInt(row, cnword_col::KangxiStrokes);
    info.pinyin1 = db.columnText(row, cnword_col::Pinyin1);
    info.pinyin = db.columnText(row, cnword_col::Pinyin2);
    info.initial = db.columnText(row, cnword_col::Initial);
    info.radical = db.columnText(row, cnword_col::Radical);
    info.element = db.columnText(row, cnword_col::Element);
    info.basicExplanation = db.columnText(row, cnword_col::BasicExplanation);
    info.detailedExplanation = db.columnText(row, cnword_col::DetailedExplanation);
    db.finalize(row);
    return info;
}

bool isUsable(const CharInfo& info) {
    return !info.element.empty() && info.simplifiedStrokes != 0;
}

}  // namespace qinghe
