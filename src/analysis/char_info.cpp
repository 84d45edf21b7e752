#include "analysis/char_info.hpp"

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe {

CharInfo lookupCharacter(NameDatabase& db, const std::string& ch, CharFields fields) {
    static const std::string sql = gbk("select * from QH_CNWord where 汉字=?");
    NameDatabase::Statement row = db.query(sql, {ch});
    CharInfo info;
    info.character = ch;
    info.simplifiedStrokes = db.columnInt(row, cnword_col::SimplifiedStrokes);
    info.kangxiStrokes = db.columnInt(row, cnword_col::KangxiStrokes);
    info.element = db.columnText(row, cnword_col::Element);
    if (fields == CharFields::StrokesAndElement) {
        db.finalize(row);
        return info;
    }
    info.traditional = db.columnText(row, cnword_col::Traditional);
    info.pinyin1 = db.columnText(row, cnword_col::Pinyin1);
    info.pinyin = db.columnText(row, cnword_col::Pinyin2);
    info.initial = db.columnText(row, cnword_col::Initial);
    info.radical = db.columnText(row, cnword_col::Radical);
    info.basicExplanation = db.columnText(row, cnword_col::BasicExplanation);
    info.detailedExplanation = db.columnText(row, cnword_col::DetailedExplanation);
    db.finalize(row);
    return info;
}

bool isUsable(const CharInfo& info) {
    return !info.element.empty() && info.simplifiedStrokes != 0;
}

}  // namespace qinghe
