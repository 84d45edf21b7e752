#include "analysis/five_grids.hpp"

#include "analysis/text_helpers.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

const std::array<std::string, 10>& elementsByLastDigit() {
    static const std::array<std::string, 10> table = {
        gbk("水"), gbk("木"), gbk("木"), gbk("火"), gbk("火"),
        gbk("土"), gbk("土"), gbk("金"), gbk("金"), gbk("水")};
    return table;
}

int strokesAt(std::span<const CharInfo* const> part, size_t i) {
    return i < part.size() && part[i] ? part[i]->kangxiStrokes : 0;
}

int heavenOf(std::span<const CharInfo* const> surname) {
    return surname.size() >= 2 ? strokesAt(surname, 0) + strokesAt(surname, 1)
                               : strokesAt(surname, 0) + 1;
}

}  // namespace

const std::string& gridElement(int number) {
    int digit = number % 10;
    if (digit < 0) digit += 10;
    return elementsByLastDigit()[digit];
}

FiveGrids computeFiveGrids(std::span<const CharInfo* const> surname,
                           std::span<const CharInfo* const> given, LuckSource& luck) {
    // Long parts are cut to their first two characters.
    surname = surname.first(std::min<size_t>(surname.size(), 2));
    given = given.first(std::min<size_t>(given.size(), 2));
    const bool twoSurname = surname.size() == 2;
    const bool twoGiven = given.size() == 2;
    const int s1 = strokesAt(surname, 0), s2 = strokesAt(surname, 1);
    const int g1 = strokesAt(given, 0), g2 = strokesAt(given, 1);

    FiveGrids grids;
    grids.heaven = heavenOf(surname);
    grids.person = (twoSurname ? s2 : s1) + g1;
    grids.earth = twoGiven ? g1 + g2 : g1 + 1;
    grids.total = s1 + s2 + g1 + g2;
    if (!twoSurname && !twoGiven)
        grids.outer = 2;
    else if (twoSurname && twoGiven)
        grids.outer = grids.total - grids.person;
    else
        grids.outer = grids.total - grids.person + 1;

    for (auto part : {surname, given}) {
        for (const CharInfo* c : part) {
            if (!c) continue;
            grids.simplifiedTotal += c->simplifiedStrokes;
            grids.elements += c->element;
        }
    }
    grids.talents = gridElement(grids.heaven) + gridElement(grids.person) + gridElement(grids.earth);

    grids.luck[HeavenLuck] = luck.numberLuck(grids.heaven);
    grids.luck[PersonLuck] = luck.numberLuck(grids.person);
    grids.luck[EarthLuck] = luck.numberLuck(grids.earth);
    grids.luck[TotalLuck] = luck.numberLuck(grids.total);
    grids.luck[OuterLuck] = luck.numberLuck(grids.outer);
    grids.luck[TalentLuck] = luck.talentLuck(grids.talents);
    return grids;
}

std::string surnameHeavenLuck(const std::string& surname, const PoolCharTable& pool,
                              LuckSource& luck) {
    std::vector<std::string> characters = splitCharacters(surname);
    std::vector<const CharInfo*> records;
    for (const std::string& c : characters) records.push_back(&pool.find(c));
    return luck.numberLuck(heavenOf(records));
}

}  // namespace qinghe
