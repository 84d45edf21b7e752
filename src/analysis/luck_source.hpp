// Where the luck words of the 81 numbers and of the three-talent configurations come from.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/name_database.hpp"

namespace qinghe {

// The 吉凶 word of a grid number, read from QH_八一灵动数; "" when there is no row. The number is
// looked up as it is, also above 81.
std::string numberLuck(NameDatabase& db, int number);
// The 吉凶 word of a three-talent text such as 木火土, read from QH_三才配置; "" when no row.
std::string talentLuck(NameDatabase& db, const std::string& talents);

class LuckSource {
public:
    virtual ~LuckSource() = default;
    virtual const std::string& numberLuck(int number) = 0;
    virtual const std::string& talentLuck(const std::string& talents) = 0;
};

// Asks the database every time: the path of the report and the scoring tab.
class DatabaseLuck : public LuckSource {
public:
    explicit DatabaseLuck(NameDatabase& db) : db_(db) {}
    const std::string& numberLuck(int number) override;
    const std::string& talentLuck(const std::string& talents) override;

private:
    NameDatabase& db_;
    std::string last_;
};

// Remembers every word it has read. A generation job keeps one for its whole length: the tables
// do not change once loaded, and the scoring of millions of names then makes no query at all.
class CachedLuck : public LuckSource {
public:
    explicit CachedLuck(NameDatabase& db) : db_(db) {}
    const std::string& numberLuck(int number) override;
    const std::string& talentLuck(const std::string& talents) override;

private:
    static constexpr int kDirectNumbers = 512;  // grid numbers of real names stay far below

    NameDatabase& db_;
    std::vector<std::optional<std::string>> smallNumbers_ =
        std::vector<std::optional<std::string>>(kDirectNumbers);
    std::map<int, std::string> otherNumbers_;
    std::map<std::string, std::string> talents_;
};

}  // namespace qinghe
