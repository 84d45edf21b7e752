#include "analysis/luck_source.hpp"

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe {

std::string numberLuck(NameDatabase& db, int number) {
    NameDatabase::Statement row =
        db.query(gbk("select * from QH_八一灵动数 where Id=") + std::to_string(number));
    std::string luck = db.columnText(row, number_col::Luck);
    db.finalize(row);
    return luck;
}

std::string talentLuck(NameDatabase& db, const std::string& talents) {
    static const std::string sql = gbk("select * from QH_三才配置 where 三才=?");
    NameDatabase::Statement row = db.query(sql, {talents});
    std::string luck = db.columnText(row, talent_col::Luck);
    db.finalize(row);
    return luck;
}

const std::string& DatabaseLuck::numberLuck(int number) {
    last_ = qinghe::numberLuck(db_, number);
    return last_;
}

const std::string& DatabaseLuck::talentLuck(const std::string& talents) {
    last_ = qinghe::talentLuck(db_, talents);
    return last_;
}

const std::string& CachedLuck::numberLuck(int number) {
    if (number >= 0 && number < kDirectNumbers) {
        std::optional<std::string>& slot = smallNumbers_[number];
        if (!slot) slot = qinghe::numberLuck(db_, number);
        return *slot;
    }
    auto found = otherNumbers_.find(number);
    if (found == otherNumbers_.end())
        found = otherNumbers_.emplace(number, qinghe::numberLuck(db_, number)).first;
    return found->second;
}

const std::string& CachedLuck::talentLuck(const std::string& talents) {
    auto found = talents_.find(talents);
    if (found == talents_.end())
        found = talents_.emplace(talents, qinghe::talentLuck(db_, talents)).first;
    return found->second;
}

}  // namespace qinghe
