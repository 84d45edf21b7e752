#include "analysis/name_score.hpp"

#include <vector>

#include "analysis/text_helpers.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// Weights and factors in hundredths, so that every sum is exact: the truncated score then
// equals the exact weighted sum truncated, for every combination of words.
constexpr std::array<int, 6> kWeights = {5, 30, 20, 20, 10, 15};

struct LuckFactor {
    std::string word;
    int hundredths;
};

const std::array<LuckFactor, 5>& luckFactors() {
    static const std::array<LuckFactor, 5> table = {{{gbk("大吉"), 100},
                                                     {gbk("吉"), 100},
                                                     {gbk("中"), 85},
                                                     {gbk("凶"), 60},
                                                     {gbk("大凶"), 30}}};
    return table;
}

int factorOf(const std::string& word) {
    for (const LuckFactor& f : luckFactors())
        if (f.word == word) return f.hundredths;
    return 0;
}

struct AdviceBand {
    int lowerBound;
    std::string text;
};

const std::array<AdviceBand, 5>& adviceBands() {
    static const std::array<AdviceBand, 5> bands = {{
        {90, gbk("你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。")},
        {80, gbk("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！")},
        {70, gbk("你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。")},
        {60, gbk("你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。")},
        {0, gbk("你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。")},
    }};
    return bands;
}

NameScore finish(FiveGrids grids) {
    NameScore result;
    ScoreValue v = scoreValue(grids.luck);
    result.grids = std::move(grids);
    result.value = v.value;
    result.score = v.score;
    return result;
}

}  // namespace

ScoreValue scoreValue(const std::array<std::string, 6>& luck) {
    int total = 0;  // in ten-thousandths of a point: weight * factor in hundredths
    for (size_t i = 0; i < luck.size(); ++i) total += kWeights[i] * factorOf(luck[i]);
    return {static_cast<float>(total) / 100.0f, total / 100};
}

const std::string& adviceFor(int score) {
    for (const AdviceBand& band : adviceBands())
        if (score >= band.lowerBound) return band.text;
    return adviceBands().back().text;
}

NameScore scoreName(const std::string& surname, const std::string& given,
                    const PoolCharTable& pool, LuckSource& luck) {
    std::vector<std::string> surnameChars = splitCharacters(surname);
    std::vector<std::string> givenChars = splitCharacters(given);
    std::array<const CharInfo*, 8> records{};
    size_t s = std::min<size_t>(surnameChars.size(), 4), g = std::min<size_t>(givenChars.size(), 4);
    for (size_t i = 0; i < s; ++i) records[i] = &pool.find(surnameChars[i]);
    for (size_t i = 0; i < g; ++i) records[4 + i] = &pool.find(givenChars[i]);
    return finish(computeFiveGrids(std::span(records.data(), s), std::span(records.data() + 4, g),
                                   luck));
}

NameScore analyseName(NameDatabase& db, const std::string& surname, const std::string& given) {
    auto usableInfo = [&](const std::string& ch) {
        CharInfo info = lookupCharacter(db, ch);
        if (isUsable(info)) return info;
        CharInfo unknown;
        unknown.character = ch;
        return unknown;
    };
    std::vector<CharInfo> surnameInfo, givenInfo;
    for (const std::string& c : splitCharacters(surname)) surnameInfo.push_back(usableInfo(c));
    for (const std::string& c : splitCharacters(given)) givenInfo.push_back(usableInfo(c));
    if (surnameInfo.size() == 1 && surnameInfo[0].character == gbk("于"))
        surnameInfo[0].kangxiStrokes = surnameInfo[0].simplifiedStrokes;

    std::vector<const CharInfo*> surnamePtrs, givenPtrs;
    for (const CharInfo& c : surnameInfo) surnamePtrs.push_back(&c);
    for (const CharInfo& c : givenInfo) givenPtrs.push_back(&c);
    DatabaseLuck luck(db);
    NameScore result = finish(computeFiveGrids(surnamePtrs, givenPtrs, luck));
    result.advice = adviceFor(result.score);
    return result;
}

}  // namespace qinghe
